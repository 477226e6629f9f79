#pragma once

#include <QApplication>

namespace fw::detail {

/// @brief The Qt application under the framework: the last line of defence against an
/// exception reaching Qt, and the receiver of the system's file-open requests.
class FrameworkApplication : public QApplication {
    Q_OBJECT

  public:
    FrameworkApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

  protected:
    bool event(QEvent* event) override;
};

} // namespace fw::detail
