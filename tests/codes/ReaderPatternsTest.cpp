// The readers' white-space removal and their patterns, driven the way the readers drive them.
#include "CodesTestSupport.h"

#include "CodeFileReader.h"
#include "LibraryReader.h"
#include "RegEx.h"
#include "WhiteSpace.h"

using namespace Qt::StringLiterals;
using codes::RemoveWhiteSpace;

namespace {

using WhiteSpaceRemoval = CodesTest;

TEST_F(WhiteSpaceRemoval, RemovesAsciiAndUnicodeWhiteSpace)
{
    RegEx regEx;
    EXPECT_EQ(RemoveWhiteSpace(regEx, u" 3 1\t0 0202\r"_s), u"3100202"_s);
    EXPECT_EQ(RemoveWhiteSpace(regEx, u"\f3\v1\n00202 "_s), u"3100202"_s);
    EXPECT_EQ(RemoveWhiteSpace(regEx, u"\u00A03100\u2003202\u3000\u2028\u0085"_s), u"3100202"_s);
    EXPECT_EQ(RemoveWhiteSpace(regEx, u" \t \u00A0"_s), u""_s);
    EXPECT_EQ(RemoveWhiteSpace(regEx, u""_s), u""_s);
    // Not white space: letters, a zero-width space.
    EXPECT_EQ(RemoveWhiteSpace(regEx, u"a\u200Bb"_s), u"a\u200Bb"_s);
}

TEST_F(WhiteSpaceRemoval, SetsItsOwnPatternsOnTheRegEx)
{
    // Whatever the object searched for before, removal uses "\s" and an empty replacement.
    RegEx regEx;
    regEx.SearchPattern(u"3"_s);
    regEx.ReplacementPattern(u"x"_s);
    EXPECT_EQ(RemoveWhiteSpace(regEx, u"3 3"_s), u"33"_s);
}

// One replacement removes every match, so the readers' loop ends after one pass.
TEST_F(WhiteSpaceRemoval, LongLineInOnePass)
{
    RegEx regEx;
    QString line;
    const qsizetype size = 1024 * 1024;
    line.reserve(size);
    for (qsizetype i = 0; i < size; ++i) {
        line.append(i % 2 == 0 ? u'7' : (i % 3 == 0 ? u'\t' : u' '));
    }
    // The component replaces every match at once, so removal needs a single Replace.
    regEx.SearchPattern(u"\\s"_s);
    regEx.ReplacementPattern(u""_s);
    EXPECT_EQ(regEx.Search(regEx.Replace(line)), nullptr);

    const QString reduced = RemoveWhiteSpace(regEx, line);
    EXPECT_EQ(reduced, QString(size / 2, u'7'));

    regEx.SearchPattern(codes::CodePattern);
    EXPECT_EQ(regEx.Search(reduced), nullptr);
    EXPECT_NE(regEx.Search(u"3100202"_s + reduced), nullptr);
}

struct CodeLine {
    const char16_t* line;
    bool accepted;
};

class CodePattern : public CodesTest, public ::testing::WithParamInterface<CodeLine> {};

TEST_P(CodePattern, AcceptsExactlyTheSevenLeadingCodeDigits)
{
    RegEx regEx;
    regEx.SearchPattern(codes::CodePattern);
    const QString line = QString::fromUtf16(GetParam().line);
    EXPECT_EQ(regEx.Search(line) != nullptr, GetParam().accepted) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CodePattern,
    ::testing::Values(CodeLine{u"3100202", true}, CodeLine{u"3100202abc", true},
                      CodeLine{u"910166661234", true}, CodeLine{u"400000099", true},
                      CodeLine{u"2100202", false}, CodeLine{u"3200202", false},
                      CodeLine{u"3120202", false}, CodeLine{u"310020", false},
                      CodeLine{u"3107202", false}, CodeLine{u"3100207", false},
                      CodeLine{u"x3100202", false}, CodeLine{u"\u00A03100202", false},
                      CodeLine{u"\uFF13100202", false}, CodeLine{u"", false}));

TEST_F(CodesTest, CodePatternMatchesAtMostNineDigits)
{
    RegEx regEx;
    regEx.SearchPattern(codes::CodePattern);
    const auto match = regEx.Search(u"31002021234"_s);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionString(0), u"310020212"_s);
    EXPECT_EQ(match->SubExpressionStartB(0), 0);
}

struct PlistLine {
    const char16_t* line;
    bool holdsString;
    const char16_t* code; ///< nullptr: the code pattern finds nothing
};

class LibraryPatterns : public CodesTest, public ::testing::WithParamInterface<PlistLine> {};

// The library reader: a line holding "string" yields its first run of digits and blanks.
TEST_P(LibraryPatterns, TakeTheFirstCodeOfAStringLine)
{
    RegEx regEx;
    const QString line = QString::fromUtf16(GetParam().line);
    regEx.SearchPattern(codes::LibraryElementPattern);
    EXPECT_EQ(regEx.Search(line) != nullptr, GetParam().holdsString);
    regEx.SearchPattern(codes::LibraryCodePattern);
    const auto match = regEx.Search(line);
    if (GetParam().code == nullptr) {
        EXPECT_EQ(match, nullptr);
        return;
    }
    ASSERT_NE(match, nullptr);
    const QString code = RemoveWhiteSpace(regEx, match->SubExpressionString(1));
    EXPECT_EQ(code, QString::fromUtf16(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LibraryPatterns,
    ::testing::Values(
        PlistLine{u"\t\t<string>3 1 0 0 2 0 2</string>", true, u"3100202"},
        PlistLine{u"<string>4000200</string><string>5100000</string>", true, u"4000200"},
        PlistLine{u"<string>   </string>", true, u""},
        PlistLine{u"<string>12345678901234567890</string>", true, u"12345678901234567890"},
        PlistLine{u"<string>31a0202</string>", true, nullptr},
        PlistLine{u"<string>abc</string>", true, nullptr},
        PlistLine{u"<string></string>", true, nullptr},
        PlistLine{u"<string>3\t1</string>", true, nullptr},
        PlistLine{u"<String>3100202</String>", false, u"3100202"},
        PlistLine{u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", false, nullptr},
        PlistLine{u"\t<key>Codes</key>", false, nullptr}, PlistLine{u"<array>", false, nullptr}));

TEST_F(CodesTest, OneRegExServesManyLinesAndPatterns)
{
    // The code-file reader switches one object between two patterns on every line.
    RegEx regEx;
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        const QString line = RemoveWhiteSpace(regEx, i % 2 == 0 ? u" 3 100 202 "_s : u"junk"_s);
        regEx.SearchPattern(codes::CodePattern);
        if (regEx.Search(line) != nullptr) {
            ++accepted;
        }
    }
    EXPECT_EQ(accepted, 10000);
}

} // namespace
