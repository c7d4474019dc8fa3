// What the booklet printer decides on its own: its options, the page sizes it offers for a real
// printer's papers, a printer's settings file, and how a job shown in the window ends.
#include "test_support.h"

#include "console/console.h"
#include "core/user_error.h"
#include "printer/booklet_sizes.h"
#include "printer/printer_messages.h"
#include "printer/printer_options.h"
#include "printer/printer_settings.h"
#include "printer/titled_document.h"
#include "printer/window_job.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

using namespace plicora;
using namespace plicora::printer;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

struct OptionsCase {
    const char* name;
    std::vector<std::string_view> args;
    int port;          // 0: refused
    const char* error; // part of the refusal
};

class Options : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(Options, areReadOrRefusedAsAUsageError) {
    const OptionsCase& c = GetParam();
    if (c.port == 0) {
        try {
            readPrinterOptions(c.args, "/stato");
            FAIL() << "accepted";
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
        return;
    }
    const PrinterOptions options = readPrinterOptions(c.args, "/stato");
    EXPECT_EQ(options.port, c.port);
    EXPECT_EQ(options.folder, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Options,
    ::testing::Values(OptionsCase{"none", {}, defaultPort, "/stato"},
                      OptionsCase{"both", {"--porta", "9100", "--cartella", "/qui"}, 9100, "/qui"},
                      OptionsCase{"highestPort", {"--porta", "65535"}, 65535, "/stato"},
                      OptionsCase{"portZero", {"--porta", "0"}, 0, "da 1 a 65535"},
                      OptionsCase{"portTooHigh", {"--porta", "65536"}, 0, "da 1 a 65535"},
                      OptionsCase{"portWithText", {"--porta", "86x"}, 0, "\"86x\""},
                      OptionsCase{"portMissing", {"--porta"}, 0, "dopo --porta"},
                      OptionsCase{"emptyFolder", {"--cartella", ""}, 0, "dopo --cartella"},
                      OptionsCase{"unknown", {"--port", "1"}, 0, "sconosciuta: --port"},
                      OptionsCase{"bareValue", {"9100"}, 0, "sconosciuta: 9100"}),
    caseName<OptionsCase>);

TEST(Options, needAFolderWhenNoneCanBeFound) {
    EXPECT_THROW(readPrinterOptions({}, ""), UsageError);
}

struct FolderCase {
    const char* name;
    const char* stateHome;
    const char* home;
    const char* folder;
};

class DefaultFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DefaultFolder, followsXdgAndIgnoresRelativePaths) {
    const FolderCase& c = GetParam();
    EXPECT_EQ(defaultFolder(c.stateHome, c.home), c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultFolder,
    ::testing::Values(FolderCase{"stateHome", "/s", "/h", "/s/plicora-stampante"},
                      FolderCase{"home", nullptr, "/h", "/h/.local/state/plicora-stampante"},
                      FolderCase{"emptyStateHome", "", "/h", "/h/.local/state/plicora-stampante"},
                      FolderCase{"relativeStateHome", "stato", "/h",
                                 "/h/.local/state/plicora-stampante"},
                      FolderCase{"neither", nullptr, nullptr, ""},
                      FolderCase{"relativeHome", nullptr, "h", ""}),
    caseName<FolderCase>);

struct SizesCase {
    const char* name;
    std::vector<std::string> media; // the real printer's
    const char* defaultMedia;
    std::vector<std::string_view> offered;
    const char* defaultPage;
};

class Sizes : public ::testing::TestWithParam<SizesCase> {};

TEST_P(Sizes, offerThePagesWhoseSheetTheRealPrinterHas) {
    const SizesCase& c = GetParam();
    const std::vector<std::string_view> offered = offeredPages(c.media);
    EXPECT_EQ(offered, c.offered);
    EXPECT_EQ(defaultPage(offered, c.defaultMedia), c.defaultPage);
}

constexpr std::string_view a5 = "iso_a5_148x210mm", a6 = "iso_a6_105x148mm",
                           a4 = "iso_a4_210x297mm", halfLetter = "na_invoice_5.5x8.5in";

INSTANTIATE_TEST_SUITE_P(
    Table, Sizes,
    ::testing::Values(
        SizesCase{"a4Only", {"iso_a4_210x297mm"}, "iso_a4_210x297mm", {a5}, a5.data()},
        SizesCase{
            "office",
            {"na_letter_8.5x11in", "iso_a3_297x420mm", "iso_a4_210x297mm", "iso_a5_148x210mm"},
            "na_letter_8.5x11in",
            {a5, a6, a4, halfLetter},
            halfLetter.data()},
        SizesCase{"defaultWithoutBooklet",
                  {"iso_a4_210x297mm", "iso_a5_148x210mm"},
                  "na_legal_8.5x14in",
                  {a5, a6},
                  a5.data()},
        SizesCase{"noneOfTheSheets",
                  {"om_small-photo_100x150mm"},
                  "",
                  {a5, a6, a4, halfLetter},
                  a5.data()},
        SizesCase{"unknown", {}, "", {a5, a6, a4, halfLetter}, a5.data()}),
    caseName<SizesCase>);

struct SettingsCase {
    const char* name;
    const char* text;
    PrinterSettings settings;
    const char* error; // empty: read
};

class Settings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(Settings, areReadLineByLine) {
    const SettingsCase& c = GetParam();
    if (*c.error) {
        try {
            readSettingsText(c.text, "/stato/X.conf");
            FAIL() << "accepted";
        } catch (const UserError& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
        return;
    }
    EXPECT_EQ(readSettingsText(c.text, "/stato/X.conf"), c.settings);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Settings,
    ::testing::Values(
        SettingsCase{"empty", "", {}, ""},
        SettingsCase{"allSet",
                     "da-destra=s\u00ec\nquarta-di-copertina=si\nfascicoli=5\nscorrimento=0,5\n"
                     "anteprima=no\n",
                     {true, true, "5", "0,5", false},
                     ""},
        SettingsCase{"blanksCommentsAndCrLf",
                     "# nota\r\n\r\n  da-destra =  no \r\n\tfascicoli\t=\t4",
                     {false, false, "4", ""},
                     ""},
        SettingsCase{
            "lastLineWins", "fascicoli=4\nfascicoli=\nanteprima=s\u00ec\nanteprima=\n", {}, ""},
        SettingsCase{"yesNoInCapitals", "da-destra=S\u00cc\n", {}, "da-destra"},
        SettingsCase{"unknownKey", "da-destra=no\ncolore=rosso\n", {}, "Riga 2"},
        SettingsCase{"noEquals", "da-destra\n", {}, "Riga 1"},
        SettingsCase{"pathNamed", "x=1\n", {}, "/stato/X.conf"}),
    caseName<SettingsCase>);

TEST(Settings, defaultsAreWrittenOnceAndReadBackAsDefaults) {
    const TemporaryDirectory folder;
    const std::filesystem::path path = settingsPath(folder.path(), "Fronteretro");
    EXPECT_EQ(readSettings(path), PrinterSettings{});
    writeDefaultSettings(path);
    EXPECT_EQ(readSettings(path), PrinterSettings{});
    std::ofstream(path) << "fascicoli=6\n";
    writeDefaultSettings(path);
    EXPECT_EQ(readSettings(path).signatures, "6");
}

// Settings written over a file's text: the values change, the rest of the text stays.
struct RewriteCase {
    const char* name;
    const char* current;
    PrinterSettings settings;
    const char* text;
};

class SettingsRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(SettingsRewrite, keepsEveryLineButTheValues) {
    const RewriteCase& c = GetParam();
    const std::string text = settingsText(c.current, c.settings);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(readSettingsText(text, "X.conf"), c.settings);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsRewrite,
    ::testing::Values(RewriteCase{"commentsKept",
                                  "# mia nota\nda-destra=no\n\n# altra\nfascicoli = 4\n",
                                  {true, false, "", "1,5", false},
                                  "# mia nota\nda-destra=s\u00ec\n\n# altra\nfascicoli=\n"
                                  "quarta-di-copertina=no\nscorrimento=1,5\nanteprima=no\n"},
                      RewriteCase{
                          "crLfKept",
                          "da-destra=no\r\n# c\r\nquarta-di-copertina=no\r\nfascicoli=\r\n"
                          "scorrimento=\r\nanteprima=\r\n",
                          {false, true, "3", "", std::nullopt},
                          "da-destra=no\r\n# c\r\nquarta-di-copertina=s\u00ec\r\nfascicoli=3\r\n"
                          "scorrimento=\r\nanteprima=\r\n"},
                      RewriteCase{"noFinalLineBreak",
                                  "anteprima=s\u00ec",
                                  {},
                                  "anteprima=\nda-destra=no\nquarta-di-copertina=no\nfascicoli=\n"
                                  "scorrimento=\n"},
                      // The last line of a key is the one read: each of them gets the new value.
                      RewriteCase{"repeatedKey",
                                  "fascicoli=2\nfascicoli=5\n",
                                  {false, false, "6", ""},
                                  "fascicoli=6\nfascicoli=6\nda-destra=no\nquarta-di-copertina=no\n"
                                  "scorrimento=\nanteprima=\n"}),
    caseName<RewriteCase>);

// A web form's fields, as a form sends them; what they ask for.
struct FormCase {
    const char* name;
    std::map<std::string, std::string, std::less<>> fields;
    PrinterSettings settings;
    const char* error; // empty: read
};

class SettingsForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(SettingsForm, isReadAsTheFileWouldBe) {
    const FormCase& c = GetParam();
    const auto field = [&](std::string_view key) -> const char* {
        const auto found = c.fields.find(key);
        return found == c.fields.end() ? nullptr : found->second.c_str();
    };
    if (*c.error) {
        try {
            readSettingsForm(field, "/stato/X.conf");
            FAIL() << "accepted";
        } catch (const UserError& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
        return;
    }
    EXPECT_EQ(readSettingsForm(field, "/stato/X.conf"), c.settings);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsForm,
    ::testing::Values(
        // Unchecked boxes are not sent at all.
        FormCase{"nothingSent", {}, {}, ""},
        FormCase{"allSet",
                 {{"da-destra", "s\u00ec"},
                  {"quarta-di-copertina", "s\u00ec"},
                  {"fascicoli", " 5 "},
                  {"scorrimento", "0,5"},
                  {"anteprima", "no"},
                  {"session", "x"}},
                 {true, true, "5", "0,5", false},
                 ""},
        FormCase{"previewAutomatic", {{"anteprima", ""}, {"fascicoli", ""}}, {}, ""},
        FormCase{"checkboxWithOtherValue", {{"da-destra", "on"}}, {}, "da-destra"},
        FormCase{"previewOtherValue", {{"anteprima", "forse"}}, {}, "anteprima"},
        FormCase{"lineBreakInValue", {{"fascicoli", "4\nanteprima=s\u00ec"}}, {}, "fascicoli"},
        FormCase{"carriageReturnInValue", {{"scorrimento", "1\r2"}}, {}, "scorrimento"}),
    caseName<FormCase>);

// Settings the job rules refuse, and the key named in the refusal.
struct RefusalCase {
    const char* name;
    PrinterSettings settings;
    const char* refusal; // empty: taken
};

class SettingsRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SettingsRefusal, followsTheJobRules) {
    const RefusalCase& c = GetParam();
    const std::optional<std::string> refusal = settingsRefusal(c.settings, "/stato/X.conf");
    if (!*c.refusal) {
        EXPECT_FALSE(refusal) << *refusal;
        return;
    }
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find(c.refusal), std::string::npos) << *refusal;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsRefusal,
    ::testing::Values(RefusalCase{"defaults", {}, ""},
                      RefusalCase{"inRange", {true, true, "4", "2,5", true}, ""},
                      RefusalCase{"signaturesZero", {false, false, "0", ""}, "fascicoli"},
                      RefusalCase{"signaturesWords", {false, false, "molti", ""}, "fascicoli"},
                      RefusalCase{"creepTooWide", {false, false, "", "5,01"}, "scorrimento"}),
    caseName<RefusalCase>);

TEST(Settings, areSavedWholeKeepingAReadableFilesComments) {
    const TemporaryDirectory folder;
    const std::filesystem::path path = settingsPath(folder.path(), "Fronteretro");
    const PrinterSettings settings{true, false, "4", "", true};
    // No file yet, then a file of the user's, then one that doesn't read: the default layout
    // stands in for the last.
    saveSettings(path, settings);
    EXPECT_EQ(readSettings(path), settings);
    EXPECT_NE(readFile(path).find("# Fogli per fascicolo"), std::string::npos);
    std::ofstream(path) << "# la mia stampante\nfascicoli=2\n";
    saveSettings(path, settings);
    EXPECT_EQ(readSettings(path), settings);
    EXPECT_TRUE(readFile(path).starts_with("# la mia stampante\nfascicoli=4\n"));
    std::ofstream(path) << "colore=rosso\n";
    saveSettings(path, settings);
    EXPECT_EQ(readSettings(path), settings);
    EXPECT_EQ(readFile(path).find("colore"), std::string::npos);
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1);
}

TEST(Settings, thatCantBeSavedSaySoAndLeaveNothingBehind) {
    const TemporaryDirectory folder;
    std::ofstream(folder.path() / "impostazioni") << "un file, non una cartella\n";
    const std::filesystem::path path = settingsPath(folder.path(), "Fronteretro");
    try {
        saveSettings(path, {});
        FAIL() << "saved";
    } catch (const UserError& error) {
        EXPECT_NE(std::string(error.what()).find("Impossibile salvare"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

struct TitleCase {
    const char* name;
    std::string title;
    std::string fileName;
};

class Titles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Titles, becomeFileNamesThatStayInTheJobsFolder) {
    EXPECT_EQ(fileNameOf(GetParam().title), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Titles,
    ::testing::Values(TitleCase{"plain", "tesi.pdf", "tesi.pdf"},
                      TitleCase{"path", "../../etc/passwd", ".._.._etc_passwd"},
                      TitleCase{"controls", "a\nb\tc\x7f", "a_b_c_"}, TitleCase{"dot", ".", ""},
                      TitleCase{"dotDot", "..", ""}, TitleCase{"empty", "", ""},
                      // 199 bytes, then a two-byte character that would end past 200.
                      TitleCase{"cutOnACharacter", std::string(199, 'a') + "\u00e8x",
                                std::string(199, 'a')}),
    caseName<TitleCase>);

TEST(Titles, nameALinkToTheDocumentRemovedWithIt) {
    const TemporaryDirectory folder;
    const std::filesystem::path document = folder.path() / "p00001j000000001-x.pdf";
    std::ofstream(document) << "%PDF";
    {
        const TitledDocument titled(document, "Relazione 2026.pdf", 7);
        EXPECT_EQ(titled.path(), folder.path() / "lavoro-7" / "Relazione 2026.pdf");
        EXPECT_EQ(readFile(titled.path()), "%PDF");
    }
    EXPECT_EQ(folderContents(folder.path()).size(), 1u);
    const TitledDocument untitled(document, "..", 8);
    EXPECT_EQ(untitled.path(), document);
}

} // namespace

// Where a job goes: the window on a one-sided printer or when asked, else straight to the printer.
TEST(WindowJob, isShownOnAOneSidedPrinterOrWhenThePreviewIsOn) {
    struct Case {
        bool twoSided;
        std::optional<bool> preview;
        bool session;
        bool shown;
    };
    for (const Case& c :
         {Case{true, std::nullopt, true, true}, Case{true, std::nullopt, false, false},
          Case{true, false, true, false}, Case{true, true, false, true},
          Case{false, false, true, true}, Case{false, false, false, true}})
        EXPECT_EQ(shownInWindow(c.twoSided, c.preview, c.session), c.shown)
            << c.twoSided << c.preview.value_or(2) << c.session;
}

// The window's program, a stand-in with this body or the real one, and how the job ends.
struct WindowCase {
    const char* name;
    const char* body; // nullptr: the real window program; "": none at all
    PrintOutcome::End end;
    std::string message;
};

class WindowRun : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowRun, endsTheJobAsTheWindowDid) {
    const WindowCase& c = GetParam();
    const TemporaryDirectory dir;
    const fs::path program = !c.body ? fs::path(PLICORA_EXECUTABLE) : dir.path() / "plicora";
    if (c.body && *c.body) {
        std::ofstream(program) << "#!/bin/sh\necho \"$*\" > '" << (dir.path() / "args").string()
                               << "'\n"
                               << c.body << "\n";
        fs::permissions(program, fs::perms::owner_all);
    }
    const BookletPrint print{(dir.path() / "lavoro 7.pdf").string(),
                             "Unlato",
                             {21000, 29700},
                             {.rightToLeft = true, .signatures = "2", .creep = ""},
                             "/stato/Unlato.conf",
                             3};
    int asked = 0;
    const PrintOutcome outcome = printFromWindow(program, print, [&] { return ++asked > 2; });
    EXPECT_EQ(outcome.end, c.end);
    // The real program names the document it can't find.
    EXPECT_EQ(outcome.message, c.body ? c.message : c.message + print.document);
    if (c.body && *c.body) {
        EXPECT_EQ(readFile(dir.path() / "args"),
                  "--lavoro-di-stampa --modo 4 --avanzamento --fascicoli 2 --senza-prefisso "
                  "--da-destra --stampante Unlato --copie 3 -- " +
                      (dir.path() / "lavoro 7.pdf").string() + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ends, WindowRun,
    ::testing::Values(
        WindowCase{"printed", "exit 0", PrintOutcome::End::Printed, ""},
        WindowCase{"closed", "exit 1", PrintOutcome::End::Closed, closedWithoutPrintingMessage},
        // Stopped by the job's cancellation, asked twice a second.
        WindowCase{"cancelled", "exec sleep 30", PrintOutcome::End::Closed,
                   closedWithoutPrintingMessage},
        WindowCase{"refused",
                   "echo 'qt.qpa: some warning' >&2; echo 'plicora: Nessuno schermo' >&2; exit 1",
                   PrintOutcome::End::Refused, "Nessuno schermo"},
        WindowCase{"missing", "", PrintOutcome::End::Refused, windowMissingMessage},
        WindowCase{"realProgramOnAMissingDocument", nullptr, PrintOutcome::End::Refused,
                   "Il file non esiste: "}),
    caseName<WindowCase>);
