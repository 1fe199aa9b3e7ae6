#pragma once

#include "base/ColorValue.h"
#include "view/SystemColors.h"

#include <optional>

class QWidget;

namespace orvd {

// Runs a colour chooser ("ColorDialog1", Qt's own widgets) through the dialog seam, preset with
// `current`; a system colour is preset as its RGB from `colors`, "none" as the white of its low
// bits. Gives the chosen plain colour ($00BBGGRR), or nothing when the user cancels.
std::optional<ColorValue> ChooseColor(QWidget* owner, ColorValue current,
                                      const SystemColorTable& colors);

} // namespace orvd
