// Calls of the automation interface made of the input: a member, a kind of call and a value of
// some type each, then a paint.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzControl.h"
#include "FuzzGui.h"
#include "FuzzReader.h"
#include "control/Automation.h"

using namespace tavrel;

namespace {

Variant ValueFrom(Reader& in) {
    switch (in.Byte() % 7) {
        case 0:
            return Variant{};
        case 1:
            return Variant(in.Byte() % 2 == 1);
        case 2:
            return Variant(static_cast<int16_t>(in.Int()));
        case 3:
            return Variant(in.Int());
        case 4:
            return Variant(static_cast<double>(in.Int()) / 7.0);
        case 5:
            return Variant(in.Text());
        default: {
            const int32_t side = 1 + in.Byte() % 64;
            return Variant(Picture(PixelImage{
                side, side, std::vector<uint32_t>(size_t(side) * side, 0xFF000000u | in.Byte())}));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzControl fuzz;
    Tavrel& control = fuzz.control;
    Reader in{data, size};
    const auto members = TavrelMembers();
    for (int calls = 0; calls < 64 && !in.Done(); ++calls) {
        const AutomationMember& member = members[in.Byte() % members.size()];
        const std::string name =
            in.Byte() % 2 ? member.sName : in.Text();  // now and then a made-up name
        switch (in.Byte() % 3) {
            case 0:
                (void)GetProperty(control, name);
                break;
            case 1:
                (void)PutProperty(control, name, ValueFrom(in));
                break;
            default:
                (void)CallMethod(control, name);
                break;
        }
        if (in.Byte() % 4 == 0) control.OnPaint();
    }
    control.OnPaint();
    return 0;
}
