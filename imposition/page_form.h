#pragma once

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace plicora {

// `page` as a form XObject to place on a sheet side, made by qpdf with the page's rotation in its
// matrix. A page drawn by one content stream keeps that stream's data as stored.
QPDFObjectHandle pageForm(QPDFPageObjectHelper& page);

} // namespace plicora
