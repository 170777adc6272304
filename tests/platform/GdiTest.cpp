#include <gtest/gtest.h>

#include "platform/Gdi.h"
#include "support/SurfaceTesting.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::Count;
using testing::NewSurface;

constexpr Color kBg = 0x00102030;
constexpr Color kA = 0x000000FF;
constexpr Color kB = 0x0000FF00;

Color Sys(SystemColorIndex i) {
    return ResolveColor(SystemColor(i));
}

// A surface whose every row is a distinct colour, so that a copied band can be traced.
std::shared_ptr<Surface> RowStriped(int32_t w, int32_t h) {
    auto s = NewSurface(w, h, kBg);
    for (int32_t y = 0; y < h; ++y) s->Line(0, y, w, y, 0x00010000u * static_cast<uint32_t>(y + 1));
    return s;
}
Color RowColor(int32_t y) {
    return 0x00010000u * static_cast<uint32_t>(y + 1);
}

TEST(BitBltTest, OverlappingCopiesOnOneSurfaceActAsThroughABuffer) {
    for (const int32_t shift : {1, 2, 5, -1, -2, -5}) {
        auto s = RowStriped(8, 40);
        ASSERT_TRUE(BitBlt(s->hDC(), 0, 10 + shift, 8, 20, s->hDC(), 0, 10, SRCCOPY));
        for (int32_t i = 0; i < 20; ++i)
            ASSERT_EQ(At(*s, 3, 10 + shift + i), RowColor(10 + i))
                << "shift " << shift << " row " << i;
    }
}

TEST(BitBltTest, WholeRowsFarApartAndAfterManyMovesReadAsTheyShould) {
    auto s = RowStriped(8, 60);
    BitBlt(s->hDC(), 0, 35, 8, 20, s->hDC(), 0, 5, SRCCOPY);  // no overlap
    for (int32_t i = 0; i < 20; ++i) ASSERT_EQ(At(*s, 7, 35 + i), RowColor(5 + i)) << i;
    EXPECT_EQ(At(*s, 0, 5), RowColor(5)) << "the source rows stay";
    // A slide's worth of one-row moves up and down, against the same moves made on a copy.
    auto moved = RowStriped(8, 60);
    std::vector<uint32_t> expected = testing::Snapshot(*moved);
    for (int k = 0; k < 30; ++k) {
        const int32_t from = 3 + k % 7, to = k % 2 ? from - 1 : from + 2, count = 40;
        BitBlt(moved->hDC(), 0, to, 8, count, moved->hDC(), 0, from, SRCCOPY);
        std::vector<uint32_t> before = expected;
        for (int32_t r = 0; r < count; ++r)
            if (to + r >= 0 && to + r < 60 && from + r < 60)
                std::copy_n(before.begin() + (from + r) * 8, 8, expected.begin() + (to + r) * 8);
    }
    EXPECT_EQ(testing::Snapshot(*moved), expected);
}

TEST(BitBltTest, HorizontalOverlapKeepsEveryColumn) {
    auto s = NewSurface(10, 1, kBg);
    for (int32_t x = 0; x < 10; ++x) s->Box(x, 0, x, 0, static_cast<Color>(x + 1), BoxFill::Filled);
    BitBlt(s->hDC(), 2, 0, 6, 1, s->hDC(), 0, 0, SRCCOPY);
    for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(At(*s, x + 2, 0), static_cast<Color>(x + 1));
}

TEST(BitBltTest, ClipsToBothSurfacesAtEveryEdge) {
    auto src = NewSurface(10, 10, kA);
    struct Case {
        int32_t x, y, w, h, sx, sy;
        Rect expected;  // what turns kA on the 20 x 20 destination
    } cases[] = {
        {-5, -5, 10, 10, 0, 0, {0, 0, 5, 5}},      // destination left and top
        {15, 15, 10, 10, 0, 0, {15, 15, 20, 20}},  // destination right and bottom
        {0, 0, 10, 10, -4, -3, {4, 3, 10, 10}},    // source left and top
        {0, 0, 10, 10, 6, 7, {0, 0, 4, 3}},        // source right and bottom
        {5, 5, 0, 10, 0, 0, {}},                   // zero width
        {5, 5, 10, -3, 0, 0, {}},                  // negative height
        {INT32_MAX - 2, 0, 10, 10, 0, 0, {}},      // positions at the 32-bit limit
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, {}},
    };
    for (const Case& c : cases) {
        auto dst = NewSurface(20, 20, kBg);
        BitBlt(dst->hDC(), c.x, c.y, c.w, c.h, src->hDC(), c.sx, c.sy, SRCCOPY);
        EXPECT_EQ(Count(*dst, {0, 0, 20, 20}, kA),
                  c.expected.IsEmpty() ? 0 : c.expected.Width() * c.expected.Height())
            << c.x << "," << c.y;
        if (!c.expected.IsEmpty()) {
            EXPECT_TRUE(AllAre(*dst, c.expected, kA)) << c.x << "," << c.y;
        }
    }
}

TEST(BitBltTest, RefusesANullHandleAndOtherRasterOperations) {
    auto s = NewSurface(4, 4, kBg);
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 4, 4, s->hDC(), 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(s->hDC(), 0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(s->hDC(), 0, 0, 4, 4, s->hDC(), 0, 0, 0x00EE0086));
}

TEST(DrawEdgeTest, ClassicColoursOnCornersAndEdges) {
    // {edge, flags, outer top-left, outer bottom-right, inner top-left, inner bottom-right}
    const struct Case {
        uint32_t edge, flags;
        Color outerTL, outerBR, innerTL, innerBR;
    } cases[] = {
        {EDGE_RAISED, BF_RECT, Sys(SystemColorIndex::Light3D), Sys(SystemColorIndex::DarkShadow3D),
         Sys(SystemColorIndex::ButtonHighlight), Sys(SystemColorIndex::ButtonShadow)},
        {EDGE_RAISED, BF_RECT | BF_SOFT, Sys(SystemColorIndex::ButtonHighlight),
         Sys(SystemColorIndex::DarkShadow3D), Sys(SystemColorIndex::Light3D),
         Sys(SystemColorIndex::ButtonShadow)},
        {EDGE_SUNKEN, BF_RECT, Sys(SystemColorIndex::ButtonShadow),
         Sys(SystemColorIndex::ButtonHighlight), Sys(SystemColorIndex::DarkShadow3D),
         Sys(SystemColorIndex::Light3D)},
    };
    for (const Case& c : cases) {
        auto s = NewSurface(12, 10, kBg);
        ASSERT_TRUE(DrawEdge(s->hDC(), Rect{1, 1, 11, 9}, c.edge, c.flags));
        EXPECT_EQ(At(*s, 1, 1), c.outerTL);
        EXPECT_EQ(At(*s, 5, 1), c.outerTL);
        EXPECT_EQ(At(*s, 1, 5), c.outerTL);
        EXPECT_EQ(At(*s, 10, 1), c.outerBR) << "right line owns the top-right corner";
        EXPECT_EQ(At(*s, 1, 8), c.outerBR) << "bottom line owns the bottom-left corner";
        EXPECT_EQ(At(*s, 10, 8), c.outerBR);
        EXPECT_EQ(At(*s, 2, 2), c.innerTL);
        EXPECT_EQ(At(*s, 9, 2), c.innerBR);
        EXPECT_EQ(At(*s, 9, 7), c.innerBR);
        EXPECT_EQ(At(*s, 5, 5), kBg) << "no middle without BF_MIDDLE";
        EXPECT_TRUE(AllAre(*s, {0, 0, 12, 1}, kBg) && AllAre(*s, {11, 0, 12, 10}, kBg) &&
                    AllAre(*s, {0, 9, 12, 10}, kBg))
            << "nothing outside the rectangle";
    }
}

TEST(DrawEdgeTest, MiddleFillsTheInsideWithTheButtonFace) {
    auto s = NewSurface(12, 10, kBg);
    DrawEdge(s->hDC(), Rect{0, 0, 12, 10}, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
    EXPECT_TRUE(AllAre(*s, {2, 2, 10, 8}, Sys(SystemColorIndex::ButtonFace)));
}

TEST(DrawEdgeTest, AnEdgeDrawnAloneLiesOnTheBorderAndPartialFlagsLeaveSidesOut) {
    auto s = NewSurface(12, 10, kBg);
    DrawEdge(s->hDC(), Rect{1, 1, 11, 9}, BDR_SUNKENINNER, BF_LEFT | BF_TOP | BF_RIGHT);
    EXPECT_EQ(At(*s, 1, 1), Sys(SystemColorIndex::DarkShadow3D));
    EXPECT_EQ(At(*s, 1, 8), Sys(SystemColorIndex::DarkShadow3D)) << "left line runs to the bottom";
    EXPECT_EQ(At(*s, 10, 8), Sys(SystemColorIndex::Light3D));
    EXPECT_TRUE(AllAre(*s, {2, 8, 10, 9}, kBg)) << "no bottom line";
    EXPECT_TRUE(AllAre(*s, {2, 2, 10, 9}, kBg)) << "nothing one pixel inside";
}

TEST(DrawFrameControlTest, ScrollArrowsRaisedAndPushed) {
    const Color black = 0;
    for (const uint32_t dir : {DFCS_SCROLLUP, DFCS_SCROLLDOWN}) {
        auto raised = NewSurface(13, 13, kBg);
        ASSERT_TRUE(DrawFrameControl(raised->hDC(), Rect{0, 0, 13, 13}, DFC_SCROLL, dir));
        EXPECT_EQ(At(*raised, 0, 0), Sys(SystemColorIndex::Light3D));
        EXPECT_EQ(At(*raised, 12, 12), Sys(SystemColorIndex::DarkShadow3D));
        EXPECT_EQ(Count(*raised, {0, 0, 13, 13}, black), 16) << "a triangle of 1 + 3 + 5 + 7";
        // The widest row is at the bottom of an up arrow and at the top of a down arrow.
        const int32_t wide = dir == DFCS_SCROLLUP ? 7 : 4, apex = dir == DFCS_SCROLLUP ? 4 : 7;
        EXPECT_EQ(Count(*raised, {0, wide, 13, wide + 1}, black), 7);
        EXPECT_EQ(Count(*raised, {0, apex, 13, apex + 1}, black), 1);
        EXPECT_EQ(At(*raised, 6, apex), black) << "centred";

        auto pushed = NewSurface(13, 13, kBg);
        DrawFrameControl(pushed->hDC(), Rect{0, 0, 13, 13}, DFC_SCROLL, dir | DFCS_PUSHED);
        EXPECT_EQ(At(*pushed, 0, 0), Sys(SystemColorIndex::ButtonShadow));
        EXPECT_EQ(At(*pushed, 12, 12), Sys(SystemColorIndex::ButtonShadow));
        EXPECT_EQ(At(*pushed, 1, 1), Sys(SystemColorIndex::ButtonFace));
        EXPECT_EQ(At(*pushed, 7, apex + 1), black) << "the glyph moves one pixel right and down";
        EXPECT_EQ(Count(*pushed, {0, 0, 13, 13}, black), 16);
    }
    auto s = NewSurface(13, 13, kBg);
    EXPECT_FALSE(DrawFrameControl(s->hDC(), Rect{0, 0, 13, 13}, 1, DFCS_SCROLLUP));
}

TEST(ClipRegionTest, ASelectedRegionLimitsPrintAndFillsUntilRestored) {
    auto s = NewSurface(60, 30, kBg);
    s->ForeColor(kWhite);
    const HDC hdc = s->hDC();
    {
        const SavedDeviceState saved(hdc);
        HRGN region = CreateRectRgnIndirect(Rect{0, 0, 60, 6});
        EXPECT_EQ(SelectClipRgn(hdc, region), SIMPLEREGION);
        EXPECT_TRUE(DeleteObject(region));
        s->CurrentX(2);
        s->CurrentY(0);
        s->Print("WWWW");
        s->Box(0, 10, 59, 29, kA, BoxFill::Filled);
        BitBlt(hdc, 0, 20, 10, 10, hdc, 0, 0, SRCCOPY);
    }
    EXPECT_GT(Count(*s, {0, 0, 60, 6}, kWhite), 0) << "the caption shows above the clip line";
    EXPECT_EQ(Count(*s, {0, 6, 60, 30}, kWhite), 0) << testing::SaveForInspection(*s, "clip-print");
    EXPECT_EQ(Count(*s, {0, 6, 60, 30}, kA), 0);
    s->Box(0, 10, 59, 29, kB, BoxFill::Filled);
    EXPECT_TRUE(AllAre(*s, {0, 10, 60, 30}, kB)) << "restoring the state removed the clip";
    EXPECT_FALSE(RestoreDC(hdc, 1)) << "nothing left to restore";
}

TEST(PtInRectTest, LeftAndTopInsideRightAndBottomOutside) {
    const Rect rc{0, 18, 120, 36};
    EXPECT_TRUE(PtInRect(rc, 0, 18));
    EXPECT_TRUE(PtInRect(rc, 119, 35));
    EXPECT_FALSE(PtInRect(rc, 120, 20));
    EXPECT_FALSE(PtInRect(rc, 5, 36));
    EXPECT_FALSE(PtInRect(Rect{}, 0, 0));
}

}  // namespace
}  // namespace tavrel
