#include "view/qt/MapBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace orvd {

MapBox::MapBox(QWidget* parent) : QWidget(parent) {
    // The box has no background of its own: the buffer covers it whole.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void MapBox::Present() {
    if (!painting_)
        repaint();
}

void MapBox::paintEvent(QPaintEvent*) {
    painting_ = true;
    if (paintHandler_)
        paintHandler_(this);
    painting_ = false;
    if (!image_ || image_->IsEmpty())
        return;
    const QImage view(reinterpret_cast<const uchar*>(image_->Data()), image_->Width(),
                      image_->Height(), qsizetype(image_->BytesPerLine()), QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, view);
}

void MapBox::mousePressEvent(QMouseEvent* event) {
    // Only the left button makes or breaks a click; the others come and go during it.
    if (event->button() == Qt::LeftButton)
        pressedInside_ = true;
    emit pressed(event);
}

void MapBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (pressedInside_ && rect().contains(event->pos()))
        emit clicked();
    pressedInside_ = false;
}

void MapBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event);
}

MapBox* MakeMapBox(QWidget* parent, const char* name, const QRect& geometry, const Image* image,
                   std::function<void(MapBox*)> paint) {
    auto* box = new MapBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->SetImage(image);
    box->SetPaintHandler(std::move(paint));
    return box;
}

} // namespace orvd
