#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QWidget>

namespace orvd::testing {

// The child named `name` of `parent`; the test ends at once when it is missing, since every
// later check would only fail in a confusing way.
template <class T> T* Child(QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// What the accessibility interface tells of `control`.
inline QString AccessibleText(QWidget* control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

// The name of the label that labels `control`, empty for none. Screen readers on Unix announce
// a combo box by its value and this label.
inline QString AccessibleLabel(QWidget* control) {
    const auto labels =
        QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

} // namespace orvd::testing
