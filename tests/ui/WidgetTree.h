#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace orvd::testing {

namespace detail {

inline QString TextOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<const QComboBox*>(widget))
        return box->currentText();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

inline void Walk(const QWidget* parent, int depth, QStringList& lines) {
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Windows of their own (the editor, menus) have their own dump; Qt's parts are not ours.
        if (child->isWindow() || child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (!child->objectName().isEmpty()) {
            const QRect g = child->geometry();
            lines << QStringLiteral("%1%2 %3 (%4, %5, %6 x %7) \"%8\" [%9]")
                         .arg(QString(depth * 2, ' '), child->objectName(),
                              QString::fromLatin1(child->metaObject()->className()))
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height())
                         .arg(TextOf(child), child->accessibleName());
        }
        Walk(child, child->objectName().isEmpty() ? depth : depth + 1, lines);
    }
}

} // namespace detail

// The window's controls as its definition gives them, one line each, depth first in creation
// order: name, class, geometry in the parent, text and accessible name. The first line is the
// window itself: name, class, client size and caption.
inline QStringList WidgetTree(const QWidget* window) {
    QStringList lines{
        QStringLiteral("%1 %2 %3 x %4 \"%5\"")
            .arg(window->objectName(), QString::fromLatin1(window->metaObject()->className()))
            .arg(window->width())
            .arg(window->height())
            .arg(window->windowTitle())};
    detail::Walk(window, 1, lines);
    return lines;
}

// The lines of the golden file `name` in tests/data. With ORVD_WRITE_GOLDEN=1 in the
// environment it is first written from `actual`, for a deliberate change of a definition; the
// difference then shows in the commit.
inline QStringList Golden(const char* name, const QStringList& actual) {
    QFile file(QStringLiteral(ORVD_TEST_DATA_DIR "/") + QString::fromLatin1(name));
    if (qEnvironmentVariable("ORVD_WRITE_GOLDEN") == QLatin1String("1") &&
        file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write((actual.join('\n') + '\n').toUtf8());
        file.close();
    }
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<no golden file %1>").arg(file.fileName())};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace orvd::testing
