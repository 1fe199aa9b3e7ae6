#pragma once

#include "base/qt/Dialogs.h"

#include <QObject>
#include <QWidget>
#include <functional>

namespace orvd {

// Runs `handler` as an event handler of `window` each time `sender` emits `signal`: an error
// that leaves it is shown in the standard error box and the program goes on (RunHandler). The
// connection ends with the sender or the window. The signal's arguments are not passed on;
// a handler that needs them connects by itself and calls RunHandler.
template <typename Sender, typename Signal>
void OnSignal(Sender* sender, Signal signal, QWidget* window, std::function<void()> handler) {
    QObject::connect(sender, signal, window,
                     [window, handler = std::move(handler)] { RunHandler(window, handler); });
}

} // namespace orvd
