#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads the input a piece at a time; past its end everything is zero.
struct Reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint8_t Byte() { return at < size ? data[at++] : 0; }
    int32_t Int() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
        return static_cast<int32_t>(v);
    }
    std::string Text() {
        const size_t n = Byte();
        std::string s;
        for (size_t i = 0; i < n && at < size; ++i) s += static_cast<char>(Byte());
        return s;
    }
    bool Done() const { return at >= size; }
};
