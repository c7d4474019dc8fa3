#include "test_sheet.h"

#include "core/number_text.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition_messages.h"
#include "side_layout.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>

namespace plicora {
namespace {

constexpr int testSheets = 2;
// The marks are laid out on an A4 side.
constexpr SideSize marked;
constexpr int halfWidth = marked.width / 2;
constexpr int height = marked.height;

// Coordinates are whole points, so operands are plain decimal integers.
std::string number(int value) {
    return decimalText(value);
}

// `words` (plain ASCII) in font /F1 at `size` points, their baseline starting at x, y.
std::string text(int x, int y, int size, const std::string& words) {
    return "BT /F1 " + number(size) + " Tf " + number(x) + " " + number(y) + " Td (" + words +
           ") Tj ET\n";
}

// A filled polygon through `points`, x and y in turn.
std::string polygon(std::initializer_list<int> points) {
    std::string path;
    bool first = true;
    for (auto point = points.begin(); point != points.end(); point += 2) {
        path += number(point[0]) + " " + number(point[1]) + (first ? " m " : " l ");
        first = false;
    }
    return path + "f\n";
}

// The marks on one half of a side, the half starting at `left`; `fold` is +1 when the fold is to
// its right and -1 when to its left.
std::string half(int left, int fold, const std::string& face, int sheet) {
    // The arrow to the fold runs across the half towards its inner edge.
    const int inner = fold > 0 ? left + halfWidth - 20 : left + 20;
    const int outer = fold > 0 ? left + 40 : left + halfWidth - 40;
    const int base = inner - fold * 40;
    return polygon({left + 60, 575, left + 35, 535, left + 85, 535}) +
           polygon({left + 52, 535, left + 68, 535, left + 68, 480, left + 52, 480}) +
           text(left + 100, 520, 40, "ALTO") + text(left + 40, 400, 64, face) +
           text(left + 40, 320, 44, "foglio " + number(sheet)) +
           polygon(
               {outer, 196, base, 196, base, 180, inner, 200, base, 220, base, 204, outer, 204}) +
           text(fold > 0 ? base - 120 : base + 20, 230, 24, "piega");
}

// One side of test sheet `sheet`: its face's marks in both halves, the fold dashed between them
// and, eight-up, the line between the pages above and below.
std::string side(Mode mode, const std::string& face, int sheet) {
    std::string content = half(0, 1, face, sheet) + half(halfWidth, -1, face, sheet);
    content += "q [12 8] 0 d 2 w " + number(halfWidth) + " 20 m " + number(halfWidth) + " " +
               number(height - 20) + " l S Q\n";
    if (mode == Mode::EightUp)
        content += "q [2 6] 0 d 1 w 20 " + number(height / 2) + " m " + number(2 * halfWidth - 20) +
                   " " + number(height / 2) + " l S Q\n";
    const std::string caption = "Prova per la stampa a " + number(pagesPerSheet(mode)) +
                                " pagine per foglio, foglio " + number(sheet) + " di " +
                                number(testSheets);
    return content + text(40, 30, 12, caption);
}

// `content`, drawn for an A4 side, scaled to fit a side of `size` and centred there; the fold
// stays in the middle.
std::string fitted(const std::string& content, SideSize size) {
    if (size == marked)
        return content;
    const double scale = std::min(static_cast<double>(size.width) / marked.width,
                                  static_cast<double>(size.height) / marked.height);
    return "q " + pdfNumber(scale) + " 0 0 " + pdfNumber(scale) + " " +
           pdfNumber((size.width - scale * marked.width) / 2) + " " +
           pdfNumber((size.height - scale * marked.height) / 2) + " cm\n" + content + "Q\n";
}

// A PDF of the sides of `face` of every test sheet.
class TestPdf {
public:
    TestPdf(Mode mode, SideSize size, const std::string& face) {
        pdf_.emptyPDF();
        const QPDFObjectHandle font = pdf_.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold "
                                    "/Encoding /WinAnsiEncoding >>"));
        QPDFPageDocumentHelper pages(pdf_);
        for (int sheet = 1; sheet <= testSheets; ++sheet) {
            QPDFObjectHandle page = pdf_.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 " + number(size.width) +
                                        " " + number(size.height) + "] >>"));
            QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
            fonts.replaceKey("/F1", font);
            QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
            resources.replaceKey("/Font", fonts);
            page.replaceKey("/Resources", resources);
            page.replaceKey("/Contents", QPDFObjectHandle::newStream(
                                             &pdf_, fitted(side(mode, face, sheet), size)));
            pages.addPage(page, false);
        }
        // Printed one-sided, as the booklet's separate files.
        pdf_.getRoot().replaceKey("/ViewerPreferences",
                                  QPDFObjectHandle::parse("<< /Duplex /Simplex >>"));
    }

    // Writes the PDF to `file`; throws UserError when that fails.
    void write(std::FILE* file) {
        try {
            QPDFWriter writer(pdf_);
            writer.setOutputFile("prova", file, false);
            writer.write();
        } catch (const std::runtime_error&) {
            throw UserError(writeFailedMessage);
        }
    }

private:
    QPDF pdf_;
};

} // namespace

void writeTestSheet(Mode mode, SideSize size, const std::string& frontPath,
                    const std::string& backPath, const Report& report) {
    TestPdf fronts(mode, size, "FRONTE");
    TestPdf backs(mode, size, "RETRO");
    writeFilePair(
        frontPath, [&](std::FILE* file) { fronts.write(file); }, backPath,
        [&](std::FILE* file) { backs.write(file); }, report);
}

void writeTestSheet(Mode mode, SideSize size, std::FILE* frontFile, std::FILE* backFile) {
    TestPdf(mode, size, "FRONTE").write(frontFile);
    TestPdf(mode, size, "RETRO").write(backFile);
}

} // namespace plicora
