#pragma once

#include "booklet_pdf.h"
#include "core/page.h"
#include "core/page_count.h"
#include "core/paper.h"
#include "core/sheet_sides.h"
#include "files/content_writer.h"
#include "source_pdf.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace plicora {

// How a booklet is cut into signatures, how its separate backs are fed back by hand, the paper
// it is printed on and how it is bound.
struct BookletOptions {
    int sheetsPerSignature = 0; // 0: one booklet
    int creep = 0;              // in hundredths of a millimetre, for the innermost sheet
    bool reversedBacks = false; // writeSeparate: the backs last sheet first
    bool turnedBacks = false;   // every back turned by 180 degrees
    Paper paper = {};           // each side is this paper in landscape
    int margin = 0;             // in hundredths of a millimetre, left blank at each side's edges
    Binding binding = {};
};

// A PDF document imposed as a booklet: each sheet side a landscape page of its paper holding the
// pages the model of sheet sides gives it.
class Booklet {
public:
    // Opens the document and rounds its page count up to whole sheets of `mode` (blank pages at
    // the end, or before the back cover), to be cut, fed and bound as `options` ask. Throws
    // UserError as SourcePdf does and when the count leaves 16 bits.
    Booklet(const std::string& inputPath, Mode mode, const BookletOptions& options = {});

    // The document's own page count, before rounding.
    int documentPages() const { return static_cast<int>(source_.pageCount()); }
    // The whole-sheets check of the document's page count.
    const PageCountCheck& check() const { return check_; }
    // The repairs made to pages' broken geometry so far, one Italian line each naming its page.
    const std::vector<std::string>& warnings() const { return warnings_; }

    // Told how much of the writing is done, in per cent.
    using Progress = std::function<void(int percent)>;

    // Writes sheet 1 front, sheet 1 back, sheet 2 front... to one PDF for duplex printing, asking
    // print dialogs to turn on the long edge when the backs are turned, else on the short edge,
    // and calling `report` before the file takes its place (see writeFile()). Throws UserError,
    // leaving no file, when the output fails, is the document itself or a page can't be read.
    void writeDuplex(const std::string& path, const Progress& progress = {},
                     const Report& report = {});
    // The same, to a stream already open, such as standard output.
    void writeDuplex(std::FILE* file, const Progress& progress);
    // Writes every front to one PDF and every back to another, the two runs of a printer without
    // duplex. Neither earlier file is replaced unless both can be written, and `report` is
    // called before either is.
    void writeSeparate(const std::string& frontPath, const std::string& backPath,
                       const Progress& progress = {}, const Report& report = {});
    // The same, to two streams already open.
    void writeSeparate(std::FILE* fronts, std::FILE* backs, const Progress& progress = {});

private:
    // Adds every front to `fronts` and every back to `backs`, in the order they are fed.
    void addSeparateSides(BookletPdf& fronts, BookletPdf& backs) const;
    // How `sheet`'s back is placed: its creep, and turned when the backs are.
    SidePlacement backPlacement(const SheetSides& sides, const Sheet& sheet) const;
    // The booklet's sheets, from the same model as the listings.
    SheetSides sides() const;
    // Where the pages of `sheet`, one of `sides`, go on either side: moved by its creep.
    SidePlacement placement(const SheetSides& sides, const Sheet& sheet) const;
    // Throws UserError when `path` names the document itself, also when it is read from
    // standard input.
    void refuseInput(const std::string& path) const;
    // The blank along each side's edges, in points.
    double margin() const;

    SourcePdf source_;
    Mode mode_;
    BookletOptions options_;
    PageCountCheck check_;
    std::vector<std::string> warnings_;
};

} // namespace plicora
