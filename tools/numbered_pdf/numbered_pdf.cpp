#include "numbered_pdf.h"

#include "core/number_text.h"

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>

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

// `bytes` spaces, deflated.
std::string deflatedSpaces(std::size_t bytes) {
    Pl_Buffer buffer("deflated");
    Pl_Flate flate("deflate", &buffer, Pl_Flate::a_deflate);
    const std::string chunk(std::size_t{1} << 20, ' ');
    for (std::size_t done = 0; done < bytes; done += chunk.size())
        flate.write(reinterpret_cast<const unsigned char*>(chunk.data()),
                    std::min(chunk.size(), bytes - done));
    flate.finish();
    const auto data = buffer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
}

} // namespace

void writeNumberedPdf(const std::string& path, const std::vector<NumberedPage>& pages,
                      int textLines, std::size_t paddingBytes) {
    QPDF pdf;
    pdf.emptyPDF();
    const QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    QPDFPageDocumentHelper document(pdf);
    const std::string padding = paddingBytes > 0 ? deflatedSpaces(paddingBytes) : "";
    int number = 0;
    const auto padded = [&](QPDFObjectHandle content) {
        if (paddingBytes == 0 || number > 1)
            return content;
        std::vector<QPDFObjectHandle> streams;
        for (int i = 0; i < 2; ++i) {
            streams.push_back(QPDFObjectHandle::newStream(&pdf, padding));
            streams.back().getDict().replaceKey("/Filter",
                                                QPDFObjectHandle::newName("/FlateDecode"));
        }
        return QPDFObjectHandle::newArray({streams[0], content, streams[1]});
    };
    for (const NumberedPage& shape : pages) {
        QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Page /MediaBox [0 0 " + point(shape.width, shape.height) + "] /Rotate " +
            decimalText(shape.rotate) + " /Resources << /Font << >> >> >>"));
        page.getKey("/Resources").getKey("/Font").replaceKey("/F1", font);
        page.replaceKey("/Contents", padded(QPDFObjectHandle::newStream(
                                         &pdf, pageContent(shape, ++number, textLines))));
        document.addPage(QPDFPageObjectHelper(page), false);
    }
    QPDFWriter writer(pdf, path.c_str());
    writer.setDecodeLevel(qpdf_dl_none); // the padding stays as deflated as it was made
    writer.write();
}

} // namespace plicora
