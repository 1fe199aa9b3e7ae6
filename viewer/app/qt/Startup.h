#pragma once

#include <memory>
#include <string>

namespace orvd {

class TForm1;

// The program's windows as the start-up creates them: the main window (which reads the
// settings and loads the first map), then the location editor, hidden, handed to it.
// `programPath` is the program file's path, `firstArgument` the first command-line argument.
std::unique_ptr<TForm1> OpenViewer(const std::string& programPath,
                                   const std::string& firstArgument);

// The program's entry sequence: the splash during start-up, the main window (which reads the
// settings and loads the map), then the event loop until the main window closes. Returns the
// process exit code.
int RunViewer(int argc, char** argv);

} // namespace orvd
