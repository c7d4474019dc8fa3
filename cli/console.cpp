#include "console.h"

#include <cstdio>

namespace plicora {

void printOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void printErrorLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

} // namespace plicora
