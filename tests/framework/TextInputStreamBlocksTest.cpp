// The text stream's decoding, in blocks of 1 to 8 bytes and in one block: whatever block
// boundary cuts a byte-order mark, a character, a surrogate pair or a CR LF, the lines are
// the same.
#include "TextInputStream.h"
#include "TextStreamSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace std::literals;

namespace {

constexpr std::size_t oneMebibyte = 1 << 20;

/// The code units of @p text in one byte order, without a byte-order mark.
QByteArray Utf16(std::u16string_view text, bool bigEndian)
{
    QByteArray bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

QByteArray Utf16Le(std::u16string_view text) { return "\xFF\xFE" + Utf16(text, false); }
QByteArray Utf16Be(std::u16string_view text) { return "\xFE\xFF" + Utf16(text, true); }

QString Text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

struct DecodingRow {
    std::string name;
    QByteArray bytes;
    QStringList lines;
};

// The same text in both byte orders; its lines end in CR LF, CR and LF.
const std::u16string_view linesText = u"3100202\r\n4110000\r5000000\n6000000";
const QStringList linesLines{"3100202", "4110000", "5000000", "6000000"};

// Two, three and four bytes of UTF-8; U+1F600 and U+10400 are surrogate pairs in UTF-16.
const std::u16string_view wideText = u"Gal\u03B2\u00A0\u2713\r\n\U0001F600x\n\U00010400";
const QStringList wideLines{Text(u"Gal\u03B2\u00A0\u2713"), Text(u"\U0001F600x"),
                            Text(u"\U00010400")};

const QList<DecodingRow> rows{
    {"Utf16LeLineEnds", Utf16Le(linesText), linesLines},
    {"Utf16BeLineEnds", Utf16Be(linesText), linesLines},
    {"Utf16LeWide", Utf16Le(wideText), wideLines},
    {"Utf16BeWide", Utf16Be(wideText), wideLines},
    {"Utf16CrBeforeCrLf", Utf16Le(u"a\r\r\nb\r"), {"a", "", "b"}},
    {"Utf16LeBomOnly", "\xFF\xFE", {""}},
    {"Utf16BeBomOnly", "\xFE\xFF", {""}},
    {"Utf16Nul", Utf16Be(u"a\0b\n\0"sv), {Text(u"a\0b"sv), Text(u"\0"sv)}},
    // Only the first mark is one; QString::fromUtf8 drops U+FEFF at the start of a line, in
    // UTF-8 files too.
    {"Utf16SecondBom", Utf16Le(u"\uFEFFa\uFEFF"), {Text(u"a\uFEFF")}},
    // What cannot be decoded becomes U+FFFD.
    {"Utf16LeOddLastByte", Utf16Le(u"ab") + "c", {"ab\uFFFD"}},
    {"Utf16BeOddLastByte", Utf16Be(u"a\n") + "b", {"a", "\uFFFD"}},
    {"Utf16LoneHighSurrogate", Utf16Le(u"a\xD83D\u2713"), {"a\uFFFD\u2713"}},
    {"Utf16LoneHighSurrogateBeforeLineEnd", Utf16Be(u"a\xD83D\nb"), {"a\uFFFD", "b"}},
    {"Utf16LoneLowSurrogate", Utf16Le(u"\xDE00\u2713"), {"\uFFFD\u2713"}},
    {"Utf16HighSurrogateAtEnd", Utf16Be(u"a\xD83D"), {"a\uFFFD"}},
    {"Utf16HighSurrogateThenOddByte", Utf16Le(u"a\xD83D") + "b", {"a\uFFFD\uFFFD"}},
    {"Utf16HighSurrogateTwice", Utf16Le(u"\xD83D\xD83D\xDE00"), {Text(u"\uFFFD\U0001F600")}},
    // Without a mark at the start of the file, UTF-16 is read as UTF-8.
    {"Utf16WithoutBom", Utf16(u"ab\n", false), {Text(u"a\0b\0"sv), Text(u"\0"sv)}},
    {"Utf16BomAfterTheStart", "a\n\xFF\xFE\n", {"a", "\uFFFD\uFFFD"}},
    {"Utf16BomAfterUtf8Bom", "\xEF\xBB\xBF\xFE\xFF", {"\uFFFD\uFFFD"}},
    {"ShorterThanAnyBom", "\xFF", {"\uFFFD"}},
    {"Utf8BomCut", "\xEF\xBB", {"\uFFFD\uFFFD"}},
    {"Utf8Wide",
     "\xEF\xBB\xBFGal\xCE\xB2\xC2\xA0\xE2\x9C\x93\r\n\xF0\x9F\x98\x80x\n\xF0\x90\x90\x80",
     wideLines},
    {"Utf8CrBeforeCrLf", "a\r\r\nb\r", {"a", "", "b"}},
    {"Utf8InvalidAcrossLines", "a\xF0\x9F\n\x98\x80", {"a\uFFFD\uFFFD", "\uFFFD\uFFFD"}},
};

struct BlockCase {
    DecodingRow row;
    std::size_t blockSize;
};

void PrintTo(const BlockCase& param, std::ostream* out)
{
    *out << param.row.name << "_Block" << param.blockSize;
}

class TextInputStreamBlocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(TextInputStreamBlocks, GiveTheSameLines)
{
    const auto stream = StreamOver(GetParam().row.bytes, GetParam().blockSize);
    EXPECT_EQ(ReadAll(*stream), GetParam().row.lines);
    EXPECT_TRUE(stream->Eof());
    EXPECT_EQ(stream->ReadLine(), QString());
    EXPECT_FALSE(stream->HasError());
}

QList<BlockCase> EveryRowInSmallAndLargeBlocks()
{
    QList<BlockCase> cases;
    for (const DecodingRow& row : rows) {
        for (const std::size_t blockSize : {1, 2, 3, 4, 5, 6, 7, 8}) {
            cases.append({row, blockSize});
        }
        cases.append({row, oneMebibyte});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Decoding, TextInputStreamBlocks,
                         ::testing::ValuesIn(EveryRowInSmallAndLargeBlocks()),
                         ::testing::PrintToStringParamName());

// A surrogate pair cut by the end of a full-size block: the default path of a real file.
TEST(TextInputStreamUtf16, SurrogatePairAcrossAMebibyteBlock)
{
    std::u16string text(oneMebibyte / 2 - 2, u'x');
    text += u"\U0001F600\r\ny";
    const auto stream = StreamOver(Utf16Le(text), oneMebibyte);
    const QStringList lines = ReadAll(*stream);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), static_cast<qsizetype>(text.size()) - 3);
    EXPECT_TRUE(lines[0].endsWith(Text(u"x\U0001F600")));
    EXPECT_EQ(lines[1], "y");
}

// A block size of 0 would read nothing: it counts as 1.
TEST(TextInputStreamBlockSize, ZeroReadsAByteAtATime)
{
    const auto stream = StreamOver("a\r\nb", 0);
    EXPECT_EQ(ReadAll(*stream), (QStringList{"a", "b"}));
}

} // namespace
