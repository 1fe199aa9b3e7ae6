#include "mapdata/MapPictures.h"

#include "base/Error.h"
#include "base/FileSystem.h"
#include "mapdata/JpegDecoder.h"
#include "mapdata/MapTable.h"

namespace orvd {
namespace {

std::string ReadPicture(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        throw Error("Cannot read " + path);
    return std::move(*bytes);
}

} // namespace

void LoadMapImage(Image& image, const std::string& programDir, std::string_view code, bool& failed,
                  BusyIndicator* busy) {
    BusyScope hourglass(busy);
    failed = false;
    try {
        DecodeJpeg(ReadPicture(ResolveFileName(programDir, MainPictureName(code))), image);
    } catch (...) {
        failed = image.IsEmpty();
        throw;
    }
    failed = image.IsEmpty();
}

void LoadOverviewImage(Image& image, const std::string& programDir, std::string_view code) {
    Image decoded;
    DecodeJpeg(ReadPicture(ResolveFileName(programDir, OverviewPictureName(code))), decoded);
    image = std::move(decoded);
}

} // namespace orvd
