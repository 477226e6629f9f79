#include "Window1.h"

#include "App.h"
#include "Glycan.h"
#include "LoadReport.h"
#include "Window2.h"

#include "CodeFileReader.h"
#include "CodeList.h"
#include "FileTypes.h"
#include "LibraryReader.h"

#include "FileType.h"
#include "FolderItem.h"
#include "GetOpenFolderItem.h"
#include "Listbox.h"
#include "RuntimeException.h"
#include "UserFolders.h"
#include "Yield.h"

using namespace Qt::StringLiterals;

void Window1::Open()
{
    AcceptFileDrop(u"TextPlain"_s);
    if (App().droppedFile != nullptr) {
        // A document opened at launch reaches the application's OpenDocument first, which
        // has just read it: reading it again would give the same codes, twice the wait and
        // every problem of the file reported twice.
        if (App().droppedFile != lastFileRead_) {
            openTextFile(App().droppedFile);
        }
        return;
    }
    bool loaded = false;
    if (const std::shared_ptr<fw::FolderItem> prefs = fw::SpecialFolder::Preferences()) {
        loaded = LoadWendrixPreferences(prefs);
        if (loaded) {
            Title(u"Tamberlo: Wendrix Library"_s);
            Maximize();
        }
    }
    if (!loaded) {
        openTextFile(nullptr);
    }
}

void Window1::openTextFile(std::shared_ptr<fw::FolderItem> f)
{
    // Registered while the Open dialog is up, withdrawn when the call ends.
    const std::unique_ptr<fw::FileType> dialogType = codes::FileTypes::NewOpenDialogType();
    if (f == nullptr) {
        f = fw::GetOpenFolderItem(static_cast<QString>(*dialogType));
    }

    std::int32_t count = 0;
    qsizetype leftOut = 0;
    QString name;
    if (f != nullptr) {
        lastFileRead_ = f;
        // The whole file is read before anything changes, so a file that cannot be read
        // leaves the loaded codes, the list and the title as they were.
        const codes::CodeFileLoad load = codes::ReadCodeFile(*f);
        if (!load.error.isEmpty()) {
            ReportUnreadableFile(*this, load.error);
            return;
        }
        for (QString& entry : G) {
            entry.clear();
            fw::YieldToFramework();
        }
        // No event runs in this loop, so the code window found first stays the live one.
        fw::Listbox& list = Window2().ListBox1();
        list.DeleteAllRows();
        for (const QString& code : load.codes) {
            G[static_cast<std::size_t>(count)] = code;
            list.AddRow(G[static_cast<std::size_t>(count)]);
            ++count;
        }
        leftOut = load.leftOut;
        name = f->Name();
    } else {
        // A cancelled dialog keeps G and marks the cancel with a placeholder row.
        Window2().ListBox1().AddRow(u"900000000"_s);
        name = u"(none)"_s;
    }
    T = count;
    Window2().Show();
    Glycan::symbolSet = Glycan::SymbolSetUOXF;
    Title(u"Tamberlo:"_s + name);
    Show();
    Refresh(true);
    if (leftOut > 0) {
        ReportCodesLeftOut(*this, name, leftOut);
    }
}

bool Window1::LoadWendrixPreferences(std::shared_ptr<fw::FolderItem> prefs)
{
    const codes::LibraryLoad load =
        codes::ReadLibrary(fw::NotNil(prefs.get(), "LoadWendrixPreferences"));
    if (!load.exists) {
        return false;
    }
    if (!load.error.isEmpty()) {
        // Reported, then treated as no library: the Open dialog follows, after the message.
        ReportUnreadableFileNow(load.error);
        return false;
    }
    std::int32_t count = 0;
    fw::Listbox* list = nullptr;
    for (const QString& code : load.codes) {
        G[static_cast<std::size_t>(count)] = code;
        // Reached at the first code; no event runs in this loop to close it again.
        if (list == nullptr) {
            list = &Window2().ListBox1();
        }
        list->AddRow(G[static_cast<std::size_t>(count)]);
        ++count;
    }
    T = count;
    for (std::size_t i = static_cast<std::size_t>(count); i < G.size(); ++i) {
        G[i].clear();
        fw::YieldToFramework();
    }
    if (load.leftOut > 0) {
        ReportCodesLeftOut(*this, codes::LibraryFileName, load.leftOut);
    }
    return true;
}
