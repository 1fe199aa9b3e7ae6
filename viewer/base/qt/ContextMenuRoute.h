#pragma once

#include <QPoint>
#include <functional>

class QWidget;

namespace orvd {

// The "What's this?" menu on a control: the right button, the Menu key and Shift+F10 on
// `control`, and on the line edit of an editable combo box, call `popup` with the control and
// the menu's position on the screen.
void RouteContextMenu(QWidget* control, std::function<void(QWidget*, QPoint)> popup);

} // namespace orvd
