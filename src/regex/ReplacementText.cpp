#include "ReplacementText.h"

namespace regex {

void AppendReplacement(QString& out, QStringView replacementPattern,
                       const QRegularExpressionMatch& match)
{
    const qsizetype size = replacementPattern.size();
    qsizetype literalStart = 0;
    for (qsizetype i = 0; i + 1 < size; ++i) {
        if (replacementPattern[i] != u'\\') {
            continue;
        }
        const char16_t next = replacementPattern[i + 1].unicode();
        if (next != u'\\' && (next < u'0' || next > u'9')) {
            continue;
        }
        out.append(replacementPattern.sliced(literalStart, i - literalStart));
        if (next == u'\\') {
            out.append(u'\\');
        } else {
            out.append(match.capturedView(next - u'0'));
        }
        ++i;
        literalStart = i + 1;
    }
    out.append(replacementPattern.sliced(literalStart));
}

QString ExpandReplacement(QStringView replacementPattern, const QRegularExpressionMatch& match)
{
    QString out;
    AppendReplacement(out, replacementPattern, match);
    return out;
}

} // namespace regex
