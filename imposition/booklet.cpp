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

// Each of two files is half the work.
Booklet::Progress halfOf(const Booklet::Progress& progress, int from) {
    return [&progress, from](int percent) {
        if (progress)
            progress(from + percent / 2);
    };
}

} // namespace

Booklet::Booklet(const std::string& inputPath, Mode mode, const BookletOptions& options)
    : source_(inputPath), mode_(mode), options_(options),
      check_(checkPageCount(
          checkedPage(static_cast<int>(std::min<std::size_t>(source_.pageCount(), pageMax + 1))),
          mode)) {}

SheetSides Booklet::sides() const {
    // The document's own pages, counted from 1; the rest of the last sheet is left blank.
    return sheetSides(mode_, check_.pageCount, 0, static_cast<int>(source_.pageCount()),
                      options_.sheetsPerSignature);
}

SidePlacement Booklet::placement(const SheetSides& sides, const Sheet& sheet) const {
    // Sheet k of the n in its signature, counted from the outside, moves by k / (n - 1) of the
    // creep: the outermost stays, the innermost moves by the whole of it.
    const int sheets = sides.signatures[static_cast<std::size_t>(sheet.signature)].sheets;
    constexpr double pointsPerHundredth = 72.0 / 2540.0;
    const double creep =
        sheets > 1 ? options_.creep * pointsPerHundredth * sheet.place / (sheets - 1) : 0;
    return {.creep = creep};
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
}

void Booklet::writeDuplex(const std::string& path, const Progress& progress) {
    refuseInput(path);
    writeFile(path, [&](std::FILE* file) { writeDuplex(file, progress); });
}

void Booklet::writeDuplex(std::FILE* file, const Progress& progress) {
    // A printer turning the sheet on its long edge prints the backs upside down unless turned.
    BookletPdf pdf(source_, mode_,
                   options_.turnedBacks ? "/DuplexFlipLongEdge" : "/DuplexFlipShortEdge",
                   warnings_);
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
                            const Progress& progress) {
    refuseInput(frontPath);
    refuseInput(backPath);
    // Each run is printed one-sided.
    BookletPdf fronts(source_, mode_, "/Simplex", warnings_);
    BookletPdf backs(source_, mode_, "/Simplex", warnings_);
    addSeparateSides(fronts, backs);
    // Neither earlier file is replaced unless both can be.
    writeFilePair(
        frontPath, [&](std::FILE* file) { fronts.write(file, halfOf(progress, 0)); }, backPath,
        [&](std::FILE* file) { backs.write(file, halfOf(progress, 50)); });
}

void Booklet::writeSeparate(std::FILE* frontFile, std::FILE* backFile, const Progress& progress) {
    BookletPdf fronts(source_, mode_, "/Simplex", warnings_);
    BookletPdf backs(source_, mode_, "/Simplex", warnings_);
    addSeparateSides(fronts, backs);
    fronts.write(frontFile, halfOf(progress, 0));
    backs.write(backFile, halfOf(progress, 50));
}

} // namespace plicora
