#pragma once

#include "paper.h"
#include "print_way.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which papers a printer takes, as its media names tell.
namespace plicora {

// The size a media name gives (the PWG's self-describing names end in WIDTHxHEIGHTmm or in):
// portrait, in hundredths of a millimetre; nothing for a name without a size.
std::optional<Paper> mediaSize(std::string_view media);

// Whether `printer` takes `paper`: one of its media has that size, to within a millimetre, or
// lies inside its custom range; also when the printer lists no media, since nothing then says
// it doesn't.
bool printerTakesPaper(const Printer& printer, const Paper& paper);

// The named paper the printer's default media is, if it is one.
std::optional<Paper> printerDefaultPaper(const Printer& printer);

// The printer's media as a message lists them: a named paper by its name, any other by its own,
// each once, custom ranges left out.
std::vector<std::string> printerPaperNames(const Printer& printer);

// The widest margin `printer` can't print on `paper`, in hundredths of a millimetre: that of the
// first of its media of that size; 0 when it doesn't say.
int printerMargin(const Printer& printer, const Paper& paper);

// The scale a booklet's pages take on `paper` in `mode` to keep `margin` hundredths of a
// millimetre clear along each edge of the side: 1 without a margin.
double marginScale(Mode mode, const Paper& paper, int margin);

// The paper a locale's LC_PAPER names, `width` x `height` whole millimetres, when it is a named
// one; else A4.
Paper localePaper(int width, int height);

} // namespace plicora
