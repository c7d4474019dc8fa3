#pragma once

#include "core/page.h"
#include "core/paper.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <vector>

namespace plicora {

// A number in a content stream: fixed notation whatever the locale, as PDF has no exponents.
std::string pdfNumber(double value);

// The cells of a side of `size` in the order they are filled, as qpdf's rectangles.
std::vector<QPDFObjectHandle::Rectangle> sideCells(Mode mode, SideSize size);

} // namespace plicora
