#include "JpegWriter.h"

#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace orvd::testing {

std::string EncodeJpeg(const Image& image, int quality, bool grey, bool progressive) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.Width());
    info.image_height = JDIMENSION(image.Height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(image.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const Pixel* in = image.Row(int(info.next_scanline));
        for (int x = 0; x < image.Width(); ++x) {
            if (grey) {
                row[std::size_t(x)] = GreenOf(in[x]);
            } else {
                row[std::size_t(x) * 3] = RedOf(in[x]);
                row[std::size_t(x) * 3 + 1] = GreenOf(in[x]);
                row[std::size_t(x) * 3 + 2] = BlueOf(in[x]);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

Image PatternImage(int w, int h) {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.Set(x, y,
                      MakePixel(std::uint8_t(x * 7), std::uint8_t(y * 3), std::uint8_t(x + y)));
    return image;
}

} // namespace orvd::testing
