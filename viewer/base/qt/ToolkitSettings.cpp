#include "base/qt/ToolkitSettings.h"

#include <QSettings>

namespace orvd {

void KeepToolkitSettingsUnwritten() {
    // The toolkit's user settings are looked for below a path that is no folder: nothing is
    // read from there, and writing fails quietly, which is all these settings need.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

} // namespace orvd
