#include "app/win32/Startup.h"
#include "base/win32/WinApi.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The first argument as the system split the command line.
    return orvd::RunViewer(__argc > 1 ? __argv[1] : "");
}
