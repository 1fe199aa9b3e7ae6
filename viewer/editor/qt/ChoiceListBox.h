#pragma once

#include <QListWidget>

namespace orvd {

// A single-selection list that tells apart the user's choice of an item from every other change
// of its current row: focus (Qt makes the first row current when a list without one gets the
// focus), window activation, and the program's own changes to the items or the selection.
// Chosen is emitted for a press, drag or key that selects another row, and for a click (press
// and release on the same item) on the row already selected.
class ChoiceListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceListBox(QWidget* parent = nullptr);

signals:
    void Chosen(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The selected row, -1 when the current row is not selected or there is none.
    int SelectedRow() const;
    // Runs the view's own handling of a user's event and reports a change of the selected row.
    // Returns whether it reported one.
    template <class Handle> bool ReportChange(Handle handle);

    int pressedRow_ = -1;
    bool pressChose_ = false;
};

} // namespace orvd
