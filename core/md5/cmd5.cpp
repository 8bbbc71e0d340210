#include "core/md5/cmd5.h"

#include "core/notes/notetext.h"

#include <QCryptographicHash>

namespace plandeck {

QString CMD5::MD5(const QString& text) const
{
    return QString::fromLatin1(
        QCryptographicHash::hash(noteBytes(text), QCryptographicHash::Md5).toHex());
}

} // namespace plandeck
