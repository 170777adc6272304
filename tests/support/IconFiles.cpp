#include "support/IconFiles.h"

#include <fstream>

namespace tavrel::testing {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// An icon file with one 32-bit entry per side, each filled with its own colour: the file format
// the icon chooser meets most, written here byte by byte.
Bytes IconFile(const std::vector<std::pair<int, uint32_t>>& entries) {
    std::vector<Bytes> images;
    for (auto [side, argb] : entries) {
        Bytes img;
        Put32(img, 40);
        Put32(img, side);
        Put32(img, side * 2);  // colour rows and mask rows
        Put16(img, 1);
        Put16(img, 32);
        for (int i = 0; i < 6; ++i) Put32(img, 0);
        for (int i = 0; i < side * side; ++i) Put32(img, i == 0 ? 0x00000000 : argb);  // BGRA
        const int maskRow = ((side + 31) / 32) * 4;
        img.insert(img.end(), static_cast<size_t>(maskRow) * side, 0);
        images.push_back(img);
    }
    Bytes file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<uint32_t>(entries.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const int side = entries[i].first;
        file.push_back(side >= 256 ? 0 : side);
        file.push_back(side >= 256 ? 0 : side);
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const Bytes& img : images) file.insert(file.end(), img.begin(), img.end());
    return file;
}

std::string WriteIconFile(const std::filesystem::path& path, uint32_t argb) {
    const Bytes ico = IconFile({{32, argb}});
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    return path.string();
}

}  // namespace tavrel::testing
