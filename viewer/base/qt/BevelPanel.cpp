#include "base/qt/BevelPanel.h"

#include <QPainter>

namespace orvd {
namespace {

void DrawBevel(QPainter& painter, QRect r, BevelPanel::Bevel bevel, int width,
               const QPalette& palette) {
    if (bevel == BevelPanel::Bevel::None)
        return;
    const bool raised = bevel == BevelPanel::Bevel::Raised;
    const QColor topLeft = raised ? palette.color(QPalette::Light) : palette.color(QPalette::Dark);
    const QColor bottomRight =
        raised ? palette.color(QPalette::Dark) : palette.color(QPalette::Light);
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent, Bevel outer, Bevel inner, int bevelWidth)
    : QFrame(parent), outer_(outer), inner_(inner), width_(bevelWidth) {
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    setContentsMargins(BorderWidth(), BorderWidth(), BorderWidth(), BorderWidth());
}

int BevelPanel::BorderWidth() const {
    return (outer_ == Bevel::None ? 0 : width_) + (inner_ == Bevel::None ? 0 : width_);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int outer = outer_ == Bevel::None ? 0 : width_;
    DrawBevel(painter, rect(), outer_, width_, palette());
    DrawBevel(painter, rect().adjusted(outer, outer, -outer, -outer), inner_, width_, palette());
}

} // namespace orvd
