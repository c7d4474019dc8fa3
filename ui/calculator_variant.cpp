#include "calculator_variant.h"

#include "twips.h"

namespace plicora {

const CalculatorVariant& fourUpCalculator() {
    static const CalculatorVariant variant{
        "Form2",
        Mode::FourUp,
        twipSize(9885, 7005),
        true,
        false,
        "Il programma permette di calcolare la successione delle pagine di un documento word \r\n"
        "per poterle rilegare in opuscoletto. Su ogni foglio formato A4 si stampano 4 pagine del "
        "\r\n"
        "documento. Due su un lato e altre due sul rettro del foglio.\r\n",
        "Numero totale di pagine",
        "Label4",
        "Numero inizio prima pagina",
        "Calcola la sequenza delle pagine",
        12,
        {
            twipRect(480, 360, 9255, 975),   // Text3
            twipRect(240, 2040, 2655, 375),  // Label1
            twipRect(3240, 2040, 1095, 375), // Text1
            twipRect(240, 2640, 3015, 375),  // Label4
            twipRect(3240, 2640, 1095, 375), // Text2
            twipRect(240, 3240, 2775, 375),  // Label3
            twipRect(3240, 3120, 360, 675),  // Separatore
            twipRect(240, 3960, 4215, 375),  // Check1
            twipRect(240, 4560, 4095, 375),  // OutOnFile
            twipRect(120, 5040, 4335, 975),  // Errore
            twipRect(120, 6120, 4335, 375),  // Command1
            twipRect(4560, 1800, 5175, 4695) // Stampa
        },
        {Control::Text3, Control::Text2, Control::Stampa, Control::Command1, Control::Text1,
         Control::OutOnFile, Control::Check1, Control::Separatore},
    };
    return variant;
}

const CalculatorVariant& eightUpCalculator() {
    static const CalculatorVariant variant{
        "Form3",
        Mode::EightUp,
        twipSize(12465, 7065),
        false,
        true,
        "Il programma permette di calcolare la giusta sequenza delle pagine di un documento word "
        "per poterle rilegare \r\n"
        "in opuscoletto, format A5. Su ogni foglio A4 si stampano 8 pagine del documento. "
        "Quattro pagine sul lato \r\n"
        "fronte e quattro sul lato retro. Il programma calcola la successione delle pagine da "
        "stampare in modo che le \r\n"
        "pagine si leggono da sinistra verso destra e dall'alto verso il basso\r\n",
        "Numero di pagine totale",
        "Label2",
        "Numero inzio prima pagina",
        "Calcola la successione delle pagine",
        9.75,
        {
            twipRect(480, 240, 11655, 1335), // Text3
            twipRect(600, 1800, 2655, 375),  // Label1
            twipRect(3720, 1800, 1095, 420), // Text1
            twipRect(600, 2280, 3015, 375),  // Label2
            twipRect(3720, 2280, 1095, 375), // Text2
            twipRect(600, 2880, 2775, 375),  // Label3
            twipRect(3720, 2760, 360, 675),  // Separatore
            twipRect(600, 3600, 4215, 375),  // Check1
            twipRect(600, 4200, 4095, 375),  // OutOnFile
            twipRect(480, 4680, 4335, 975),  // Errore
            twipRect(480, 5760, 4335, 855),  // Command1
            twipRect(5040, 1800, 6855, 4695) // Stampa
        },
        {Control::Text1, Control::Text2, Control::Command1, Control::Stampa, Control::Text3,
         Control::Check1, Control::OutOnFile, Control::Separatore},
    };
    return variant;
}

} // namespace plicora
