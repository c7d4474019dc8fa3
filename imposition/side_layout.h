#pragma once

#include "core/page.h"
#include "core/paper.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <vector>

namespace plicora {

// A number in a content stream: fixed notation whatever the locale, as PDF has no exponents.
std::string pdfNumber(double value);

// The cells of a side of `size` in the order they are filled: left then right in four-up mode;
// top-left, bottom-left, top-right, bottom-right (vertical order) in eight-up mode. `margin`
// points along each edge of the side are left out of them (the folds inside keep none).
std::vector<QPDFObjectHandle::Rectangle> sideCells(Mode mode, SideSize size, double margin = 0);

} // namespace plicora
