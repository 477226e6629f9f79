#include "CodeFileReader.h"

#include "CodeList.h"
#include "FileError.h"
#include "WhiteSpace.h"

#include "FolderItem.h"
#include "RegEx.h"
#include "TextInputStream.h"
#include "Yield.h"

namespace codes {

CodeFileLoad ReadCodeFile(fw::FolderItem& file)
{
    CodeFileLoad load;
    load.fileName = file.Name();
    RegEx regEx;
    const std::shared_ptr<fw::TextInputStream> stream = file.OpenAsTextFile();
    if (stream == nullptr) {
        load.error = FileErrorMessage(file, file.LastErrorString());
        return load;
    }
    do {
        const QString line = RemoveWhiteSpace(regEx, stream->ReadLine());
        regEx.SearchPattern(CodePattern);
        if (line.isEmpty() || regEx.Search(line) != nullptr) {
            AppendCode(load.codes, load.leftOut, line);
        }
        fw::YieldToFramework();
    } while (!stream->Eof());

    // Codes read before a failure would be a partial list passed off as the file.
    if (stream->HasError()) {
        load.codes.clear();
        load.leftOut = 0;
        load.error = FileErrorMessage(file, stream->ErrorString());
    }
    return load;
}

} // namespace codes
