#include "pages/PropertyPages.h"

#include <string_view>

#include "control/Tavrel.h"
#include "pages/MenuItemObjects.h"
#include "pages/MenuObjects.h"
#include "pages/Menues.h"

namespace tavrel::pages {

namespace {
template <class Page>
PropertyPageEntry Entry(std::string sName, std::function<std::unique_ptr<Page>()> create) {
    return PropertyPageEntry{std::move(sName), Page::kCaption,
                             [create] { return std::unique_ptr<PropertyPage>(create()); }};
}
}  // namespace

std::vector<PropertyPageEntry> TavrelPropertyPages(FileDialog& fileDialog,
                                                   const PictureCodec& codec) {
    std::vector<PropertyPageEntry> entries;
    for (const std::string_view sName : Tavrel::kPropertyPages) {
        if (sName == "Menues")
            entries.push_back(Entry<Menues>("Menues", [] { return std::make_unique<Menues>(); }));
        else if (sName == "MenuObjects")
            entries.push_back(
                Entry<MenuObjects>("MenuObjects", [] { return std::make_unique<MenuObjects>(); }));
        else if (sName == "MenuItemObjects")
            entries.push_back(Entry<MenuItemObjects>("MenuItemObjects", [&fileDialog, &codec] {
                return std::make_unique<MenuItemObjects>(fileDialog, codec);
            }));
    }
    return entries;
}

}  // namespace tavrel::pages
