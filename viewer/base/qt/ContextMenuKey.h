#pragma once

#include <QObject>

class QWidget;

namespace orvd {

// Shift+F10 on a control opens its context menu as the Menu key does: a keyboard context-menu
// event at the control's text cursor, or at its middle when it has none.
class ContextMenuKey final : public QObject {
public:
    // Watches the key presses of `control`, which owns the watcher.
    static void Install(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace orvd
