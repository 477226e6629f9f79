#include "WhiteSpace.h"

#include "RegEx.h"
#include "Yield.h"

using namespace Qt::StringLiterals;

namespace codes {

QString RemoveWhiteSpace(RegEx& regEx, QString text)
{
    regEx.SearchPattern(u"\\s"_s);
    regEx.ReplacementPattern(u""_s);
    // The component replaces every match at once, so this loop normally runs one pass.
    while (regEx.Search(text) != nullptr) {
        text = regEx.Replace(text);
        fw::YieldToFramework();
    }
    return text;
}

} // namespace codes
