#include "editor/qt/ChoiceListBox.h"

#include <QMouseEvent>

namespace orvd {

ChoiceListBox::ChoiceListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int ChoiceListBox::SelectedRow() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? currentRow() : -1;
}

template <class Handle> bool ChoiceListBox::ReportChange(Handle handle) {
    const int before = SelectedRow();
    handle();
    const int after = SelectedRow();
    if (after >= 0 && after != before) {
        emit Chosen(after);
        return true;
    }
    return false;
}

void ChoiceListBox::mousePressEvent(QMouseEvent* event) {
    pressedRow_ =
        event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()).row() : -1;
    pressChose_ = ReportChange([&] { QListWidget::mousePressEvent(event); });
}

void ChoiceListBox::mouseMoveEvent(QMouseEvent* event) {
    if (ReportChange([&] { QListWidget::mouseMoveEvent(event); }))
        pressChose_ = true;
}

void ChoiceListBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool chose = ReportChange([&] { QListWidget::mouseReleaseEvent(event); });
    const int row = indexAt(event->position().toPoint()).row();
    if (!chose && !pressChose_ && event->button() == Qt::LeftButton && row >= 0 &&
        row == pressedRow_ && row == SelectedRow())
        emit Chosen(row);
    pressedRow_ = -1;
    pressChose_ = false;
}

void ChoiceListBox::keyPressEvent(QKeyEvent* event) {
    ReportChange([&] { QListWidget::keyPressEvent(event); });
}

} // namespace orvd
