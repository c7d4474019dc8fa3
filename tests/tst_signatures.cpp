#include "pdf_words.h"
#include "test_support.h"

#include "imposition/booklet.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

constexpr double cellWidth = 421, midY = 297.5;

// A page number expected on a side: its cell, how far it moves from the cell's centre, and
// whether the side is turned.
struct Placed {
    int page;
    int cell;
    double shift = 0;
    bool turned = false;
};
using Side = std::vector<Placed>;

// The sides of a signature of `sheets` sheets holding pages first..first+q*sheets-1, reckoned
// from how the folded sheets read rather than from the imposition's formulas.
std::vector<std::pair<Side, Side>> signatureSides(Mode mode, int first, int sheets) {
    std::vector<std::pair<Side, Side>> result;
    const int last = first + pagesPerSheet(mode) * sheets - 1;
    for (int i = 0; i < sheets; ++i) {
        if (mode == Mode::FourUp) {
            // Reading the folded signature: sheet i's front right, its back left, ... and
            // coming back out, its back right then its front left.
            result.push_back({{{last - 2 * i, 0}, {first + 2 * i, 1}},
                              {{first + 2 * i + 1, 0}, {last - 2 * i - 1, 1}}});
        } else {
            // Eight-up: the quads of a booklet of the signature's own pages, its first sheet
            // holding its first and last four.
            const int a = first + 4 * i, z = last - 4 * i;
            result.push_back({{{z - 1, 0}, {z, 1}, {a, 2}, {a + 1, 3}},
                              {{a + 2, 0}, {a + 3, 1}, {z - 3, 2}, {z - 2, 3}}});
        }
    }
    return result;
}

struct SignatureCase {
    const char* name;
    Mode mode;
    int pages;
    int perSignature;
    int creep; // hundredths of a millimetre
    bool separate;
    bool reversed;
    bool turned;
};

// The sides the booklet should have, side by side as they are written.
std::vector<Side> expectedSides(const SignatureCase& c, bool backs) {
    const int q = pagesPerSheet(c.mode), sheets = (c.pages + q - 1) / q;
    std::vector<std::pair<Side, Side>> all;
    const int perSignature = c.perSignature > 0 ? c.perSignature : sheets;
    for (int first = 0; first < sheets; first += perSignature) {
        const int count = std::min(perSignature, sheets - first);
        std::vector<std::pair<Side, Side>> signature = signatureSides(c.mode, first * q + 1, count);
        for (int k = 0; k < count; ++k) {
            const double shift = count > 1 ? c.creep * 72.0 / 2540 * k / (count - 1) : 0;
            for (Side* side : {&signature[k].first, &signature[k].second})
                for (Placed& placed : *side)
                    placed.shift = placed.cell == 0 ? shift : -shift; // towards the fold
        }
        all.insert(all.end(), signature.begin(), signature.end());
    }
    if (c.reversed && backs) // only the backs' file runs from the last sheet
        std::reverse(all.begin(), all.end());
    std::vector<Side> sides;
    for (auto& [front, back] : all) {
        if (!c.separate)
            sides.push_back(front);
        if (c.separate && !backs)
            sides.push_back(front);
        if (!c.separate || backs) {
            for (Placed& placed : back)
                placed.turned = c.turned;
            sides.push_back(back);
        }
    }
    return sides;
}

// Where each page's number sits across the side when nothing moves or turns it.
using Across = std::map<int, double>;

// Checks the numbers read back on each side: each in its cell, moved from where `plain` has it by
// its shift, upright in the cell's upper part or, turned, in its lower part; blanks after
// `pages` leave cells empty.
void expectPlaced(Mode mode, int pages, const std::vector<std::vector<Word>>& actual,
                  const std::vector<Side>& expected, const Across& plain) {
    ASSERT_EQ(actual.size(), expected.size());
    const int cells = mode == Mode::FourUp ? 2 : 4;
    for (std::size_t s = 0; s < expected.size(); ++s) {
        std::vector<Placed> wanted;
        for (const Placed& placed : expected[s])
            if (placed.page <= pages)
                wanted.push_back(placed);
        ASSERT_EQ(actual[s].size(), wanted.size()) << "side " << s + 1;
        for (const Placed& placed : wanted) {
            const auto word = std::find_if(actual[s].begin(), actual[s].end(),
                                           [&](const Word& w) { return w.number == placed.page; });
            ASSERT_NE(word, actual[s].end()) << "page " << placed.page << " on side " << s + 1;
            // A turned side puts every cell where its opposite was, the number at the bottom.
            const int cell = placed.turned ? cells - 1 - placed.cell : placed.cell;
            const int column = mode == Mode::FourUp ? cell : cell / 2;
            EXPECT_NEAR(word->x, column * cellWidth + cellWidth / 2, 0.05 * cellWidth)
                << "page " << placed.page;
            const double moved = plain.at(placed.page) + placed.shift;
            EXPECT_NEAR(word->x, placed.turned ? 2 * cellWidth - moved : moved, 0.01)
                << "page " << placed.page;
            const double top = mode == Mode::FourUp ? 0 : (cell % 2) * midY;
            const double height = mode == Mode::FourUp ? 2 * midY : midY;
            const double within = (word->y - top) / height;
            EXPECT_TRUE(placed.turned ? within > 0.5 && within < 1 : within > 0 && within < 0.5)
                << "page " << placed.page << " at " << word->y;
        }
    }
}

class Signatures : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(Signatures, putEachPageWhereTheFoldedSignatureReadsIt) {
    const SignatureCase& c = GetParam();
    const TemporaryDirectory dir;
    const fs::path input = dir.path() / "doc.pdf";
    writeNumberedPdf(input, std::vector<NumberedPage>(static_cast<std::size_t>(c.pages)));
    Across plain;
    Booklet(input, c.mode, {.sheetsPerSignature = c.perSignature})
        .writeDuplex(dir.path() / "plain.pdf");
    for (const std::vector<Word>& side : readSides(dir.path() / "plain.pdf"))
        for (const Word& word : side)
            plain[word.number] = word.x;
    Booklet booklet(input, c.mode,
                    {.sheetsPerSignature = c.perSignature,
                     .creep = c.creep,
                     .reversedBacks = c.reversed,
                     .turnedBacks = c.turned});
    if (c.separate) {
        booklet.writeSeparate(dir.path() / "b-fronte.pdf", dir.path() / "b-retro.pdf");
        expectPlaced(c.mode, c.pages, readSides(dir.path() / "b-fronte.pdf"),
                     expectedSides(c, false), plain);
        expectPlaced(c.mode, c.pages, readSides(dir.path() / "b-retro.pdf"), expectedSides(c, true),
                     plain);
    } else {
        booklet.writeDuplex(dir.path() / "b.pdf");
        expectPlaced(c.mode, c.pages, readSides(dir.path() / "b.pdf"), expectedSides(c, false),
                     plain);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, Signatures,
    ::testing::Values(
        SignatureCase{"fourUpThreeSheets", Mode::FourUp, 40, 3, 0, false, false, false},
        SignatureCase{"fourUpOneSheetEach", Mode::FourUp, 12, 1, 500, false, false, false},
        SignatureCase{"fourUpCreep", Mode::FourUp, 40, 4, 500, false, false, false},
        SignatureCase{"fourUpCreepRoundedSeparate", Mode::FourUp, 37, 5, 150, true, false, false},
        SignatureCase{"fourUpLongSignatureCreep", Mode::FourUp, 120, 30, 275, false, false, false},
        SignatureCase{"eightUpTwoSheets", Mode::EightUp, 40, 2, 0, false, false, false},
        SignatureCase{"eightUpRoundedSeparate", Mode::EightUp, 21, 2, 0, true, false, false},
        SignatureCase{"fourUpBacksReversed", Mode::FourUp, 12, 0, 0, true, true, false},
        SignatureCase{"fourUpBacksTurned", Mode::FourUp, 16, 2, 300, true, false, true},
        SignatureCase{"eightUpBacksReversedAndTurned", Mode::EightUp, 24, 2, 0, true, true, true}),
    caseName<SignatureCase>);

// Asking for signatures at least as large as the job changes nothing in the file.
TEST(Signatures, ofTheWholeJobWriteThePlainBookletByteForByte) {
    const TemporaryDirectory dir;
    const fs::path input = dir.path() / "doc.pdf";
    writeNumberedPdf(input, std::vector<NumberedPage>(18), 3);
    for (const Mode mode : {Mode::FourUp, Mode::EightUp}) {
        Booklet(input, mode).writeDuplex(dir.path() / "plain.pdf");
        Booklet(input, mode, {.sheetsPerSignature = 3}).writeDuplex(dir.path() / "three.pdf");
        Booklet(input, mode, {.sheetsPerSignature = 500}).writeDuplex(dir.path() / "many.pdf");
        const std::string plain = readFile(dir.path() / "plain.pdf");
        EXPECT_EQ(readFile(dir.path() / "many.pdf"), plain);
        EXPECT_EQ(readFile(dir.path() / "three.pdf") == plain, mode == Mode::EightUp);
    }
}

// Pages wholly black (odd) or white (even), drawn edge to edge: where a page is drawn shows.
void writeBlackAndWhitePdf(const fs::path& path, int pages) {
    std::string pdf = "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                      "2 0 obj << /Type /Pages /Count " +
                      std::to_string(pages) + " /Kids [";
    for (int i = 0; i < pages; ++i)
        pdf += std::to_string(3 + 2 * i) + " 0 R ";
    pdf += "] >> endobj\n";
    for (int i = 0; i < pages; ++i) {
        const std::string content = (i % 2 == 0 ? "0 g" : "1 g") + std::string(" 0 0 595 842 re f");
        pdf += std::to_string(3 + 2 * i) +
               " 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents " +
               std::to_string(4 + 2 * i) + " 0 R >> endobj\n" + std::to_string(4 + 2 * i) +
               " 0 obj << /Length " + std::to_string(content.size()) + " >> stream\n" + content +
               "\nendstream endobj\n";
    }
    // No cross-reference table: the document is opened as a repaired one.
    std::ofstream(path, std::ios::binary) << pdf << "trailer << /Root 1 0 R >>\n%%EOF\n";
}

// Whether each point across the middle of side `side` of `pdf` is dark, rendered at 72 dpi.
std::vector<bool> darkAcross(const fs::path& pdf, int side) {
    const std::string page = std::to_string(side);
    const fs::path image = pdf.parent_path() / "side";
    const std::string command = "pdftoppm -r 72 -gray -singlefile -f " + page + " -l " + page +
                                " '" + pdf.string() + "' '" + image.string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(image.string() + ".pgm", std::ios::binary);
    std::string magic;
    int width = 0, height = 0, levels = 0;
    in >> magic >> width >> height >> levels;
    in.get();
    std::vector<char> pixels(static_cast<std::size_t>(width) * height);
    in.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    std::vector<bool> dark;
    for (int x = 0; x < width; ++x)
        dark.push_back(static_cast<unsigned char>(pixels[(height / 2) * width + x]) < 128);
    return dark;
}

// The innermost of two sheets moves by the whole creep, and neither page crosses the fold.
TEST(Signatures, clipEachMovedPageAtTheFold) {
    const TemporaryDirectory dir;
    writeBlackAndWhitePdf(dir.path() / "doc.pdf", 8);
    Booklet(dir.path() / "doc.pdf", Mode::FourUp, {.creep = 500}).writeDuplex(dir.path() / "b.pdf");
    // Sheet 2's back: page 4 (white) on the left, page 5 (black) on the right, moved left by
    // 5 mm (14 points): drawn last, it would cover the left page's edge unless clipped.
    const std::vector<bool> dark = darkAcross(dir.path() / "b.pdf", 4);
    ASSERT_EQ(dark.size(), 842u);
    const auto firstDark = std::find(dark.begin(), dark.end(), true) - dark.begin();
    const auto lastDark = dark.rend() - std::find(dark.rbegin(), dark.rend(), true);
    EXPECT_EQ(firstDark, 421);
    EXPECT_NEAR(lastDark, 842 - 14, 1);
}

} // namespace
