#include "JpegFile.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include "base/Error.h"
#include "mapdata/JpegErrorManager.h"

namespace orvd::demo {
namespace {

// Only C objects live between setjmp and the end, so a longjmp skips no destructor.
bool Compress(jpeg_compress_struct& info, JpegErrorManager& errors, const Image& image, int quality,
              unsigned char** buffer, unsigned long* size) {
    if (setjmp(errors.jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(image.Width());
    info.image_height = JDIMENSION(image.Height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX; // 0xFFRRGGBB words are B, G, R, X bytes
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row[1] = {
            reinterpret_cast<JSAMPROW>(const_cast<Pixel*>(image.Row(int(info.next_scanline))))};
        jpeg_write_scanlines(&info, row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

std::string EncodeJpeg(const Image& image, int quality) {
    if (image.IsEmpty())
        throw Error("Cannot encode an empty picture");
    jpeg_compress_struct info{};
    JpegErrorManager errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnJpegError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Compress(info, errors, image, quality, &buffer, &size);
    jpeg_destroy_compress(&info);
    std::string bytes;
    if (ok)
        bytes.assign(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    if (!ok)
        throw Error(std::string("Cannot encode picture: ") + errors.message);
    return bytes;
}

void WriteFileReplacing(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw Error("Cannot write " + path + ": " + std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        std::remove(temporary.c_str());
        throw Error("Cannot write " + path + ": " + std::strerror(error));
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        throw Error("Cannot write " + path + ": " + std::strerror(error));
    }
}

} // namespace orvd::demo
