#pragma once

#include <QFileIconProvider>

namespace orvd {

// Icons and type names for a file dialog's list taken from each entry's kind and name alone.
// The standard provider asks each file's type by reading its first bytes, and some files never
// answer a read (a pipe without a writer, /proc/kmsg as root): listing their folder would block
// the program. The instance is never released, since a dialog's model may ask it while it goes.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    static NameOnlyIconProvider& Instance();

    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override;
    // The type by the name's extension ("Folder", "dat File", "File" for none).
    QString type(const QFileInfo& info) const override;
};

} // namespace orvd
