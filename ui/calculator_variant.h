#pragma once

#include "core/page.h"

#include <QRect>
#include <QSize>

#include <array>

namespace plicora {

// The controls of a calculator window, in the order they are created.
enum class Control {
    Text3,
    Label1,
    Text1,
    FirstPageLabel,
    Text2,
    Label3,
    Separatore,
    Check1,
    OutOnFile,
    Errore,
    Command1,
    Stampa,
};
inline constexpr int controlCount = 12;

// What tells the four-up window from the eight-up one: both are the same design otherwise.
struct CalculatorVariant {
    const char* name; // object name of the window
    Mode mode;
    QSize clientSize;
    bool centred;       // else the platform places it
    bool appendsOutput; // else each calculation replaces the output box's text
    const char* description;
    const char* label1Caption;
    const char* firstPageLabelName;
    const char* firstPageLabelCaption;
    const char* command1Caption;
    double stampaPoints;
    std::array<QRect, controlCount> geometry; // by Control
    std::array<Control, 8> focusOrder;
};

// Form2: four pages to a sheet, folded into an A5 booklet.
const CalculatorVariant& fourUpCalculator();

// Form3: eight pages to a sheet.
const CalculatorVariant& eightUpCalculator();

} // namespace plicora
