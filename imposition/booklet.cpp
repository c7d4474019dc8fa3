#include "booklet.h"

#include "booklet_pdf.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition_messages.h"

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
          checkedPage(static_cast<int>(std::min<std::size_t>(source_.pages().size(), pageMax + 1))),
          mode)) {}

SheetSides Booklet::sides() const {
    // The document's own pages, counted from 1; the rest of the last sheet is left blank.
    return sheetSides(mode_, check_.pageCount, 0, static_cast<int>(source_.pages().size()));
}

void Booklet::refuseInput(const std::string& path) const {
    std::error_code error;
    if (std::filesystem::equivalent(pathOf(path), pathOf(source_.path()), error))
        throw UserError(outputIsInputMessage);
}

void Booklet::writeDuplex(const std::string& path, const Progress& progress) {
    refuseInput(path);
    writeFile(path, [&](std::FILE* file) { writeDuplex(file, progress); });
}

void Booklet::writeDuplex(std::FILE* file, const Progress& progress) {
    BookletPdf pdf(source_, mode_, "/DuplexFlipShortEdge");
    readingPages([&] {
        for (const Sheet& sheet : sides().sheets) {
            pdf.addSide(sheet.front);
            pdf.addSide(sheet.back);
        }
    });
    pdf.write(file, progress);
}

void Booklet::writeSeparate(const std::string& frontPath, const std::string& backPath,
                            const Progress& progress) {
    refuseInput(frontPath);
    refuseInput(backPath);
    // Each run is printed one-sided.
    BookletPdf fronts(source_, mode_, "/Simplex");
    BookletPdf backs(source_, mode_, "/Simplex");
    readingPages([&] {
        for (const Sheet& sheet : sides().sheets) {
            fronts.addSide(sheet.front);
            backs.addSide(sheet.back);
        }
    });
    // Each file is half the work; neither earlier file is replaced unless both can be.
    const auto half = [&](int from) {
        return [&progress, from](int percent) {
            if (progress)
                progress(from + percent / 2);
        };
    };
    writeFilePair(
        frontPath, [&](std::FILE* file) { fronts.write(file, half(0)); }, backPath,
        [&](std::FILE* file) { backs.write(file, half(50)); });
}

} // namespace plicora
