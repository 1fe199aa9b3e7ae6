#include "view/PointerInput.h"

namespace orvd {

namespace {

bool Centres(MouseButton button) {
    return button == MouseButton::Left || button == MouseButton::Right;
}

void Centre(ViewGeometry& g, Point map) {
    const Point position = ViewPositionFor(g, map);
    g.ViewLeft = position.x;
    g.ViewTop = position.y;
}

} // namespace

void PressMainView(PressPosition press, MouseButton button, Point at) {
    if (!Centres(button))
        return;
    press.X = at.x;
    press.Y = at.y;
}

MainViewRelease ReleaseMainView(ViewGeometry& g, PressPosition press, MouseButton button,
                                bool pickMode) {
    MainViewRelease result;
    if (!Centres(button))
        return result;
    const Point map = ViewToMap(g, Point{press.X, press.Y});
    Centre(g, map);
    result.Moved = true;
    if (button == MouseButton::Left && pickMode)
        result.Pick = map;
    return result;
}

void PressOverview(PressPosition press, MouseButton button, Point at) {
    if (button != MouseButton::Left)
        return;
    press.X = at.x;
    press.Y = at.y;
}

bool DragOverview(ViewGeometry& g, PressPosition press, bool leftHeld, Point at) {
    if (!leftHeld)
        return false;
    press.X = at.x;
    press.Y = at.y;
    Centre(g, OverviewToMap(g, at));
    return true;
}

void ClickOverview(ViewGeometry& g, PressPosition press) {
    Centre(g, OverviewToMap(g, Point{press.X, press.Y}));
}

} // namespace orvd
