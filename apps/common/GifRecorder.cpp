#include "apps/common/GifRecorder.h"

#include <gif_lib.h>

#include <algorithm>
#include <map>

#include <sys/stat.h>

namespace tavrel::apps {

namespace {

struct IndexedFrame {
    std::vector<GifColorType> palette;  // 256 entries
    std::vector<GifByteType> indices;
};

// Exact colours where a frame has 256 or fewer (the bar nearly always has); quantised otherwise.
IndexedFrame Index(int32_t width, int32_t height, const std::vector<uint32_t>& pixels) {
    IndexedFrame out;
    out.palette.resize(256, GifColorType{0, 0, 0});
    out.indices.resize(pixels.size());
    std::map<uint32_t, GifByteType> colours;
    for (const uint32_t p : pixels) {
        const uint32_t rgb = p & 0xFFFFFF;
        if (colours.count(rgb)) continue;
        if (colours.size() == 256) break;
        const auto index = static_cast<GifByteType>(colours.size());
        colours.emplace(rgb, index);
        out.palette[index] =
            GifColorType{static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                         static_cast<GifByteType>(rgb)};
    }
    bool bExact = true;
    for (size_t i = 0; i < pixels.size() && bExact; ++i) {
        const auto it = colours.find(pixels[i] & 0xFFFFFF);
        if (it == colours.end())
            bExact = false;
        else
            out.indices[i] = it->second;
    }
    if (bExact) return out;
    std::vector<GifByteType> r(pixels.size()), g(pixels.size()), b(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        r[i] = static_cast<GifByteType>(pixels[i] >> 16);
        g[i] = static_cast<GifByteType>(pixels[i] >> 8);
        b[i] = static_cast<GifByteType>(pixels[i]);
    }
    int size = 256;
    GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &size, r.data(),
                      g.data(), b.data(), out.indices.data(), out.palette.data());
    return out;
}

}  // namespace

void GifRecorder::AddFrame(const Surface& surface) {
    const Canvas& canvas = surface.Pixels();
    Frame frame{surface.Width(), surface.Height(), {}};
    frame.pixels.reserve(static_cast<size_t>(frame.width) * frame.height);
    for (int32_t y = 0; y < frame.height && y < canvas.PixelHeight(); ++y)
        frame.pixels.insert(frame.pixels.end(), canvas.ScanLine(y),
                            canvas.ScanLine(y) + frame.width);
    frames_.push_back(std::move(frame));
}

ErrorOr<void> GifRecorder::Write(const std::string& sPath) const {
    if (frames_.empty()) return Failure{sPath + ": no frames to write"};
    int error = 0;
    GifFileType* gif = EGifOpenFileName(sPath.c_str(), false, &error);
    if (gif == nullptr) return Failure{sPath + ": " + GifErrorString(error)};
    const auto fail = [&](const char* what) -> ErrorOr<void> {
        int closeError = 0;
        EGifCloseFile(gif, &closeError);
        return Failure{sPath + ": " + what};
    };
    const int32_t width = std::max_element(frames_.begin(), frames_.end(), [](auto& a, auto& b) {
                              return a.width < b.width;
                          })->width;
    const int32_t height = std::max_element(frames_.begin(), frames_.end(), [](auto& a, auto& b) {
                               return a.height < b.height;
                           })->height;
    EGifSetGifVersion(gif, true);
    if (EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) == GIF_ERROR)
        return fail("cannot write the screen");
    // Loop forever.
    const GifByteType loop[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const GifByteType repeat[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, sizeof repeat, repeat) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif) == GIF_ERROR)
        return fail("cannot write the loop");
    for (const Frame& frame : frames_) {
        IndexedFrame indexed = Index(frame.width, frame.height, frame.pixels);
        const GifByteType control[] = {0x04, kFrameDelay, 0, 0};  // keep the frame, no transparency
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof control, control) == GIF_ERROR)
            return fail("cannot write a frame's timing");
        ColorMapObject* map = GifMakeMapObject(256, indexed.palette.data());
        const int put = EGifPutImageDesc(gif, 0, 0, frame.width, frame.height, false, map);
        GifFreeMapObject(map);
        if (put == GIF_ERROR) return fail("cannot write a frame");
        for (int32_t y = 0; y < frame.height; ++y)
            if (EGifPutLine(gif, indexed.indices.data() + static_cast<size_t>(y) * frame.width,
                            frame.width) == GIF_ERROR)
                return fail("cannot write a frame's pixels");
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
        return Failure{sPath + ": " + GifErrorString(error)};
    ::chmod(sPath.c_str(), 0644);  // giflib creates the file for its owner only
    return {};
}

}  // namespace tavrel::apps
