#pragma once

namespace orvd {

// The program's entry sequence: the splash during start-up, the main window (which reads the
// settings and loads the map), then the event loop until the main window closes. Returns the
// process exit code.
int RunViewer(int argc, char** argv);

} // namespace orvd
