#pragma once

#include <stdexcept>
#include <string>

/// @brief A failure of the regular-expression component: an operation that is not bound,
/// a sub-expression that does not exist, an argument out of range.
class RegExException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
