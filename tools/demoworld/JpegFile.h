#pragma once

#include "base/Image.h"

#include <string>

namespace orvd::demo {

// A baseline JPEG of `image` through libjpeg's compressor (4:2:0, optimised Huffman tables).
// The same image and quality give the same bytes. Throws orvd::Error with libjpeg's message.
std::string EncodeJpeg(const Image& image, int quality);

// Writes `bytes` to `path` through a temporary file beside it that is renamed over the target,
// so a failed write leaves any earlier file whole. Throws orvd::Error("Cannot write " + path)
// (with the system's reason) when the file cannot be written.
void WriteFileReplacing(const std::string& path, const std::string& bytes);

} // namespace orvd::demo
