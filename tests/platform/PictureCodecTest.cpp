#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/qt/QtPictureCodec.h"
#include "support/IconFiles.h"

namespace tavrel {
namespace {

using testing::Bytes;
using testing::IconFile;
using testing::Put16;
using testing::Put32;

uint32_t Crc32(const uint8_t* data, size_t n) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

Picture Solid(int w, int h, uint32_t argb) {
    return Picture(PixelImage{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, argb)});
}

class PictureCodecTest : public ::testing::Test {
protected:
    qt::QtPictureCodec codec;
};

TEST_F(PictureCodecTest, AnIconGivesItsEntryClosestTo32WithItsTransparency) {
    const Bytes ico =
        IconFile({{16, 0xFF0000FF}, {48, 0xFF00FF00}, {32, 0xFFFF0000}, {64, 0xFF00FFFF}});
    const ErrorOr<Picture> picture = codec.FromBytes(ico);
    ASSERT_FALSE(picture.IsError()) << picture.Error().sReason;
    const PixelImage& image = *picture.Value().Image();
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.argb[5 * 32 + 5], 0xFFFF0000u);
    // The first pixel stored is the bottom-left one; it is transparent.
    EXPECT_EQ(image.argb[31 * 32] >> 24, 0u);

    const ErrorOr<Picture> nearest =
        codec.FromBytes(IconFile({{16, 0xFF0000FF}, {48, 0xFF00FF00}}));
    ASSERT_FALSE(nearest.IsError());
    EXPECT_EQ(nearest.Value().Width(), 16) << "16 and 48 are equally near; the first wins";
}

TEST_F(PictureCodecTest, PngBmpAndJpegRoundTrip) {
    const Picture red = Solid(5, 3, 0xFFFF0000);
    for (const char* format : {"png", "bmp", "jpg"}) {
        const auto bytes = codec.Encode(red, format);
        ASSERT_FALSE(bytes.IsError()) << format;
        const auto back = codec.FromBytes(bytes.Value());
        ASSERT_FALSE(back.IsError()) << format << ": " << back.Error().sReason;
        EXPECT_EQ(back.Value().Width(), 5) << format;
        EXPECT_EQ(back.Value().Height(), 3) << format;
        EXPECT_GT((back.Value().Image()->argb[4] >> 16) & 0xFF, 0xE0u) << format;
    }
}

TEST_F(PictureCodecTest, AGifLoads) {
    // The smallest GIF: one red pixel.
    const Bytes gif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                       0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                       0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                       0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    const auto picture = codec.FromBytes(gif);
    ASSERT_FALSE(picture.IsError()) << picture.Error().sReason;
    EXPECT_EQ(picture.Value().Image()->argb[0], 0xFFFF0000u);
}

TEST_F(PictureCodecTest, AFileLoadsAndAMissingFileIsAClearError) {
    const auto path = std::filesystem::temp_directory_path() / "tavrel-codec-test.ico";
    const Bytes ico = IconFile({{32, 0xFF123456}});
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(ico.data()), ico.size());
    const auto picture = codec.FromFile(path.string());
    ASSERT_FALSE(picture.IsError()) << picture.Error().sReason;
    EXPECT_EQ(picture.Value().Image()->argb[0] & 0xFFFFFF, 0x123456u);
    std::filesystem::remove(path);
    const auto missing = codec.FromFile(path.string());
    ASSERT_TRUE(missing.IsError());
    EXPECT_NE(missing.Error().sReason.find("cannot read picture"), std::string::npos);
}

TEST_F(PictureCodecTest, GarbageAndAbsurdSizesAreRefusedWithoutDecoding) {
    const Bytes garbage(300, 0x5A);
    EXPECT_TRUE(codec.FromBytes(garbage).IsError());
    EXPECT_TRUE(codec.FromBytes(Bytes{}).IsError());

    // A PNG header that claims 100000 x 100000 pixels, with no image data behind it.
    Bytes png = {0x89, 'P',  'N',  'G',  0x0D, 0x0A, 0x1A, 0x0A, 0,    0, 0, 13, 'I', 'H', 'D',
                 'R',  0x00, 0x01, 0x86, 0xA0, 0x00, 0x01, 0x86, 0xA0, 8, 6, 0,  0,   0};
    const uint32_t crc = Crc32(png.data() + 12, 17);
    for (int shift : {24, 16, 8, 0}) png.push_back(static_cast<uint8_t>(crc >> shift));
    const Bytes idat = {0, 0, 0, 0, 'I', 'D', 'A', 'T'};
    png.insert(png.end(), idat.begin(), idat.end());
    const uint32_t idatCrc = Crc32(idat.data() + 4, 4);
    for (int shift : {24, 16, 8, 0}) png.push_back(static_cast<uint8_t>(idatCrc >> shift));
    const auto huge = codec.FromBytes(png);
    ASSERT_TRUE(huge.IsError());
    EXPECT_NE(huge.Error().sReason.find("out of range"), std::string::npos) << huge.Error().sReason;
    // A BMP header that claims 60000 x 60000 pixels.
    Bytes bmp = {'B', 'M'};
    Put32(bmp, 54);
    Put32(bmp, 0);
    Put32(bmp, 54);
    Put32(bmp, 40);
    Put32(bmp, 60000);
    Put32(bmp, 60000);
    Put16(bmp, 1);
    Put16(bmp, 24);
    for (int i = 0; i < 6; ++i) Put32(bmp, 0);
    EXPECT_TRUE(codec.FromBytes(bmp).IsError());
}

TEST_F(PictureCodecTest, AnEmptyPictureCannotBeEncoded) {
    EXPECT_TRUE(codec.ToPng(Picture()).IsError());
}

}  // namespace
}  // namespace tavrel
