#include "booklet.h"

#include "booklet_pdf.h"
#include "core/side_cells.h"
#include "core/user_error.h"
#include "document_error.h"
#include "files/file_writer.h"
#include "imposition_messages.h"

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace plicora {
namespace {

std::filesystem::path pathOf(const std::string& utf8Path) {
    return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

// Runs `build` and gives what it gives, reporting what qpdf throws while it reads pages lazily
// (damage, memory running out) as what that means for the document.
template <typename Build> auto readingPages(Build build) -> decltype(build()) {
    try {
        return build();
    } catch (...) {
        throwDocumentError();
    }
}

// The most pages a document imposed in `mode` may have: four-up, the sheets the listings hold;
// eight-up, as many as round up to whole sheets within the 16-bit page range.
int maxPages(Mode mode) {
    const int perSheet = pagesPerSheet(mode);
    return mode == Mode::FourUp ? fourUpMaxSheets * perSheet : pageMax / perSheet * perSheet;
}

// Each of two files is half the work.
Booklet::Progress halfOf(const Booklet::Progress& progress, int from) {
    return [&progress, from](int percent) {
        if (progress)
            progress(from + percent / 2);
    };
}

} // namespace

Booklet::Booklet(const std::string& inputPath, Mode mode, const BookletOptions& options)
    : source_(inputPath, maxPages(mode)), mode_(mode), options_(options),
      check_(checkPageCount(
          checkedPage(static_cast<int>(std::min<std::size_t>(source_.pageCount(), pageMax + 1))),
          mode)) {}

SheetSides Booklet::sides() const {
    // The document's own pages, counted from 1; the rest of the last sheet is left blank.
    return sheetSides(mode_, check_.pageCount, 0, static_cast<int>(source_.pageCount()),
                      options_.sheetsPerSignature, options_.binding);
}

namespace {

constexpr double pointsPerHundredth = 72.0 / 2540.0;

} // namespace

double Booklet::margin() const {
    return options_.margin * pointsPerHundredth;
}

SidePlacement Booklet::placement(const SheetSides& sides, const Sheet& sheet) const {
    const int sheets = sides.signatures[static_cast<std::size_t>(sheet.signature)].sheets;
    return {.creep = creepPoints(options_.creep, sheet.place, sheets)};
}

SidePlacement Booklet::backPlacement(const SheetSides& sides, const Sheet& sheet) const {
    SidePlacement back = placement(sides, sheet);
    back.turned = options_.turnedBacks;
    return back;
}

void Booklet::refuseInput(const std::string& path) const {
    std::error_code error;
    if (std::filesystem::equivalent(pathOf(path), pathOf(source_.path()), error))
        throw UserError(outputIsInputMessage);
    // Standard input redirected from the output: the same device and inode, whatever the name.
    struct stat input {
    }, output{};
    if (source_.path() == "-" && ::fstat(STDIN_FILENO, &input) == 0 &&
        ::stat(path.c_str(), &output) == 0 && input.st_dev == output.st_dev &&
        input.st_ino == output.st_ino)
        throw UserError(outputIsInputMessage);
}

void Booklet::writeDuplex(const std::string& path, const Progress& progress, const Report& report) {
    refuseInput(path);
    writeFile(
        path, [&](std::FILE* file) { writeDuplex(file, progress); }, report);
}

void Booklet::writeDuplex(std::FILE* file, const Progress& progress) {
    // A printer turning the sheet on its long edge prints the backs upside down unless turned.
    const SideSize size = sideSize(options_.paper);
    const char* duplex = options_.turnedBacks ? "/DuplexFlipLongEdge" : "/DuplexFlipShortEdge";
    BookletPdf pdf =
        readingPages([&] { return BookletPdf(source_, mode_, size, margin(), duplex, warnings_); });
    readingPages([&] {
        const SheetSides all = sides();
        for (const Sheet& sheet : all.sheets) {
            pdf.addSide(sheet.front, placement(all, sheet));
            pdf.addSide(sheet.back, backPlacement(all, sheet));
        }
    });
    pdf.write(file, progress);
}

void Booklet::addSeparateSides(BookletPdf& fronts, BookletPdf& backs) const {
    readingPages([&] {
        const SheetSides all = sides();
        for (const Sheet& sheet : all.sheets)
            fronts.addSide(sheet.front, placement(all, sheet));
        // A printer whose paper path reverses the stack takes the last sheet's back first; one
        // that turns the sheet over its long edge prints the backs upside down unless turned.
        const auto addBack = [&](const Sheet& sheet) {
            backs.addSide(sheet.back, backPlacement(all, sheet));
        };
        if (options_.reversedBacks)
            std::for_each(all.sheets.rbegin(), all.sheets.rend(), addBack);
        else
            std::for_each(all.sheets.begin(), all.sheets.end(), addBack);
    });
}

void Booklet::writeSeparate(const std::string& frontPath, const std::string& backPath,
                            const Progress& progress, const Report& report) {
    refuseInput(frontPath);
    refuseInput(backPath);
    // Each run is printed one-sided.
    const auto simplex = [&] {
        return BookletPdf(source_, mode_, sideSize(options_.paper), margin(), "/Simplex",
                          warnings_);
    };
    BookletPdf fronts = readingPages(simplex);
    BookletPdf backs = readingPages(simplex);
    addSeparateSides(fronts, backs);
    // Neither earlier file is replaced unless both can be.
    writeFilePair(
        frontPath, [&](std::FILE* file) { fronts.write(file, halfOf(progress, 0)); }, backPath,
        [&](std::FILE* file) { backs.write(file, halfOf(progress, 50)); }, report);
}

void Booklet::writeSeparate(std::FILE* frontFile, std::FILE* backFile, const Progress& progress) {
    const auto simplex = [&] {
        return BookletPdf(source_, mode_, sideSize(options_.paper), margin(), "/Simplex",
                          warnings_);
    };
    BookletPdf fronts = readingPages(simplex);
    BookletPdf backs = readingPages(simplex);
    addSeparateSides(fronts, backs);
    fronts.write(frontFile, halfOf(progress, 0));
    backs.write(backFile, halfOf(progress, 50));
}

} // namespace plicora
