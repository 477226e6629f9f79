#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <utility>

/// Runs @p step on the modal dialog that shows next: a zero-delay timer fires in the
/// dialog's own event loop, once the dialog is showing. @p step gets nullptr when no modal
/// dialog is showing by then.
inline void OnNextModalDialog(std::function<void(QDialog*)> step)
{
    QTimer::singleShot(0, [step = std::move(step)] {
        step(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}
