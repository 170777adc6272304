#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "support/SurfaceTesting.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::Count;
using testing::NewSurface;

constexpr Color kBg = 0x00808080;
constexpr Color kInk = 0x000000FF;

TEST(SurfaceTest, ResizeKeepsWhatStaysAndShowsTheBackgroundElsewhere) {
    auto s = NewSurface(10, 10, kBg);
    s->Box(0, 0, 9, 9, kInk, BoxFill::Filled);
    int resizes = 0;
    s->SetResizeHandler([&] { ++resizes; });
    s->Move(0, 0, 6, 20);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(s->Width(), 6);
    EXPECT_EQ(s->ScaleHeight(), 20);
    EXPECT_TRUE(AllAre(*s, {0, 0, 6, 10}, kInk));
    EXPECT_TRUE(AllAre(*s, {0, 10, 6, 20}, kBg));
    s->Move(0, 0, 6, 20);
    EXPECT_EQ(resizes, 1) << "the same size is no resize";
}

TEST(SurfaceTest, RefusesSizesItCannotHold) {
    auto s = NewSurface(10, 10, kBg);
    EXPECT_FALSE(Step([&] { s->Width(-1); }));
    EXPECT_FALSE(Step([&] { s->Move(0, 0, kMaxSurfaceSide, kMaxSurfaceSide); }));
    EXPECT_EQ(s->Width(), 10);
}

TEST(SurfaceTest, BoxesIncludeBothCornersAndLinesLeaveOutTheirEnd) {
    auto s = NewSurface(10, 10, kBg);
    s->Box(2, 2, 5, 6, kInk, BoxFill::Outline);
    EXPECT_EQ(Count(*s, {0, 0, 10, 10}, kInk), 2 * 4 + 2 * 5 - 4);
    EXPECT_EQ(At(*s, 5, 6), kInk);
    EXPECT_EQ(At(*s, 3, 3), kBg);
    auto l = NewSurface(10, 10, kBg);
    l->Line(1, 1, 6, 1, kInk);
    l->Line(8, 8, 8, 2, kInk);
    EXPECT_TRUE(AllAre(*l, {1, 1, 6, 2}, kInk));
    EXPECT_EQ(At(*l, 6, 1), kBg);
    EXPECT_TRUE(AllAre(*l, {8, 3, 9, 9}, kInk));
    EXPECT_EQ(At(*l, 8, 2), kBg);
}

TEST(SurfaceTest, PrintUsesTheForeColourWithoutFillingTheBackgroundAndMovesToTheNextLine) {
    auto s = NewSurface(80, 40, kBg);
    s->ForeColor(kWhite);
    s->CurrentX(5);
    s->CurrentY(3);
    const double width = s->TextWidth("Menu1"), height = s->TextHeight("Menu1");
    s->Print("Menu1");
    EXPECT_EQ(s->CurrentX(), 0);
    EXPECT_EQ(s->CurrentY(), 3 + height);
    const Rect box{5, 3, 5 + static_cast<int32_t>(width), 3 + static_cast<int32_t>(height)};
    const int64_t ink = Count(*s, box, kWhite);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(ink + Count(*s, box, kBg), box.Width() * box.Height())
        << "no other colour in the box";
    EXPECT_EQ(Count(*s, {0, 0, 80, 40}, kWhite), ink) << "nothing outside the text box";
}

TEST(SurfaceTest, TheCaptionFontIsTahomaEightPointTwoFive) {
    auto s = NewSurface(80, 40, kBg);
    // Tahoma at 11 pixels: the classic cell is 13 pixels high, and "Menu1" about 30 wide.
    EXPECT_EQ(s->TextHeight("Menu1"), 13);
    EXPECT_GE(s->TextWidth("Menu1"), 26);
    EXPECT_LE(s->TextWidth("Menu1"), 34);
    EXPECT_EQ(s->TextHeight("a\nb"), 2 * s->TextHeight("a"));
}

TEST(SurfaceTest, TwipsScaleMeasuresFifteenPerPixel) {
    auto s = NewSurface(20, 10, kBg);
    s->ScaleMode(ScaleUnit::Twips);
    EXPECT_EQ(s->ScaleWidth(), 300);
    EXPECT_EQ(s->ScaleHeight(), 150);
    s->Box(15, 15, 30, 30, kInk, BoxFill::Filled);
    EXPECT_TRUE(AllAre(*s, {1, 1, 3, 3}, kInk));
    EXPECT_EQ(Count(*s, {0, 0, 20, 10}, kInk), 4);
}

TEST(SurfaceTest, PaintPictureScalesAndLetsTransparencyShowThrough) {
    PixelImage image{2, 2, {0xFFFF0000, 0x00000000, 0x00000000, 0xFFFF0000}};
    auto s = NewSurface(10, 10, kBg);
    s->PaintPicture(Picture(image), 0, 0, 8, 8);
    EXPECT_EQ(At(*s, 1, 1), 0x000000FFu) << "red, scaled up";
    EXPECT_EQ(At(*s, 6, 1), kBg) << "a transparent pixel leaves the background";
    EXPECT_EQ(At(*s, 9, 9), kBg) << "nothing outside the target";
    EXPECT_FALSE(Step([&] { s->PaintPicture(Picture(), 0, 0, 8, 8); })) << "no picture";
}

TEST(SurfaceTest, FramesAreCountedAndHandedToThePresenter) {
    auto s = NewSurface(4, 4, kBg);
    int shown = 0;
    s->PresentFrame();
    s->SetFramePresenter([&] { ++shown; });
    s->PresentFrame();
    EXPECT_EQ(s->FramesPresented(), 2);
    EXPECT_EQ(shown, 1);
}

TEST(SurfaceTest, PointAnswersNothingOutsideTheSurface) {
    auto s = NewSurface(4, 4, kBg);
    EXPECT_EQ(s->Point(3, 3), kBg);
    EXPECT_FALSE(s->Point(4, 0).has_value());
    EXPECT_FALSE(s->Point(-1, 0).has_value());
}

TEST(SurfaceTest, UnknownSystemColoursAreRefused) {
    auto s = NewSurface(4, 4, kBg);
    EXPECT_FALSE(Step([&] { s->BackColor(kSystemColorFlag | 99); }));
    EXPECT_EQ(s->BackColor(), kBg);
}

}  // namespace
}  // namespace tavrel
