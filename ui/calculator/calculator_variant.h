#pragma once

#include "core/page.h"

#include <QColor>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

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

// What kind of widget a control is.
enum class Kind { Description, Label, Field, CheckBox, Warning, Button, Output };

// A value of a control that may differ between the four-up and the eight-up window.
template <typename T> struct PerWindow {
    PerWindow(T both) : fourUp(both), eightUp(both) {}
    PerWindow(T fourUpValue, T eightUpValue) : fourUp(fourUpValue), eightUp(eightUpValue) {}
    const T& operator[](Mode mode) const { return mode == Mode::FourUp ? fourUp : eightUp; }

    T fourUp;
    T eightUp;
};

// Everything about one control of the calculator windows, for both windows.
struct ControlRow {
    Control id;
    PerWindow<const char*> name;
    Kind kind;
    PerWindow<const char*> text;          // initial text or caption
    PerWindow<QRect> geometry;            // in pixels at 96 dpi
    PerWindow<double> points = 12;        // font size
    bool fixedPitch = false;              // "Courier" instead of "MS Sans Serif"
    const char* accessibleName = nullptr; // else its label's caption, or its own
    std::optional<Control> label = {};    // the label whose caption names this field
    QColor background = {};               // invalid: the platform's
    QColor foreground = {};               // invalid: the platform's
    int maxLength = 0;                    // 0: the widget's own limit
    bool hidden = false;                  // at opening
};

// The calculator controls, by Control.
const std::array<ControlRow, controlCount>& calculatorControls();

// What tells the four-up window from the eight-up one besides their controls' columns.
struct CalculatorVariant {
    const char* name; // object name of the window
    Mode mode;        // which column of the control table
    QSize clientSize;
    bool centred;       // else the platform places it
    bool appendsOutput; // else each calculation replaces the output box's text
    std::array<Control, 8> focusOrder;
};

// Form2: four pages to a sheet, folded into an A5 booklet.
const CalculatorVariant& fourUpCalculator();

// Form3: eight pages to a sheet.
const CalculatorVariant& eightUpCalculator();

} // namespace plicora
