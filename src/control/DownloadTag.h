#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// The name a picture download is requested under: the current menu number immediately followed
// by the current item number, in decimal ("27" is menu 2, item 7; "310" menu 3, item 10).
std::string MakeDownloadTag(int32_t lMenu, int32_t lItem);

struct DownloadAddress {
    int32_t lMenu = 0;
    int32_t lItem = 0;
};
// The first character is the menu number, the rest the item number; what is not a number
// decodes as 0, which addresses nothing.
DownloadAddress DecodeDownloadTag(const std::string& sTag);

}  // namespace tavrel
