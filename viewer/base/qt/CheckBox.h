#pragma once

#include <QCheckBox>

namespace orvd {

// A check box that toggles on a click anywhere in its rectangle, as the classic control does;
// Qt's toggles only on the indicator and the caption's text.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace orvd
