#include "data/TextRules.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(TextRules, cutCountsCharactersAndNeverSplitsAPair)
{
    EXPECT_EQ(text::cut(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(text::cut(QStringLiteral("ab"), 3), QStringLiteral("ab"));
    const QString clef = QString::fromUcs4(U"a\U0001D11Eb");
    EXPECT_EQ(text::cut(clef, 2), QString::fromUcs4(U"a\U0001D11E"));
    EXPECT_EQ(text::cut(clef, 1), QStringLiteral("a"));
    EXPECT_EQ(text::cut(QString(300, QLatin1Char('x')), text::kLineChars).size(), 255);
}

TEST(TextRules, lineBreaksBecomeBlanks)
{
    EXPECT_EQ(text::oneLine(QStringLiteral("a\r\nb\nc")), QStringLiteral("a  b c"));
    EXPECT_EQ(text::field(QStringLiteral("Line\none is long"), 6), QStringLiteral("Line o"));
}

TEST(TextRules, decodeTakesUtf8ElseWindows1252)
{
    EXPECT_EQ(text::decode(QByteArray("H\xC3\xB6he")), QStringLiteral("H\u00F6he"));
    // Not valid UTF-8: the byte is Windows-1252 (0xF6 o-umlaut, 0x80 euro sign).
    EXPECT_EQ(text::decode(QByteArray("H\xF6he \x80")), QStringLiteral("H\u00F6he \u20AC"));
    EXPECT_EQ(text::encode(QStringLiteral("\u00F6")), QByteArray("\xC3\xB6"));
}

TEST(TextRules, isUtf8RefusesOverlongFormsSurrogatesAndTruncatedSequences)
{
    EXPECT_TRUE(text::isUtf8("plain"));
    EXPECT_TRUE(text::isUtf8("\xE2\x82\xAC \xF0\x9D\x84\x9E")); // euro sign, a four-byte character
    EXPECT_FALSE(text::isUtf8("\xC0\xAF"));                     // overlong '/'
    EXPECT_FALSE(text::isUtf8("\xE0\x80\xAF"));                 // overlong three-byte form
    EXPECT_FALSE(text::isUtf8("\xED\xA0\x80"));                 // a surrogate
    EXPECT_FALSE(text::isUtf8("\xF4\x90\x80\x80"));             // above U+10FFFF
    EXPECT_FALSE(text::isUtf8("ab\xE2\x82"));                   // cut short at the end
    EXPECT_FALSE(text::isUtf8("\x80"));
}
