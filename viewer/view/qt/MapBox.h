#pragma once

#include "base/Image.h"

#include <QWidget>
#include <functional>

namespace orvd {

// A drawing box that shows an off-screen image of the core at (0, 0), without copying it.
// Its paint handler is set by the owner (ShowMap); while that runs, the box itself is the
// "painting" box and draws right after it. Pointer events are passed on as signals.
class MapBox : public QWidget {
    Q_OBJECT
public:
    explicit MapBox(QWidget* parent = nullptr);

    // The image shown; it must outlive the box or be reset. Null shows nothing.
    void SetImage(const Image* image) { image_ = image; }
    void SetPaintHandler(std::function<void(MapBox*)> handler) {
        paintHandler_ = std::move(handler);
    }

    // Draws the image onto the screen now, within the calling event.
    void Present();
    // True while this box's own paint event runs.
    bool IsPainting() const { return painting_; }

signals:
    void pressed(QMouseEvent* event);
    void released(QMouseEvent* event);
    void moved(QMouseEvent* event);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const Image* image_ = nullptr;
    std::function<void(MapBox*)> paintHandler_;
    bool painting_ = false;
    bool pressedInside_ = false;
};

// A box named `name` at `geometry` in `parent` that shows `image` and has `paint` as its paint
// handler.
MapBox* MakeMapBox(QWidget* parent, const char* name, const QRect& geometry, const Image* image,
                   std::function<void(MapBox*)> paint);

} // namespace orvd
