#include "WhiteSpace.h"

#include "RegEx.h"
#include "Yield.h"

using namespace Qt::StringLiterals;

namespace codes {

QString RemoveWhiteSpace(RegEx& regEx, QString text)
{
    regEx.SearchPattern(u"\\s"_s);
    regEx.ReplacementPattern(u""_s);
    // The component replaces every match at once, so this loop normally runs one pass; a
    // replacement that removes nothing ends it rather than repeating for ever.
    while (regEx.Search(text) != nullptr) {
        QString reduced = regEx.Replace(text);
        fw::YieldToFramework();
        if (reduced.size() >= text.size()) {
            break;
        }
        text = std::move(reduced);
    }
    return text;
}

} // namespace codes
