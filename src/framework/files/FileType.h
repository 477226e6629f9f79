#pragma once

#include <QString>
#include <QStringList>

namespace fw {

/// @brief A kind of file the program opens, known to the framework once registered.
///
/// Register (or converting the type to QString) adds it to the framework-wide registry,
/// once; setting any field withdraws the registration, and so does destruction. Several
/// types may be registered under one name: the most recent registration is the one that
/// counts (Registered, the Open dialog).
class FileType {
  public:
    FileType();
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    QString Name() const { return name_; }
    QString MacType() const { return macType_; }
    QString MacCreator() const { return macCreator_; }
    /// Extensions separated by ";", each with or without its leading point.
    QString Extensions() const { return extensions_; }
    void SetName(const QString& name);
    void SetMacType(const QString& macType);
    void SetMacCreator(const QString& macCreator);
    void SetExtensions(const QString& extensions);

    /// @brief Registers the type (once) and returns its name.
    QString Register();
    explicit operator QString() { return Register(); }
    bool IsRegistered() const { return registered_; }

    /// @brief The extensions without points or blanks, empty ones and repeats dropped.
    QStringList ExtensionList() const;
    /// @brief The file-dialog filter of the type, "Name (*.a *.b)"; "Name (*)" without
    /// extensions.
    QString NameFilter() const;

    /// @brief The most recent registration under @p name; nullptr when there is none.
    static const FileType* Registered(const QString& name);

  private:
    void withdraw();

    QString name_;
    QString macType_;
    QString macCreator_;
    QString extensions_;
    bool registered_ = false;
};

} // namespace fw
