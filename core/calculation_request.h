#pragma once

#include "page.h"

#include <string>

namespace plicora {

// The texts of a calculator window's fields at one press of its button, as typed (UTF-8).
struct CalculationRequest {
    Mode mode = Mode::FourUp;
    std::string pageCountText;
    std::string firstPageText;
    std::string separator;
    bool writeFile = false;
    std::string filePath;
};

} // namespace plicora
