#include "StringFunctions.h"

namespace fw {
namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Length of the run of digits of s that starts at i.
qsizetype digitRun(const QString& s, qsizetype i)
{
    qsizetype n = 0;
    while (i + n < s.size() && isDigit(s[i + n])) {
        ++n;
    }
    return n;
}

} // namespace

double Val(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('\t'))) {
        ++i;
    }
    const qsizetype begin = i;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        ++i;
    }
    const qsizetype whole = digitRun(s, i);
    i += whole;
    qsizetype fraction = 0;
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        fraction = digitRun(s, i + 1);
        if (whole + fraction > 0) {
            i += 1 + fraction;
        }
    }
    if (whole + fraction == 0) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-'))) {
            ++j;
        }
        const qsizetype exponent = digitRun(s, j);
        if (exponent > 0) {
            i = j + exponent;
        }
    }
    bool ok = false;
    const double value = QStringView(s).mid(begin, i - begin).toDouble(&ok);
    return ok ? value : 0.0;
}

QString Mid(const QString& s, int start, int length)
{
    const qsizetype from = start < 1 ? 0 : qsizetype(start) - 1;
    if (from >= s.size()) {
        return {};
    }
    return length < 0 ? s.mid(from) : s.mid(from, length);
}

} // namespace fw
