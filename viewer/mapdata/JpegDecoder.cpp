#include "mapdata/JpegDecoder.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <new>
#include <vector>
// after jpeglib.h, which it needs
#include "base/Error.h"
#include "mapdata/JpegErrorManager.h"

#include <jerror.h>

namespace orvd {
namespace {

// Warnings (a file that ends early, which libjpeg fills up to the full size) go nowhere: the
// picture counts as decoded, as libjpeg gives it.
void OnMessage(j_common_ptr, int) {}

void SetNoMemoryMessage(JpegErrorManager& errors, JDIMENSION width, JDIMENSION height) {
    std::snprintf(errors.message, sizeof errors.message,
                  "Picture size %u x %u needs more memory than is available", unsigned(width),
                  unsigned(height));
}

// CMYK from libjpeg is stored inverted by the usual writers, so white is 255, 255, 255, 255.
void CmykRowToPixels(const JSAMPLE* cmyk, Pixel* out, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        const unsigned k = cmyk[3];
        out[x] = MakePixel(std::uint8_t(cmyk[0] * k / 255), std::uint8_t(cmyk[1] * k / 255),
                           std::uint8_t(cmyk[2] * k / 255));
    }
}

// Everything between setjmp and the end lives in plain C objects or in objects created before
// setjmp, so a longjmp skips no destructor that matters.
bool DecodeInto(jpeg_decompress_struct& info, JpegErrorManager& errors, std::string_view data,
                Image& image, std::size_t memoryLimit, std::vector<JSAMPLE>& cmykRow) {
    if (setjmp(errors.jump)) {
        const int code = errors.pub.msg_code;
        if (code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY ||
            code == JERR_TFILE_CREATE)
            SetNoMemoryMessage(errors, info.image_width, info.image_height);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);

    if (!Image::SizeAllowed(int(std::min<JDIMENSION>(info.image_width, 0x7FFFFFFF)),
                            int(std::min<JDIMENSION>(info.image_height, 0x7FFFFFFF)))) {
        std::snprintf(errors.message, sizeof errors.message, "Picture size %u x %u is too large",
                      unsigned(info.image_width), unsigned(info.image_height));
        return false;
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA; // BGRA bytes are 0xAARRGGBB words
    info.scale_num = 1;
    info.scale_denom = 1;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
    info.quantize_colors = FALSE;

    // The image's pixels first; libjpeg may then take what is left for its whole-picture
    // buffers, and with no backing store it fails when they do not fit.
    const std::size_t pixels = std::size_t(info.image_width) * info.image_height;
    const std::size_t held = std::size_t(image.Width()) * std::size_t(image.Height());
    const std::size_t imageBytes = pixels > held ? pixels * sizeof(Pixel) : 0;
    if (imageBytes > memoryLimit) {
        SetNoMemoryMessage(errors, info.image_width, info.image_height);
        return false;
    }
    // 0 would mean no limit at all.
    info.mem->max_memory_to_use =
        long(std::clamp<std::size_t>(memoryLimit - imageBytes, 1, std::size_t(LONG_MAX)));
    jpeg_start_decompress(&info);

    image.ResizeForOverwrite(int(info.output_width), int(info.output_height));
    if (cmyk)
        cmykRow.resize(std::size_t(info.output_width) * 4);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW row = cmyk ? cmykRow.data() : reinterpret_cast<JSAMPROW>(image.Row(y));
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            break;
        if (cmyk)
            CmykRowToPixels(cmykRow.data(), image.Row(y), info.output_width);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

void DecodeJpeg(std::string_view data, Image& image, std::size_t memoryLimit) {
    static_assert(sizeof(Pixel) == 4);
    jpeg_decompress_struct info{};
    JpegErrorManager errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnJpegError;
    errors.pub.emit_message = OnMessage;
    std::vector<JSAMPLE> cmykRow;

    bool ok = false;
    try {
        ok = DecodeInto(info, errors, data, image, memoryLimit, cmykRow);
    } catch (const Error& e) { // Image::Resize refused the size
        std::snprintf(errors.message, sizeof errors.message, "%s", e.what());
    } catch (const std::bad_alloc&) {
        std::snprintf(errors.message, sizeof errors.message, "Out of memory");
    }
    jpeg_destroy_decompress(&info);
    if (!ok) {
        image.Clear();
        throw Error(errors.message[0] ? errors.message : "Not a JPEG picture");
    }
}

} // namespace orvd
