#include "base/qt/ContextMenuRoute.h"

#include "base/qt/ContextMenuKey.h"

#include <QComboBox>
#include <QLineEdit>

namespace orvd {

void RouteContextMenu(QWidget* control, std::function<void(QWidget*, QPoint)> popup) {
    ContextMenuKey::Install(control);
    QList<QWidget*> surfaces{control};
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        surfaces << combo->lineEdit();
    for (QWidget* surface : surfaces) {
        surface->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(surface, &QWidget::customContextMenuRequested, control,
                         [control, surface, popup](const QPoint& pos) {
                             popup(control, surface->mapToGlobal(pos));
                         });
    }
}

} // namespace orvd
