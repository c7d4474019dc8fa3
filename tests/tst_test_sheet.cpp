#include "pdf_words.h"
#include "test_support.h"

#include "imposition/test_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace plicora;
using namespace plicora::testing;

namespace {

// The words of one half of a side of `size`, left to right as they stand from the top edge down.
std::vector<std::string> halfWords(const std::vector<Word>& side, bool left, SideSize size) {
    std::vector<Word> words;
    for (const Word& word : side)
        if ((word.x < size.width / 2.0) == left &&
            word.y < 0.84 * size.height) // the caption at the bottom aside
            words.push_back(word);
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return std::pair(a.y, a.x) < std::pair(b.y, b.x);
    });
    std::vector<std::string> texts;
    for (const Word& word : words)
        texts.push_back(word.text);
    return texts;
}

// On every paper, each half of a side of the paper's size carries its marks.
TEST(TestSheet, marksEveryHalfOfBothSheetsFaceAndNumberUpright) {
    for (const auto& [mode, paper] : {std::pair{Mode::FourUp, Paper{}},
                                      {Mode::EightUp, Paper{}},
                                      {Mode::FourUp, Paper{29700, 42000}},
                                      {Mode::EightUp, Paper{21590, 27940}},
                                      {Mode::FourUp, Paper{14800, 21000}},
                                      {Mode::FourUp, Paper{45000, 32000}}}) {
        const TemporaryDirectory dir;
        const SideSize size = sideSize(paper);
        writeTestSheet(mode, size, dir.path() / "p-fronte.pdf", dir.path() / "p-retro.pdf");
        for (const auto& [file, face] :
             {std::pair{"p-fronte.pdf", "FRONTE"}, {"p-retro.pdf", "RETRO"}}) {
            const auto sides = readSides(dir.path() / file, size);
            ASSERT_EQ(sides.size(), 2u) << file;
            for (std::size_t sheet = 0; sheet < sides.size(); ++sheet)
                for (const bool left : {true, false})
                    EXPECT_EQ(halfWords(sides[sheet], left, size),
                              (std::vector<std::string>{"ALTO", face, "foglio",
                                                        std::to_string(sheet + 1), "piega"}))
                        << file << " sheet " << sheet + 1 << " " << size.width;
        }
    }
}

} // namespace
