#include "Quit.h"

#include <QCoreApplication>

namespace fw {
namespace {

struct QuitState {
    bool requested = false;
    int code = 0;
};

QuitState& state()
{
    static QuitState s;
    return s;
}

} // namespace

void Quit(int code)
{
    state().requested = true;
    state().code = code;
    QCoreApplication::exit(code);
}

bool QuitRequested() { return state().requested; }

int QuitCode() { return state().code; }

void ResetQuit() { state() = QuitState{}; }

} // namespace fw
