#pragma once

#include <QPageLayout>

#include <memory>

class QPrinter;

namespace fw {

/// @brief A page set-up: paper, orientation and margins, edited in the page-setup dialog.
class PrinterSetup {
  public:
    PrinterSetup();
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    bool Landscape() const;
    void SetLandscape(bool landscape);

    /// @brief Shows the page-setup dialog (DialogSeam::pageSetup when set); true when the
    /// user confirms. A cancelled dialog leaves the set-up as it was.
    bool PageSetupDialog();

    QPageLayout PageLayout() const;

  private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace fw
