#include "CodeList.h"

namespace codes {

void AppendCode(QStringList& codes, qsizetype& leftOut, const QString& code)
{
    if (codes.size() < CodeListCapacity) {
        codes.append(code);
    } else {
        ++leftOut;
    }
}

} // namespace codes
