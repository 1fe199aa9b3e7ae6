#include "base/qt/WindowParts.h"

#include "base/qt/WindowFonts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace orvd {

QFont DialogFont() {
    return WindowFonts::Instance().Font(QStringLiteral("MS Sans Serif"), 11);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(x, y);
    SetLabelText(label, text);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void DropListBelowBox(QComboBox* box) {
    box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

void SetLabelText(QLabel* label, const QString& text, int right, Overflow overflow) {
    label->setText(text);
    label->setToolTip(QString());
    label->adjustSize();
    const QWidget* parent = label->parentWidget();
    if (right < 0 && parent)
        right = parent->contentsRect().right() + 1;
    const int room = right - label->x();
    if (right < 0 || label->width() <= room)
        return;
    if (overflow == Overflow::ShrinkFont && label->font().pixelSize() > 0) {
        QFont font = label->font();
        const int smallest = (font.pixelSize() * 3 + 3) / 4;
        while (label->width() > room && font.pixelSize() > smallest) {
            font.setPixelSize(font.pixelSize() - 1);
            label->setFont(font);
            label->adjustSize();
        }
        if (label->width() <= room)
            return;
    }
    // What the label adds around its text (margin, indent) stays; the text gives way.
    const QFontMetrics metrics = label->fontMetrics();
    const int around = label->width() - metrics.horizontalAdvance(text);
    const auto mode = overflow == Overflow::ElideMiddle ? Qt::ElideMiddle : Qt::ElideRight;
    label->setText(metrics.elidedText(text, mode, qMax(0, room - around)));
    label->setToolTip(text);
    label->resize(room, label->height());
}

} // namespace orvd
