#include "LibraryReader.h"

#include "CodeList.h"
#include "FileError.h"
#include "WhiteSpace.h"

#include "FolderItem.h"
#include "RegEx.h"
#include "TextInputStream.h"
#include "Yield.h"

namespace codes {

LibraryLoad ReadLibrary(const fw::FolderItem& prefsFolder)
{
    LibraryLoad load;
    RegEx regEx;
    const std::shared_ptr<fw::FolderItem> file = prefsFolder.Child(LibraryFileName);
    if (file == nullptr || !file->Exists()) {
        return load;
    }
    load.exists = true;
    const std::shared_ptr<fw::TextInputStream> stream = file->OpenAsTextFile();
    if (stream == nullptr) {
        load.error = FileErrorMessage(*file, file->LastErrorString());
        return load;
    }
    do {
        const QString line = stream->ReadLine();
        regEx.SearchPattern(LibraryElementPattern);
        if (regEx.Search(line) != nullptr) {
            regEx.SearchPattern(LibraryCodePattern);
            // A line naming "string" without a run of digits and blanks (an empty element,
            // letters, a key) holds no code and is skipped.
            if (const auto match = regEx.Search(line)) {
                AppendCode(load.codes, load.leftOut,
                           RemoveWhiteSpace(regEx, match->SubExpressionString(1)));
            }
        }
        fw::YieldToFramework();
    } while (!stream->Eof());

    if (stream->HasError()) {
        load.codes.clear();
        load.leftOut = 0;
        load.error = FileErrorMessage(*file, stream->ErrorString());
    }
    return load;
}

} // namespace codes
