#include "editor/qt/NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace orvd {

NameOnlyIconProvider& NameOnlyIconProvider::Instance() {
    static auto* provider = new NameOnlyIconProvider;
    return *provider;
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (info.isDir())
        return QStringLiteral("Folder");
    const QMimeType byName =
        QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (!byName.isDefault() && !byName.comment().isEmpty())
        return byName.comment();
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QStringLiteral("File") : suffix + QStringLiteral(" File");
}

} // namespace orvd
