#pragma once

#include "base/Image.h"

#include <string>
#include <string_view>

namespace orvd {

// Decodes JPEG data at full size into `image` through libjpeg, with the map pictures' settings:
// scale 1:1, the accurate integer transform, fancy upsampling, block smoothing, no colour
// quantization. Grey-scale and CMYK pictures come out as colour images.
//
// On failure (empty, truncated or foreign data, or a header whose size cannot be held) it
// throws orvd::Error with libjpeg's message; `image` is then left empty, never half-sized.
// Decoding never ends the process: libjpeg's errors return here.
void DecodeJpeg(std::string_view data, Image& image);

} // namespace orvd
