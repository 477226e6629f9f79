#include "BoundComponent.h"

#include "RegEx.h"
#include "RegExException.h"
#include "RegExSearchPatternException.h"

using namespace Qt::StringLiterals;

using RegExSearch = BoundComponent;

TEST_F(RegExSearch, LeftmostMatchThenContinuesAfterIt)
{
    RegEx regEx;
    regEx.SearchPattern(u"[0-9]+"_s);
    auto match = regEx.Search(u"a12b345c6"_s);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionString(0), u"12"_s);
    match = regEx.Search();
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionString(0), u"345"_s);
    match = regEx.Search();
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionString(0), u"6"_s);
    EXPECT_EQ(regEx.Search(), nullptr);
    // After a failed search the next one starts again at the beginning.
    match = regEx.Search();
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionString(0), u"12"_s);
}

TEST_F(RegExSearch, EmptyMatchesStillAdvance)
{
    RegEx regEx;
    regEx.SearchPattern(u"x*"_s);
    ASSERT_NE(regEx.Search(u"a\U0001F600x"_s), nullptr);
    int matches = 1;
    while (regEx.Search() != nullptr) {
        ASSERT_LT(++matches, 10);
    }
    // Empty at 0, empty before the emoji (one character of two code units), "x", empty at end.
    EXPECT_EQ(matches, 4);
}

TEST_F(RegExSearch, StartPositionAndStartOffsetsCountUtf8Bytes)
{
    RegEx regEx;
    regEx.SearchPattern(u"b"_s);
    const QString target = u"é\U0001F600b b"_s; // é is 2 bytes, the emoji 4
    auto match = regEx.Search(target);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionStartB(0), 6);
    match = regEx.Search(target, 7);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionStartB(0), 8);
    // An offset inside the emoji starts at the next character.
    match = regEx.Search(target, 3);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionStartB(0), 6);
    EXPECT_EQ(regEx.Search(target, 9), nullptr);
    EXPECT_EQ(regEx.Search(target, 100), nullptr);
    EXPECT_THROW(regEx.Search(target, -1), RegExException);
}

TEST_F(RegExSearch, SubExpressions)
{
    RegEx regEx;
    regEx.SearchPattern(u"(a)|(b)(c)?"_s);
    const auto match = regEx.Search(u"xb"_s);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionString(0), u"b"_s);
    EXPECT_EQ(match->SubExpressionString(1), u""_s);
    EXPECT_EQ(match->SubExpressionString(2), u"b"_s);
    EXPECT_EQ(match->SubExpressionString(3), u""_s);
    EXPECT_EQ(match->SubExpressionStartB(1), -1);
    EXPECT_EQ(match->SubExpressionStartB(2), 1);
    EXPECT_THROW(match->SubExpressionString(4), RegExException);
    EXPECT_THROW(match->SubExpressionString(-1), RegExException);
    EXPECT_THROW(match->SubExpressionStartB(4), RegExException);
    EXPECT_THROW(RegExMatch().SubExpressionString(0), RegExException);
}

TEST_F(RegExSearch, CaseSensitiveByDefault)
{
    RegEx regEx;
    regEx.SearchPattern(u"string"_s);
    EXPECT_EQ(regEx.Search(u"<String>"_s), nullptr);
    EXPECT_NE(regEx.Search(u"<string>"_s), nullptr);
}

TEST_F(RegExSearch, InvalidPatternThrowsAndKeepsThePreviousOne)
{
    RegEx regEx;
    regEx.SearchPattern(u"a+"_s);
    try {
        regEx.SearchPattern(u"[0-9"_s);
        FAIL() << "no exception";
    } catch (const RegExSearchPatternException& e) {
        EXPECT_EQ(e.Pattern(), u"[0-9"_s);
        EXPECT_EQ(e.Offset(), 4);
    }
    EXPECT_THROW(regEx.SearchPattern(u"(a"_s), RegExException);
    EXPECT_EQ(regEx.SearchPattern(), u"a+"_s);
    const auto match = regEx.Search(u"baab"_s);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionString(0), u"aa"_s);
}

TEST_F(RegExSearch, LineEndTypeDecidesWhereDollarMatches)
{
    RegEx regEx;
    regEx.SearchPattern(u"a$"_s);
    EXPECT_NE(regEx.Search(u"a\r"_s), nullptr);
    EXPECT_NE(regEx.Search(u"a\n"_s), nullptr);

    regEx.Options()->LineEndType(RegExOptions::LFLineEnd);
    EXPECT_EQ(regEx.Search(u"a\r"_s), nullptr);
    EXPECT_NE(regEx.Search(u"a\n"_s), nullptr);

    auto crOptions = std::make_shared<RegExOptions>();
    crOptions->LineEndType(RegExOptions::CRLineEnd);
    regEx.Options(crOptions);
    EXPECT_NE(regEx.Search(u"a\r"_s), nullptr);
    EXPECT_EQ(regEx.Search(u"a\n"_s), nullptr);

    EXPECT_THROW(crOptions->LineEndType(4), RegExException);
    EXPECT_EQ(crOptions->LineEndType(), RegExOptions::CRLineEnd);
    EXPECT_THROW(regEx.Options(nullptr), RegExException);
    EXPECT_EQ(regEx.Options(), crOptions);
}

TEST_F(RegExSearch, UnpairedSurrogateInTargetIsSearchedSafely)
{
    RegEx regEx;
    regEx.SearchPattern(u"b"_s);
    QString target = u"a?b"_s;
    target[1] = QChar(0xD800);
    const auto match = regEx.Search(target);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->SubExpressionStartB(0), 4); // the surrogate counts as U+FFFD
    regEx.SearchPattern(u"\\s"_s);
    EXPECT_EQ(regEx.Replace(target + u' '), u"a\uFFFDb"_s);
}

using RegExReplace = BoundComponent;

TEST_F(RegExReplace, ReplacesEveryMatch)
{
    RegEx regEx;
    regEx.SearchPattern(u"o"_s);
    regEx.ReplacementPattern(u"0"_s);
    EXPECT_EQ(regEx.Replace(u"foo boo"_s), u"f00 b00"_s);
    EXPECT_EQ(regEx.Replace(u"bar"_s), u"bar"_s);
    EXPECT_EQ(regEx.Replace(u""_s), u""_s);
}

TEST_F(RegExReplace, FromAStartPositionKeepsWhatIsBefore)
{
    RegEx regEx;
    regEx.SearchPattern(u"o"_s);
    regEx.ReplacementPattern(u""_s);
    EXPECT_EQ(regEx.Replace(u"foo boo"_s, 2), u"fo b"_s);
    EXPECT_EQ(regEx.Replace(u"foo"_s, 4), u"foo"_s);
    // Replace() goes on where Search() would.
    ASSERT_NE(regEx.Search(u"foo boo"_s), nullptr);
    EXPECT_EQ(regEx.Replace(), u"fo b"_s);
}

TEST_F(RegExReplace, BackReferencesInTheReplacement)
{
    RegEx regEx;
    regEx.SearchPattern(u"(\\w)(\\d)"_s);
    regEx.ReplacementPattern(u"\\2\\1\\\\\\9\\x"_s);
    EXPECT_EQ(regEx.Replace(u"a1 b2"_s), u"1a\\\\x 2b\\\\x"_s);
    const auto match = regEx.Search(u"c3"_s);
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->Replace(), u"3c\\\\x"_s);
    EXPECT_EQ(match->Replace(u"<\\0>"_s), u"<c3>"_s);
    // A match keeps the replacement pattern of its search.
    regEx.ReplacementPattern(u"-"_s);
    EXPECT_EQ(match->Replace(), u"3c\\\\x"_s);
}
