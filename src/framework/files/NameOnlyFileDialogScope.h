#pragma once

#include "NameOnlyFileIconProvider.h"

#include <QObject>

namespace fw {

/// @brief While it exists, every QFileDialog that shows guesses file types from names only.
///
/// For file dialogs that Qt's own dialogs build and show, such as the print dialog's "print
/// to file" chooser. The dialogs must be gone before the scope is: they use its provider.
class NameOnlyFileDialogScope : public QObject {
  public:
    NameOnlyFileDialogScope();
    ~NameOnlyFileDialogScope() override;
    NameOnlyFileDialogScope(const NameOnlyFileDialogScope&) = delete;
    NameOnlyFileDialogScope& operator=(const NameOnlyFileDialogScope&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    NameOnlyFileIconProvider icons_;
};

} // namespace fw
