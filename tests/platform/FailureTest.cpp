#include <gtest/gtest.h>

#include <climits>

#include "platform/Checked.h"
#include "platform/Failure.h"
#include "platform/Rounding.h"

namespace tavrel {
namespace {

TEST(StepTest, AFailingStepIsSkippedAndTheOperationGoesOn) {
    int reached = 0;
    const bool bFirst = Step([&] { Fail("missing menu"); });
    Step([&] { reached = 2; });
    EXPECT_FALSE(bFirst);
    EXPECT_EQ(reached, 2);
}

TEST(StepTest, AttemptStopsAtTheFirstFailureAndReportsIt) {
    int reached = 0;
    const ErrorOr<int> result = Attempt([&]() -> int {
        reached = 1;
        Fail("no open menu");
        reached = 2;
        return 7;
    });
    ASSERT_TRUE(result.IsError());
    EXPECT_EQ(result.Error().sReason, "no open menu");
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(Attempt([] { return 7; }).Value(), 7);
    EXPECT_FALSE(Attempt([] {}).IsError());
}

TEST(StepTest, RequireTurnsAMissingObjectIntoAFailingStep) {
    int* nothing = nullptr;
    EXPECT_FALSE(Step([&] { Require(nothing, "menu"); }));
    std::shared_ptr<int> none;
    EXPECT_FALSE(Step([&] { Require(none, "surface"); }));
}

TEST(CheckedTest, OverflowIsAFailingStepAtTheLimits) {
    struct Case {
        const char* name;
        int32_t (*op)(int32_t, int32_t);
        int32_t a, b;
        bool bFails;
    } cases[] = {
        {"add max+1", checked::Add, INT32_MAX, 1, true},
        {"add max+0", checked::Add, INT32_MAX, 0, false},
        {"add min-1", checked::Add, INT32_MIN, -1, true},
        {"sub min-1", checked::Sub, INT32_MIN, 1, true},
        {"sub 0-min", checked::Sub, 0, INT32_MIN, true},
        {"mul 65536^2", checked::Mul, 65536, 65536, true},
        {"mul -1*max", checked::Mul, -1, INT32_MAX, false},
        {"div by 0", checked::Div, 5, 0, true},
        {"div min/-1", checked::Div, INT32_MIN, -1, true},
        {"div -7/2", checked::Div, -7, 2, false},
    };
    for (const Case& c : cases) EXPECT_EQ(!Step([&] { c.op(c.a, c.b); }), c.bFails) << c.name;
    EXPECT_EQ(checked::Div(-7, 2), -3);  // truncates towards zero
    EXPECT_FALSE(Step([] { checked::Narrow(int64_t{INT32_MAX} + 1); }));
}

TEST(RoundingTest, HalvesGoToEvenAndTheRangeIsChecked) {
    const std::pair<double, int32_t> cases[] = {{2.5, 2},  {3.5, 4},  {-2.5, -2},   {0.5, 0},
                                                {1.49, 1}, {1.51, 2}, {119.5, 120}, {120.5, 120}};
    for (auto [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
    EXPECT_FALSE(Step([] { RoundHalfEven(3e9); }));
    EXPECT_FALSE(Step([] { RoundHalfEven(std::nan("")); }));
    EXPECT_EQ(TruncateToInt32(-7.9), -7);
}

}  // namespace
}  // namespace tavrel
