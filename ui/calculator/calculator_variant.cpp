#include "ui/calculator/calculator_variant.h"

#include "output/calculation.h"
#include "ui/calculator/twips.h"

namespace plicora {

const std::array<ControlRow, controlCount>& calculatorControls() {
    static const std::array<ControlRow, controlCount> rows{{
        {.id = Control::Text3,
         .name = "Text3",
         .kind = Kind::Description,
         .text = {"Il programma permette di calcolare la successione delle pagine di un documento "
                  "word \n"
                  "per poterle rilegare in opuscoletto. Su ogni foglio formato A4 si stampano 4 "
                  "pagine del \n"
                  "documento. Due su un lato e altre due sul rettro del foglio.\n",
                  "Il programma permette di calcolare la giusta sequenza delle pagine di un "
                  "documento word per poterle rilegare \n"
                  "in opuscoletto, format A5. Su ogni foglio A4 si stampano 8 pagine del "
                  "documento. Quattro pagine sul lato \n"
                  "fronte e quattro sul lato retro. Il programma calcola la successione delle "
                  "pagine da stampare in modo che le \n"
                  "pagine si leggono da sinistra verso destra e dall'alto verso il basso\n"},
         .geometry = {twipRect(480, 360, 9255, 975), twipRect(480, 240, 11655, 1335)},
         .accessibleName = "Descrizione"},
        {.id = Control::Label1,
         .name = "Label1",
         .kind = Kind::Label,
         .text = {"Numero totale di pagine", "Numero di pagine totale"},
         .geometry = {twipRect(240, 2040, 2655, 375), twipRect(600, 1800, 2655, 375)}},
        {.id = Control::Text1,
         .name = "Text1",
         .kind = Kind::Field,
         .text = "40",
         .geometry = {twipRect(3240, 2040, 1095, 375), twipRect(3720, 1800, 1095, 420)},
         .label = Control::Label1},
        {.id = Control::FirstPageLabel,
         .name = {"Label4", "Label2"},
         .kind = Kind::Label,
         .text = {"Numero inizio prima pagina", "Numero inzio prima pagina"},
         .geometry = {twipRect(240, 2640, 3015, 375), twipRect(600, 2280, 3015, 375)}},
        {.id = Control::Text2,
         .name = "Text2",
         .kind = Kind::Field,
         .text = "1",
         .geometry = {twipRect(3240, 2640, 1095, 375), twipRect(3720, 2280, 1095, 375)},
         .label = Control::FirstPageLabel},
        {.id = Control::Label3,
         .name = "Label3",
         .kind = Kind::Label,
         .text = "Separatore di sequenza",
         .geometry = {twipRect(240, 3240, 2775, 375), twipRect(600, 2880, 2775, 375)}},
        {.id = Control::Separatore,
         .name = "Separatore",
         .kind = Kind::Field,
         .text = ",",
         .geometry = {twipRect(3240, 3120, 360, 675), twipRect(3720, 2760, 360, 675)},
         .points = 24,
         .label = Control::Label3,
         .maxLength = separatorMaxLength},
        {.id = Control::Check1,
         .name = "Check1",
         .kind = Kind::CheckBox,
         .text = "Invia su file la sequenza delle pagine",
         .geometry = {twipRect(240, 3960, 4215, 375), twipRect(600, 3600, 4215, 375)}},
        {.id = Control::OutOnFile,
         .name = "OutOnFile",
         .kind = Kind::Field,
         .text = "c:\\temp.txt",
         .geometry = {twipRect(240, 4560, 4095, 375), twipRect(600, 4200, 4095, 375)},
         .accessibleName = "Percorso del file",
         .hidden = true},
        {.id = Control::Errore,
         .name = "Errore",
         .kind = Kind::Warning,
         .text = "",
         .geometry = {twipRect(120, 5040, 4335, 975), twipRect(480, 4680, 4335, 975)},
         .background = QColor(170, 0, 0),
         .foreground = QColor(255, 255, 0),
         .hidden = true},
        {.id = Control::Command1,
         .name = "Command1",
         .kind = Kind::Button,
         .text = {"Calcola la sequenza delle pagine", "Calcola la successione delle pagine"},
         .geometry = {twipRect(120, 6120, 4335, 375), twipRect(480, 5760, 4335, 855)}},
        {.id = Control::Stampa,
         .name = "Stampa",
         .kind = Kind::Output,
         .text = "",
         .geometry = {twipRect(4560, 1800, 5175, 4695), twipRect(5040, 1800, 6855, 4695)},
         .points = {12, 9.75},
         .fixedPitch = true,
         .accessibleName = "Sequenza delle pagine"},
    }};
    return rows;
}

const CalculatorVariant& fourUpCalculator() {
    static const CalculatorVariant variant{
        .name = "Form2",
        .mode = Mode::FourUp,
        .clientSize = twipSize(9885, 7005),
        .centred = true,
        .appendsOutput = false,
        .focusOrder = {Control::Text3, Control::Text2, Control::Stampa, Control::Command1,
                       Control::Text1, Control::OutOnFile, Control::Check1, Control::Separatore},
    };
    return variant;
}

const CalculatorVariant& eightUpCalculator() {
    static const CalculatorVariant variant{
        .name = "Form3",
        .mode = Mode::EightUp,
        .clientSize = twipSize(12465, 7065),
        .centred = false,
        .appendsOutput = true,
        .focusOrder = {Control::Text1, Control::Text2, Control::Command1, Control::Stampa,
                       Control::Text3, Control::Check1, Control::OutOnFile, Control::Separatore},
    };
    return variant;
}

} // namespace plicora
