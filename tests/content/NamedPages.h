#pragma once
// The pages the program loads by name, with what the program has set when it shows each one
// (conditions, page variables, answers to special codes) and what the page must offer in return:
// the variables it shows, its links, the conditions it reacts to, its check boxes, input, gap
// fields, colour names, named styles and host-drawn pictures.
//
// Page variables are filled with markup as the program builds it; the variable's own text is a
// marker word ("¤name¤") so that a test can see where the page shows it.

#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor::test {

// A gap field the page must hold: its first accepted answer and the command it reports with.
struct GapOffer {
    std::string_view firstSolution{};
    std::string_view reaction{};
    std::string_view help{}; // the help text (F12) the field offers
};

// A box that a page variable draws (the evaluation bars): where it stands and its colour name.
struct BarOffer {
    int x = 0;
    int y = 0;
    std::string_view colourName{};
};

struct NamedPage {
    std::string_view page{}; // relative to the page folder, Windows-1252

    // --- what the program has set when it shows the page ---
    std::vector<std::string_view> conditions{};
    std::vector<std::string_view> specialYes{}; // special codes answered "+" (IF ?code)
    // Page variables: "name" takes the standard markup for that name; "name=markup" brings its
    // own, where "{}" stands for the marker word.
    std::vector<std::string_view> variables{};

    // --- what the page must offer ---
    std::vector<std::string_view> shows{};    // variables and special codes whose marker word appears
    std::vector<std::string_view> hides{};    // variables whose marker word must not appear
    std::vector<std::string_view> links{};    // link targets (before any "@hint")
    std::vector<std::string_view> switches{}; // conditions (or "?code") whose state changes the page
    std::vector<std::string_view> checkBoxes{};
    std::string_view input{}; // the NAME of the page's text input
    std::vector<GapOffer> gaps{};
    std::vector<std::string_view> colourNames{};
    std::vector<std::string_view> styles{};   // named styles the program's markup applies
    std::vector<std::string_view> pictures{}; // codes of pictures the host draws ('%WxH=code')
    std::vector<BarOffer> bars{};
    std::string_view autoJump{}; // the BODY WAIT target, when the page plays something by itself
    // Pages shown in a dialog's smaller page control: every box stays inside this size.
    int fitWidth = 0;
    int fitHeight = 0;
    // A window shows the page behind its own controls and leads on by them: the page has no links.
    bool windowBackground = false;
};

// The marker word of a variable or special code.
std::string Marker(std::string_view name);

const std::vector<NamedPage>& NamedPages();
const NamedPage* FindNamedPage(std::string_view page);

// Prepares a fresh document and its host the way the program has them when it shows the page:
// conditions, variables, the special-code handler (markers, "+" for `specialYes`) and the
// picture handler (which records the codes it is asked for in `pictureCodes`).
void ApplyProgramState(const NamedPage& page, PageDocument& document, DiskPageHost& host,
                       std::vector<std::string>& pictureCodes);

} // namespace qor::test
