#pragma once

// The system's headers for the window layer, in the order they need: the others expect the
// declarations of windows.h, and sorted includes would put them first.
// clang-format off
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <commdlg.h>
// clang-format on
