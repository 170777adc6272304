#pragma once

#include <string>

#include "platform/FileDialog.h"

namespace tavrel::pages {

// What the icon file chooser asks of the dialog: "Select Icon", icon files only, no owner, the
// default folder, a name of blanks, and a file that does not exist yet accepted in a folder that
// does.
OpenFileRequest IconFileRequest();

// The chosen icon file's path, or the empty string when the user cancelled or the dialog failed.
// Nothing is shown either way.
std::string BrowseIconFile(FileDialog& dialog);

// Whether the path names a file that can be opened for reading: never the empty string, a
// folder, a missing file or something that is not a plain file (a pipe, a device).
bool FileExists(const std::string& sPath);

}  // namespace tavrel::pages
