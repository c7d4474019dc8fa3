#pragma once

#include "core/page.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <span>

namespace plicora {

// A sheet side: an A4 page in landscape, in points.
inline constexpr double sideWidth = 842;
inline constexpr double sideHeight = 595;
// The sheet the sides are printed on, as printers name it (the PWG's media name).
inline constexpr const char* sideMedia = "iso_a4_210x297mm";

// The cells of a side in the order they are filled: left then right in four-up mode; top-left,
// bottom-left, top-right, bottom-right (vertical order) in eight-up mode.
std::span<const QPDFObjectHandle::Rectangle> sideCells(Mode mode);

} // namespace plicora
