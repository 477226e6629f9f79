#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>

namespace fw {

/// @brief Icons and type names for file dialogs, guessed from file names alone.
///
/// Qt's own provider reads the start of each listed file to guess its type, and that read
/// never returns on files such as /proc/kmsg, freezing the dialog. This one never opens a
/// file: regular files are typed by their extension (or whole name), everything else by
/// its kind (drive, folder, link).
class NameOnlyFileIconProvider : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

  private:
    QMimeType guessFromName(const QFileInfo& info) const;

    QMimeDatabase mimeTypes_;
};

} // namespace fw
