#pragma once

#include <QSlider>

namespace orvd {

// A horizontal slider whose keys move it as the classic track bar's do: Left and Up, PageUp
// towards the low end; Right and Down, PageDown towards the high end; Home and End to the ends.
// Qt's own slider moves up and PageUp towards the high end.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orvd
