// Whatever bytes a note file holds, the store reads exactly those bytes, and
// saving them again writes exactly those bytes.
#include "core/notes/notestore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const bool entered = QDir::setCurrent(folder.path()) && QDir().mkpath("data");
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QFile file(QStringLiteral("data/2007-12-05.txt"));
    if (!entered || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::abort();
    }
    file.close();
    const plandeck::NoteRead read = plandeck::GetData(5, 12, 2007);
    if (!read.isReadable() || read.bytes != bytes ||
        !plandeck::UpdateData(6, 12, 2007, bytes).isOk() ||
        plandeck::GetData(6, 12, 2007).bytes != bytes) {
        std::abort();
    }
    return 0;
}
