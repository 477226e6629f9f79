#pragma once

#include "PluginEntrypoint.h"

#include <string_view>

// The regular-expression component, on Qt's QRegularExpression (PCRE2).
namespace regex {

/// @brief The component's entry point for one of its 19 signatures; an empty entry for
/// any other string. Signatures must match exactly.
PluginEntrypoint LookupEntrypoint(std::string_view signature);

} // namespace regex
