#pragma once

#include <QFrame>

namespace orvd {

// A panel with the classic two bevels: an outer one at its edge and an inner one just inside
// it, each raised (light top-left, shadow bottom-right), lowered (the reverse) or absent.
class BevelPanel : public QFrame {
public:
    enum class Bevel { None, Raised, Lowered };

    BevelPanel(QWidget* parent, Bevel outer, Bevel inner, int bevelWidth);

    // The width the bevels take from each edge.
    int BorderWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
    Bevel inner_;
    int width_;
};

} // namespace orvd
