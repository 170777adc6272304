#include <gtest/gtest.h>

#include <climits>

#include "platform/DialogModels.h"

namespace tavrel {
namespace {

TEST(TextBoxTest, EveryChangeNotifiesAndTheMaximumLengthCuts) {
    TextBox box;
    int changes = 0;
    box.OnChange([&] { ++changes; });
    box.Text("3");
    box.Text("3");
    EXPECT_EQ(changes, 1) << "the same text again is no change";
    box.MaxLength(4);
    box.Text("Menus and more");
    EXPECT_EQ(box.Text(), "Menu");
    box.MaxLength(2);
    box.Text("Ünï");  // two bytes for Ü: the cut stays before ï's first byte
    EXPECT_EQ(box.Text(), "Ü");
    box.Text("");
    EXPECT_EQ(changes, 4);
}

TEST(SpinnerTest, ArrowsRangeAndNotifications) {
    Spinner spin;
    int changes = 0;
    spin.OnChange([&] { ++changes; });
    spin.Min(1);
    EXPECT_EQ(spin.Value(), 1) << "the range moved the position, and that notifies";
    EXPECT_EQ(changes, 1);
    spin.Max(3);
    spin.DownArrow();
    EXPECT_EQ(spin.Value(), 2) << "the lower arrow goes towards Max";
    spin.DownArrow();
    spin.DownArrow();
    EXPECT_EQ(spin.Value(), 3);
    EXPECT_EQ(changes, 3) << "the arrow at its end changes nothing";
    spin.UpArrow();
    EXPECT_EQ(spin.Value(), 2);
    spin.Max(1);
    EXPECT_EQ(spin.Value(), 1) << "a smaller Max pulls the position down";
    spin.Value(INT32_MAX);
    EXPECT_EQ(spin.Value(), 1);

    Spinner reversed;
    reversed.Min(5);
    reversed.Max(2);
    EXPECT_EQ(reversed.Value(), 5) << "Min above Max: still inside the range";
    reversed.DownArrow();
    EXPECT_EQ(reversed.Value(), 4) << "the lower arrow still moves towards Max";
    reversed.UpArrow();
    EXPECT_EQ(reversed.Value(), 5) << "and the upper one towards Min";
    reversed.Value(-7);
    EXPECT_EQ(reversed.Value(), 2);
    Spinner limits;
    limits.Min(INT32_MIN);
    limits.Max(INT32_MIN);
    limits.UpArrow();
    EXPECT_EQ(limits.Value(), INT32_MIN) << "no overflow at the limit";
}

}  // namespace
}  // namespace tavrel
