#pragma once

#include <memory>
#include <string>

#include "platform/Failure.h"
#include "platform/Surface.h"

namespace tavrel::qt {

// A surface on a QImage, filled with its background colour.
std::shared_ptr<Surface> MakeSurface(int32_t width, int32_t height);

// Writes what the surface shows to a PNG file: for looking at a picture when debugging or when a
// test fails.
ErrorOr<void> SavePng(const Surface& surface, const std::string& sPath);

}  // namespace tavrel::qt
