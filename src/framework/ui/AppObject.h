#pragma once

#include <memory>

namespace fw {

class Application;
class FolderItem;

/// @brief Makes @p app the running application object: GetAppObject returns it, and it gets
/// the application events and the application-level menu commands. The framework owns it
/// until RuntimeExit.
void RegisterAppObject(std::unique_ptr<Application> app);
/// @brief The running application object, or nullptr before one is registered.
Application* GetAppObject();

/// @brief Raises the application's Open event, then delivers the documents asked for so far,
/// the first time it is called with an application object registered; later calls do
/// nothing. The framework calls it before the first window's Open event and when the event
/// loop starts.
void StartApplication();

/// @brief An open-document request from the system (at launch, or a file-open event). It
/// reaches the application's OpenDocument at once once the application has started, and
/// waits until then otherwise. A nullptr document is ignored.
void RequestOpenDocument(std::shared_ptr<FolderItem> document);

/// @brief Deletes the application object and drops the documents still waiting for it; the
/// end of the run (RuntimeExit) calls it once the windows are gone.
void ReleaseAppObject();

} // namespace fw
