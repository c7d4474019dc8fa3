#include "booklet.h"

#include "booklet_pdf.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition_messages.h"
#include "sheet_side.h"

#include <algorithm>
#include <filesystem>

namespace plicora {
namespace {

std::filesystem::path pathOf(const std::string& utf8Path) {
    return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

// Runs `build`, reporting damage qpdf finds while reading pages lazily as a damaged document.
template <typename Build> void readingPages(Build build) {
    try {
        build();
    } catch (const UserError&) {
        throw;
    } catch (const std::runtime_error&) {
        throw UserError(damagedPdfMessage);
    }
}

} // namespace

Booklet::Booklet(const std::string& inputPath, Mode mode)
    : source_(inputPath), mode_(mode),
      check_(checkPageCount(
          checkedPage(static_cast<int>(std::min<std::size_t>(source_.pageCount(), pageMax + 1))),
          mode)) {}

void Booklet::refuseInput(const std::string& path) const {
    std::error_code error;
    if (std::filesystem::equivalent(pathOf(path), pathOf(source_.path()), error))
        throw UserError(outputIsInputMessage);
}

void Booklet::writeDuplex(const std::string& path) {
    refuseInput(path);
    const BookletSides sides = bookletSides(mode_, check_.pageCount);
    BookletPdf pdf(source_, mode_, "/DuplexFlipShortEdge", warnings_);
    readingPages([&] {
        for (std::size_t i = 0; i < sides.fronts.size(); ++i) {
            pdf.addSide(sides.fronts[i]);
            pdf.addSide(sides.backs[i]);
        }
    });
    writeFile(path, [&](std::FILE* file) { pdf.write(file); });
}

void Booklet::writeSeparate(const std::string& frontPath, const std::string& backPath) {
    refuseInput(frontPath);
    refuseInput(backPath);
    const BookletSides sides = bookletSides(mode_, check_.pageCount);
    // Each run is printed one-sided.
    BookletPdf fronts(source_, mode_, "/Simplex", warnings_);
    BookletPdf backs(source_, mode_, "/Simplex", warnings_);
    readingPages([&] {
        for (const SheetSide& side : sides.fronts)
            fronts.addSide(side);
        for (const SheetSide& side : sides.backs)
            backs.addSide(side);
    });
    writeFile(frontPath, [&](std::FILE* frontFile) {
        fronts.write(frontFile);
        if (std::fflush(frontFile) != 0)
            throw UserError(writeFailedMessage);
        // The backs go into place only when the fronts are wholly written, and a failure here
        // discards the fronts' temporary file: no half pair is left behind.
        writeFile(backPath, [&](std::FILE* backFile) { backs.write(backFile); });
    });
}

} // namespace plicora
