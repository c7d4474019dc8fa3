#pragma once

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <memory>
#include <string>
#include <vector>

namespace plicora {

// The first page whose content could not be read while a booklet was written; 0 for none.
struct ContentFailure {
    int page = 0;
};

// A page as a form XObject, and the box it shows once its matrix has turned it: what placing it
// in a cell needs.
struct PageForm {
    QPDFObjectHandle form;
    QPDFObjectHandle::Rectangle shown;
};

// Page `number` (counted from 1) as a form XObject to place on a sheet side: the box a viewer
// shows (pageGeometry, whose repairs go to `warnings`) as its bounding box and the page's
// rotation in its matrix. A page drawn by one content stream keeps that stream's data as stored;
// several streams are joined a piece at a time while the booklet is written, for the writer to
// compress. Throws UserError naming the page when qpdf could not read the page itself; content
// that turns out unreadable while writing is recorded in `failure`.
PageForm pageForm(QPDFPageObjectHelper& page, int number, std::vector<std::string>& warnings,
                  const std::shared_ptr<ContentFailure>& failure);

} // namespace plicora
