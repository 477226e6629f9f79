#pragma once

#include "ReaderChecks.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

/// @brief Aborts with @p problem unless it is empty, so that libFuzzer keeps the input as a
/// crash; else returns 0, a libFuzzer target's answer.
inline int AbortOnProblem(const QString& problem)
{
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}

/// @brief The body of a libFuzzer target: runs @p check on the input in a folder of its own
/// and aborts with the problem.
template <class Check> int RunCheck(Check check, const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    return AbortOnProblem(check(folder.path(), QByteArray(reinterpret_cast<const char*>(data),
                                                          static_cast<qsizetype>(size))));
}

} // namespace fuzz
