#include "CodesTestSupport.h"

#include "CodeList.h"
#include "LibraryReader.h"

using namespace Qt::StringLiterals;
using codes::ReadLibrary;

namespace {

struct LibraryRow {
    std::string name;
    /// A committed fixture, or empty for `bytes`; either is copied to the library's place.
    QString fixture;
    QByteArray bytes;
    QStringList codes;
};

void PrintTo(const LibraryRow& row, std::ostream* out) { *out << row.name; }

class LibraryRows : public CodesTestWithParam<LibraryRow> {};

// The codes of library.plist, also read from its UTF-16 twins.
const QStringList propertyListCodes{u"3100202"_s, u"4112200"_s, u"5000000"_s};

TEST_P(LibraryRows, ReadsTheCodesOfStringLines)
{
    const LibraryRow& row = GetParam();
    WriteBytes(TempPath(codes::LibraryFileName),
               row.fixture.isEmpty() ? row.bytes : ReadBytes(DataPath(row.fixture)));
    fw::FolderItem folder = TempFolder();
    const codes::LibraryLoad load = ReadLibrary(folder);
    EXPECT_TRUE(load.exists);
    EXPECT_EQ(load.error, QString());
    EXPECT_EQ(load.codes, row.codes);
    EXPECT_EQ(load.leftOut, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LibraryRows,
    ::testing::Values(
        // Header, dict, key and integer lines give nothing; blanks go.
        LibraryRow{"PropertyList", u"library.plist"_s, {}, propertyListCodes},
        // UTF-16 with its byte-order mark, little-endian with CR LF, big-endian with LF.
        LibraryRow{"PropertyListUtf16Le", u"library-utf16le.plist"_s, {}, propertyListCodes},
        LibraryRow{"PropertyListUtf16Be", u"library-utf16be.plist"_s, {}, propertyListCodes},
        // First element of a line wins; blanks only give ""; no code-pattern test; lines
        // naming "string" without a run of digits and blanks (empty, letters, a key, a tab
        // or no-break space inside) are skipped.
        LibraryRow{"EdgeLines",
                   u"library-edge.plist"_s,
                   {},
                   {u"3100202"_s, u""_s, u"1234567890123456789012345"_s, u"299"_s, u"6000000"_s}},
        // Cut off inside an element: the open element has no "<" after its digits.
        LibraryRow{"Truncated", u"library-truncated.plist"_s, {}, {u"3100202"_s}},
        LibraryRow{"EmptyFile", {}, "", {}},
        LibraryRow{"ByteOrderMarkAndCrLf",
                   {},
                   "\xEF\xBB\xBF<string>3 1 0</string>\r\n<string>4 1</string>\r",
                   {u"310"_s, u"41"_s}},
        LibraryRow{"BinaryAndLatin1",
                   {},
                   Bytes("<string>3\0"
                         "1</string>\n\xff<string>4 1 1</string>\xfe\n<string>caf\xe9</string>\n"),
                   {u"411"_s}}),
    ::testing::PrintToStringParamName());

TEST_F(CodesTest, LibraryMissing)
{
    fw::FolderItem folder = TempFolder();
    const codes::LibraryLoad load = ReadLibrary(folder);
    EXPECT_FALSE(load.exists);
    EXPECT_EQ(load.error, QString());

    fw::FolderItem noFolder = TempItem(u"no-such-folder"_s);
    EXPECT_FALSE(ReadLibrary(noFolder).exists);
}

TEST_F(CodesTest, LibraryCapacity)
{
    WriteLines(TempPath(codes::LibraryFileName), 10002,
               [](qsizetype i) { return "<string>" + QByteArray::number(i) + "</string>"; });
    fw::FolderItem folder = TempFolder();
    const codes::LibraryLoad load = ReadLibrary(folder);
    ASSERT_EQ(load.codes.size(), codes::CodeListCapacity);
    EXPECT_EQ(load.codes.back(), u"10000"_s);
    EXPECT_EQ(load.leftOut, 1);
}

class LibraryErrors : public CodesTestWithParam<UnreadableFile> {};

// A library that exists but cannot be read counts as existing, gives no codes and says why.
TEST_P(LibraryErrors, ReportTheFileAndGiveNoCodes)
{
    const QString path = TempPath(codes::LibraryFileName);
    if (!GetParam().make(path)) {
        GTEST_SKIP() << "not possible here";
    }
    fw::FolderItem folder = TempFolder();
    const codes::LibraryLoad load = ReadLibrary(folder);
    EXPECT_TRUE(load.exists);
    EXPECT_TRUE(load.codes.isEmpty());
    EXPECT_TRUE(load.error.contains(path)) << load.error.toStdString();
    EXPECT_TRUE(load.error.contains(GetParam().reason)) << load.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, LibraryErrors,
                         ::testing::ValuesIn(UnreadableFiles(/*withMissing=*/false)),
                         ::testing::PrintToStringParamName());

} // namespace
