#pragma once

#include "base/Image.h"

#include <string>

namespace orvd::testing {

// Encodes `image` as a baseline JPEG through libjpeg, for tests and benchmarks that need real
// picture files. `grey` writes a one-component picture, `progressive` a picture in several
// scans, which decoders must hold whole before the first row comes out.
std::string EncodeJpeg(const Image& image, int quality = 90, bool grey = false,
                       bool progressive = false);

// A w x h picture whose pixels differ from their neighbours, so a misplaced copy shows.
Image PatternImage(int w, int h);

} // namespace orvd::testing
