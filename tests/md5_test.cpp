#include "core/md5/cmd5.h"

#include <gtest/gtest.h>

// The test suite of RFC 1321, and two texts that show which bytes are
// digested: those the note store writes (Windows-1252 é, UTF-8 Ł).
TEST(CMD5, DigestsTheNoteBytes)
{
    const std::pair<QString, QString> rows[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {QString("1234567890").repeated(8), "57edf4a22be3c955ac49da2e2107b67a"},
        {QStringLiteral("é"), "3406877694691ddd1dfb0aca54681407"},
        {QStringLiteral("Ł"), "892e100e17e1b1c24bc48b3ee1aaabe0"}};
    for (const auto& [text, digest] : rows) {
        EXPECT_EQ(plandeck::CMD5().MD5(text), digest) << text.toStdString();
    }
}
