#pragma once

#include "ReaderChecks.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

/// @brief The body of a libFuzzer target: runs @p check on the input in a folder of its own
/// and aborts with the problem, so that libFuzzer keeps the input as a crash.
template <class Check> int RunCheck(Check check, const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString problem = check(folder.path(), QByteArray(reinterpret_cast<const char*>(data),
                                                            static_cast<qsizetype>(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}

} // namespace fuzz
