#pragma once

#include "page.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace plicora {

// A paper a booklet is printed on, portrait or as given, in hundredths of a millimetre.
struct Paper {
    int width = 21000;
    int height = 29700;
    friend bool operator==(const Paper&, const Paper&) = default;
};

// A paper known by name, with the size print dialogs and PostScript give it in whole points.
struct NamedPaper {
    std::string_view name; // as the command line and the window write it
    Paper paper;
    int widthPoints;
    int heightPoints;
    std::string_view media; // as printers name it (the PWG's media name)
};

inline constexpr NamedPaper namedPapers[] = {
    {"A3", {29700, 42000}, 842, 1191, "iso_a3_297x420mm"},
    {"A4", {21000, 29700}, 595, 842, "iso_a4_210x297mm"},
    {"A5", {14800, 21000}, 420, 595, "iso_a5_148x210mm"},
    {"letter", {21590, 27940}, 612, 792, "na_letter_8.5x11in"},
    {"legal", {21590, 35560}, 612, 1008, "na_legal_8.5x14in"},
    {"tabloid", {27940, 43180}, 792, 1224, "na_ledger_11x17in"},
};

// The media name a printer is asked for `paper` by: a named paper's, or a custom size's in
// whole millimetres, portrait.
std::string mediaName(const Paper& paper);

// A custom paper's sides, in whole millimetres.
inline constexpr int paperMinMillimetres = 100;
inline constexpr int paperMaxMillimetres = 1000;

// The named paper `paper` is, if it is one.
std::optional<NamedPaper> namedPaper(const Paper& paper);

// A sheet side: the paper in landscape, in whole points.
struct SideSize {
    int width = 842;
    int height = 595;
    friend bool operator==(const SideSize&, const SideSize&) = default;
};

// The side of a sheet of `paper`: a named paper's size in points, a custom one's millimetres
// rounded to the nearest point, the longer side across.
SideSize sideSize(const Paper& paper);

// The cell each page is scaled into on a side of `size`: half of it across, and in eight-up mode
// half of it down, in points.
struct CellSize {
    double width;
    double height;
};
CellSize cellSize(Mode mode, SideSize size);

// The scale that fits a page of `width` x `height` points into `cell` with its proportions kept.
inline double fitScale(double width, double height, CellSize cell) {
    return std::min(cell.width / width, cell.height / height);
}

// The paper `text` names: A3, A4, A5, letter, legal or tabloid in any case, or WIDTHxHEIGHT in
// whole millimetres (an "x" or "X" between them); nothing for anything else or a custom side out
// of range.
std::optional<Paper> readPaper(std::string_view text);

// The name readPaper reads `paper` back from.
std::string paperText(const Paper& paper);

// Whether a booklet can be printed on `paper`: a named paper, or whole millimetres from
// paperMinMillimetres to paperMaxMillimetres a side.
bool acceptedPaper(const Paper& paper);

// The named paper a page of `width` x `height` points is, either way up, to within a point or
// two of rounding.
std::optional<NamedPaper> pagePaper(double width, double height);

} // namespace plicora
