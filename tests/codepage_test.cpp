#include "core/notes/codepage.h"

#include "workfolder.h"

#include <gtest/gtest.h>

using namespace plandeck;

TEST(CodePage, EveryByteRoundTrips)
{
    const QByteArray bytes = allBytes();
    const QString text = fromCodePage(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCodePage(text), bytes);
}

TEST(CodePage, MapsTheWindowsCharacters)
{
    EXPECT_EQ(fromCodePage("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fromCodePage("\x9F"), QString(QChar(0x0178)));
    EXPECT_EQ(fromCodePage("\xE9"), QString(QChar(0x00E9)));
    // Bytes without a Windows character stand for the C1 control of the same number.
    EXPECT_EQ(fromCodePage("\x81\x8D\x8F\x90\x9D"),
              QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(toCodePage(QString::fromUtf16(u"\u20AC\u2122\u0153")), QByteArray("\x80\x99\x9C"));
}

TEST(CodePage, CharactersWithoutAByteBecomeOneQuestionMarkEach)
{
    // Greek, CJK, and an emoji (a surrogate pair) each turn into one '?'.
    EXPECT_EQ(toCodePage(QString::fromUtf16(u"a\u03B1b\u4E2Dc\U0001F600d")), "a?b?c?d");
    EXPECT_EQ(restrictToCodePage(QString::fromUtf16(u"x\U0001F600y")), QStringLiteral("x?y"));
    // A lone surrogate has no byte either.
    EXPECT_EQ(toCodePage(QString(QChar(0xD800))), "?");
    EXPECT_FALSE(isInCodePage(0x0100));
    EXPECT_TRUE(isInCodePage(0x00FF));
}
