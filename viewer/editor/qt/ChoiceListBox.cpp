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

// Only the left button chooses: the right one opens "What's this?" over the list as it is, and
// the view would otherwise select the item under the pointer first.
void ChoiceListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    pressedRow_ = indexAt(event->position().toPoint()).row();
    pressChose_ = ReportChange([&] { QListWidget::mousePressEvent(event); });
}

void ChoiceListBox::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton && !(event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    if (ReportChange([&] { QListWidget::mouseMoveEvent(event); }))
        pressChose_ = true;
}

void ChoiceListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool chose = ReportChange([&] { QListWidget::mouseReleaseEvent(event); });
    const int row = indexAt(event->position().toPoint()).row();
    if (!chose && !pressChose_ && row >= 0 && row == pressedRow_ && row == SelectedRow())
        emit Chosen(row);
    pressedRow_ = -1;
    pressChose_ = false;
}

void ChoiceListBox::keyPressEvent(QKeyEvent* event) {
    ReportChange([&] { QListWidget::keyPressEvent(event); });
}

} // namespace orvd
