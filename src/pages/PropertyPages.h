#pragma once

#include <vector>

#include "platform/FileDialog.h"
#include "platform/PictureCodec.h"
#include "platform/PropertyPage.h"

namespace tavrel::pages {

// The control's property pages in the order it names them, each with its tab title. The item
// page browses through `fileDialog` and loads icons with `codec`; both must outlive the pages.
std::vector<PropertyPageEntry> TavrelPropertyPages(FileDialog& fileDialog,
                                                   const PictureCodec& codec);

}  // namespace tavrel::pages
