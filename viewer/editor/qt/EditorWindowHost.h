#pragma once

#include "editor/EditorHost.h"

#include <QPoint>

class QWidget;

namespace orvd {

// The main window as the editor dialog sees it: the core's host, plus the one window service
// the dialog's controls share with the main window, the "What's this?" menu.
class EditorWindowHost : public EditorHost {
public:
    // The main window itself, which owns the editor dialog.
    virtual QWidget* Window() = 0;
    // Opens the main window's "What's this?" menu for `control` (whose "helpContext" property
    // holds its help context) at `globalPos`.
    virtual void PopupWhatsThis(QWidget* control, QPoint globalPos) = 0;
};

} // namespace orvd
