#include "control/Automation.h"

#include <array>
#include <cctype>

#include "control/Tavrel.h"
#include "platform/Text.h"

namespace tavrel {

namespace {

using Kind = AutomationMember::Kind;
using Type = AutomationMember::Type;
using conversion::ToBool;
using conversion::ToInt16;
using conversion::ToInt32;
using conversion::ToPicture;
using conversion::ToText;

// Converts the value, then hands it to the setter; a failed conversion changes nothing.
template <class Convert, class Apply>
ErrorOr<void> Put(const Variant& value, Convert convert, Apply apply) {
    auto converted = convert(value);
    if (converted.IsError()) return converted.Error();
    apply(std::move(converted).Value());
    return {};
}

const std::array<AutomationMember, 19> kMembers = {{
    {"MenusMax", 1, Kind::Property, Type::Int32, [](Tavrel& c) -> Variant { return c.MenusMax(); },
     [](Tavrel& c, const Variant& v) { return Put(v, ToInt32, [&](int32_t n) { c.MenusMax(n); }); },
     nullptr, ""},
    {"MenuCur", 2, Kind::Property, Type::Int32, [](Tavrel& c) -> Variant { return c.MenuCur(); },
     [](Tavrel& c, const Variant& v) { return Put(v, ToInt32, [&](int32_t n) { c.MenuCur(n); }); },
     nullptr, ""},
    {"MenuStartup", 3, Kind::Property, Type::Int32,
     [](Tavrel& c) -> Variant { return c.MenuStartup(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToInt32, [&](int32_t n) { c.MenuStartup(n); });
     },
     nullptr, ""},
    {"MenuCaption", 4, Kind::Property, Type::Text,
     [](Tavrel& c) -> Variant { return c.MenuCaption(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToText, [&](const std::string& s) { c.MenuCaption(s); });
     },
     nullptr, ""},
    {"MenuItemCaption", 5, Kind::Property, Type::Text,
     [](Tavrel& c) -> Variant { return c.MenuItemCaption(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToText, [&](const std::string& s) { c.MenuItemCaption(s); });
     },
     nullptr, ""},
    {"MenuItemIcon", 6, Kind::Property, Type::Picture,
     [](Tavrel& c) -> Variant { return c.MenuItemIcon(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToPicture, [&](const Picture& p) { c.MenuItemIcon(p); });
     },
     nullptr, ""},
    {"MenuItemPictureURL", 7, Kind::Property, Type::Text,
     [](Tavrel& c) -> Variant { return c.MenuItemPictureURL(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToText, [&](const std::string& s) { c.MenuItemPictureURL(s); });
     },
     nullptr, ""},
    {"MenuItemKey", 8, Kind::Property, Type::Text,
     [](Tavrel& c) -> Variant { return c.MenuItemKey(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToText, [&](const std::string& s) { c.MenuItemKey(s); });
     },
     nullptr, ""},
    {"MenuItemTag", 9, Kind::Property, Type::Text,
     [](Tavrel& c) -> Variant { return c.MenuItemTag(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToText, [&](const std::string& s) { c.MenuItemTag(s); });
     },
     nullptr, ""},
    {"MenuItemsMax", 10, Kind::Property, Type::Int32,
     [](Tavrel& c) -> Variant { return c.MenuItemsMax(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToInt32, [&](int32_t n) { c.MenuItemsMax(n); });
     },
     nullptr, ""},
    {"MenuItemCur", 11, Kind::Property, Type::Int32,
     [](Tavrel& c) -> Variant { return c.MenuItemCur(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToInt32, [&](int32_t n) { c.MenuItemCur(n); });
     },
     nullptr, ""},
    {"SetupCache", 12, Kind::Method, Type::None, nullptr, nullptr,
     [](Tavrel& c) -> ErrorOr<void> {
         c.SetupCache();
         return {};
     },
     ""},
    {"WhatsThisHelpID", 13, Kind::Property, Type::Int32,
     [](Tavrel& c) -> Variant { return c.WhatsThisHelpID(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToInt32, [&](int32_t n) { c.WhatsThisHelpID(n); });
     },
     nullptr, "Returns/sets an associated context number for an object."},
    {"ToolTipText", 14, Kind::Property, Type::Text,
     [](Tavrel& c) -> Variant { return c.ToolTipText(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToText, [&](const std::string& s) { c.ToolTipText(s); });
     },
     nullptr, "Returns/sets the text displayed when the mouse is paused over the control."},
    {"Refresh", 15, Kind::Method, Type::None, nullptr, nullptr,
     [](Tavrel& c) { return c.Refresh(); }, "Forces a complete repaint of a object."},
    {"MousePointer", 16, Kind::Property, Type::Int16,
     [](Tavrel& c) -> Variant { return c.MousePointer(); },
     [](Tavrel& c, const Variant& v) {
         return Put(v, ToInt16, [&](int16_t n) { c.MousePointer(n); });
     },
     nullptr, "Returns/sets the type of mouse pointer displayed when over part of an object."},
    {"Enabled", 17, Kind::Property, Type::Bool, [](Tavrel& c) -> Variant { return c.Enabled(); },
     [](Tavrel& c, const Variant& v) { return Put(v, ToBool, [&](bool b) { c.Enabled(b); }); },
     nullptr,
     "Returns/sets a value that determines whether an object can respond to user-generated "
     "events."},
    {"ClipControls", 18, Kind::Property, Type::Bool,
     [](Tavrel& c) -> Variant { return c.ClipControls(); },
     [](Tavrel& c, const Variant& v) { return Put(v, ToBool, [&](bool b) { c.ClipControls(b); }); },
     nullptr,
     "Determines whether graphics methods in Paint events repaint an entire object or newly "
     "exposed areas."},
    {"ShowAboutBox", kDispIdAboutBox, Kind::Method, Type::None, nullptr, nullptr,
     [](Tavrel& c) { return c.ShowAboutBox(); }, ""},
}};

Failure NotFound(std::string_view sName) {
    return Failure{"Member not found: " + std::string(sName)};
}

}  // namespace

std::span<const AutomationMember> TavrelMembers() {
    return kMembers;
}

const AutomationMember* FindMember(std::string_view sName) {
    for (const AutomationMember& member : kMembers)
        if (EqualsIgnoringCase(member.sName, sName)) return &member;
    return nullptr;
}

ErrorOr<Variant> GetProperty(Tavrel& control, std::string_view sName) {
    const AutomationMember* member = FindMember(sName);
    if (member == nullptr) return NotFound(sName);
    if (member->get == nullptr) return Failure{std::string(member->sName) + " is a method"};
    return member->get(control);
}

ErrorOr<void> PutProperty(Tavrel& control, std::string_view sName, const Variant& value) {
    const AutomationMember* member = FindMember(sName);
    if (member == nullptr) return NotFound(sName);
    if (member->put == nullptr) return Failure{std::string(member->sName) + " is a method"};
    return member->put(control, value);
}

ErrorOr<void> CallMethod(Tavrel& control, std::string_view sName) {
    const AutomationMember* member = FindMember(sName);
    if (member == nullptr) return NotFound(sName);
    if (member->call == nullptr) return Failure{std::string(member->sName) + " is a property"};
    return member->call(control);
}

}  // namespace tavrel
