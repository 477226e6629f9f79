#pragma once

#include <memory>

namespace fw {
class FileType;
}

namespace codes {

/// @brief The program's file types: the one it opens, and the Open dialog's.
class FileTypes {
  public:
    /// @brief The program's one file type, "text/plain"; null before Initialize and after
    /// Release. Release it before the program exits.
    static std::unique_ptr<fw::FileType> pText;

    /// @brief Creates pText and registers it with the framework.
    static void Initialize();
    /// @brief Drops pText, which withdraws its registration.
    static void Release();

    /// @brief A new, unregistered type for the Open dialog: "text/plain", extension "txt".
    static std::unique_ptr<fw::FileType> NewOpenDialogType();
};

} // namespace codes
