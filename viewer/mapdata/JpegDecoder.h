#pragma once

#include "base/Image.h"
#include "mapdata/AvailableMemory.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvd {

// Decodes JPEG data at full size into `image` through libjpeg, with the map pictures' settings:
// scale 1:1, the accurate integer transform, fancy upsampling, block smoothing, no colour
// quantization. Grey-scale and CMYK pictures come out as colour images.
//
// On failure (empty or foreign data, a header cut short, or a header whose size cannot be held)
// it throws orvd::Error with libjpeg's message; `image` is then left empty, never half-sized.
// Decoding never ends the process: libjpeg's errors return here. Data that ends early decodes
// at full size as libjpeg fills it, with no error.
//
// `memoryLimit` bounds the bytes the decode may take: the image's pixels (not counted when
// `image` already holds as many) and libjpeg's whole-picture buffers, which progressive pictures
// need (about 2 bytes per pixel and colour component). A picture that needs more fails as not
// decodable ("Picture size W x H needs more memory than is available") before the memory is
// taken.
void DecodeJpeg(std::string_view data, Image& image, std::size_t memoryLimit = AvailableMemory());

} // namespace orvd
