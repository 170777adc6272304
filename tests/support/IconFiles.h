#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tavrel::testing {

using Bytes = std::vector<uint8_t>;

// Little-endian fields of a file being written.
void Put16(Bytes& b, uint32_t v);
void Put32(Bytes& b, uint32_t v);

// An icon file with one 32-bit entry per side, each filled with its own colour (its first pixel
// transparent): the file format the icon chooser meets most, written here byte by byte.
Bytes IconFile(const std::vector<std::pair<int, uint32_t>>& entries);

// A 32 x 32 icon of one colour written to `path`; returns the path.
std::string WriteIconFile(const std::filesystem::path& path, uint32_t argb);

}  // namespace tavrel::testing
