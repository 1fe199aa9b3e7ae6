#pragma once

namespace orvd {

// Keeps Qt from writing its own settings file (QtProject.conf in the user's configuration
// folder): the file dialog stores its history and view there, the colour chooser its custom
// colours. The program keeps nothing outside its own settings file. Call once, before the
// first dialog.
void KeepToolkitSettingsUnwritten();

} // namespace orvd
