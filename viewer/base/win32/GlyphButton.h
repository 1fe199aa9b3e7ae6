#pragma once

#include "base/ButtonGlyph.h"
#include "base/win32/WinApi.h"

namespace orvd {

// Gives a push button `glyph` beside its caption. The classic controls cannot show a picture
// and a caption together, so the button keeps its own behaviour (focus, default, Enter, Space,
// the dialog keys) and only its face is drawn here.
void GiveButtonGlyph(HWND button, ButtonGlyph glyph);

} // namespace orvd
