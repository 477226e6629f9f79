#pragma once

#include "Application.h"

#include <functional>
#include <memory>

namespace fw {
class FolderItem;
}

/// @brief The application object: keeps the document the system asked the program to open,
/// enables the menu bar when the application opens or comes to the front, and handles the
/// Window menu for every window.
class App : public fw::Application {
  public:
    /// @brief What the application's handlers ask of the windows, which live in a layer
    /// above; start-up gives them when it creates the application object.
    struct WindowOperations {
        /// Reads a document into the main window.
        std::function<void(std::shared_ptr<fw::FolderItem>)> openInMainWindow;
        /// Shows the code window.
        std::function<void()> showCodeWindow;
        /// Shows the main window.
        std::function<void()> showMainWindow;
    };

    explicit App(WindowOperations windows);

    /// @brief The document the system most recently asked the program to open; null until
    /// the first such request, and never reset afterwards.
    std::shared_ptr<fw::FolderItem> droppedFile;

    void Open() override;
    /// @brief Keeps @p item as droppedFile, then reads it into the main window; a null item
    /// changes nothing.
    void OpenDocument(std::shared_ptr<fw::FolderItem> item) override;
    void Activate() override;

    /// @brief Window > "Code window": shows the code window.
    bool WindowCodewindow_Action();
    /// @brief Window > "Glycan window": shows the main window.
    bool WindowGlycanwindow_Action();

  private:
    WindowOperations windows_;
};

/// @brief The running application object; raises NilObjectException before start-up has
/// registered it and TypeMismatchException when another class is registered.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named after its class on purpose
App& App();
#pragma GCC diagnostic pop
