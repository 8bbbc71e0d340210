#pragma once

#include <QString>

// The MD5 digest (RFC 1321) of a text, taken over the bytes the note store
// writes for that text (Windows-1252 or UTF-8, as noteBytes() chooses).

namespace plandeck {

class CMD5
{
public:
    // 32 lowercase hexadecimal digits.
    QString MD5(const QString& text) const;
};

} // namespace plandeck
