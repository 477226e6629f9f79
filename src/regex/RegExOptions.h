#pragma once

#include <memory>

/// @brief Options of a RegEx: the line-end convention that "$" and "." follow.
///
/// Matching is case-sensitive, and "^" and "$" refer to the whole target.
class RegExOptions {
  public:
    /// Values of LineEndType.
    enum LineEnd : int {
        AnyLineEnd = 0, ///< CR, LF, CRLF and the Unicode line and paragraph separators
        CRLineEnd = 1,
        LFLineEnd = 2,
        CRLFLineEnd = 3,
    };

    /// Runs the component's "RegExOptions.__init"; throws RegExException when unbound.
    RegExOptions();
    ~RegExOptions();
    RegExOptions(const RegExOptions&) = delete;
    RegExOptions& operator=(const RegExOptions&) = delete;

    int LineEndType() const { return lineEndType_; }
    /// Throws RegExException for a value that is not a LineEnd.
    void LineEndType(int type);

  private:
    int lineEndType_ = AnyLineEnd;
};
