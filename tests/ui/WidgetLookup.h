#pragma once

#include <QObject>
#include <QString>

namespace orvd::testing {

// The child named `name` of `parent`; the test ends at once when it is missing, since every
// later check would only fail in a confusing way.
template <class T> T* Child(QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

} // namespace orvd::testing
