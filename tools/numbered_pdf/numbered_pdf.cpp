#include "numbered_pdf.h"

#include "core/number_text.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace plicora {
namespace {

constexpr int numberSize = 24;
constexpr int margin = 60;

// A point in whole points, as PDF operands.
std::string point(double x, double y) {
    return decimalText(static_cast<int>(x)) + " " + decimalText(static_cast<int>(y));
}

// The text matrix that writes upright, as the viewer shows the page, from `x`, `y`.
std::string textMatrix(int rotate, double x, double y) {
    switch (rotate) {
    case 90:
        return "0 1 -1 0 " + point(x, y) + " Tm";
    case 180:
        return "-1 0 0 -1 " + point(x, y) + " Tm";
    case 270:
        return "0 -1 1 0 " + point(x, y) + " Tm";
    default:
        return "1 0 0 1 " + point(x, y) + " Tm";
    }
}

std::string pageContent(const NumberedPage& page, int number, int textLines) {
    const std::string digits = decimalText(number);
    const double halfWidth = 0.278 * numberSize * static_cast<double>(digits.size()); // Helvetica
    const double w = page.width, h = page.height;
    // Where the number starts, so that it is centred on the top edge as shown.
    double x = w / 2 - halfWidth, y = h - margin;
    if (page.rotate == 90)
        x = margin, y = h / 2 - halfWidth;
    else if (page.rotate == 180)
        x = w / 2 + halfWidth, y = margin;
    else if (page.rotate == 270)
        x = w - margin, y = h / 2 + halfWidth;
    std::string content = "BT /F1 " + decimalText(numberSize) + " Tf " +
                          textMatrix(page.rotate, x, y) + " (" + digits + ") Tj ET\n";
    if (textLines > 0) {
        content += "BT /F1 11 Tf 13 TL " + textMatrix(0, margin, h - 2 * margin) + "\n";
        for (int line = 0; line < textLines; ++line)
            content += "(Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do "
                       "eiusmod tempor incididunt ut labore et dolore.) '\n";
        content += "ET\n";
    }
    return content;
}

} // namespace

void writeNumberedPdf(const std::string& path, const std::vector<NumberedPage>& pages,
                      int textLines) {
    QPDF pdf;
    pdf.emptyPDF();
    const QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    QPDFPageDocumentHelper document(pdf);
    int number = 0;
    for (const NumberedPage& shape : pages) {
        QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Page /MediaBox [0 0 " + point(shape.width, shape.height) + "] /Rotate " +
            decimalText(shape.rotate) + " /Resources << /Font << >> >> >>"));
        page.getKey("/Resources").getKey("/Font").replaceKey("/F1", font);
        page.replaceKey("/Contents",
                        QPDFObjectHandle::newStream(&pdf, pageContent(shape, ++number, textLines)));
        document.addPage(QPDFPageObjectHelper(page), false);
    }
    QPDFWriter writer(pdf, path.c_str());
    writer.write();
}

} // namespace plicora
