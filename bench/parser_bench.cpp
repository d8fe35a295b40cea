// Parsing speed of the page markup parser on a large page that looks like real lesson pages:
// paragraphs of text with FONT/B/I, links, conditional sections, macros and entities.

#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/markup/PageParser.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

std::string RealisticPage(std::size_t size) {
    static const char* const kWords[] = {
        "le",       "chat",         "est",     "noir",       "la",           "maison",
        "des",      "enfants",      "nous",    "avons",      "mang&eacute;", "une",
        "pomme",    "der",          "Hund",    "l&auml;uft", "schnell",      "&uuml;ber",
        "die",      "Stra&szlig;e", "Vokabel", "Lektion",    "Aufgabe",      "r&eacute;ponse",
        "question", "toujours",     "jamais",  "souvent",    "Wort",         "&amp;"};
    constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
    std::string page = "<HTML><TITLE>Lektion 7: Le pass&eacute; compos&eacute;</TITLE>\r\n"
                       "<BODY BGCOLOR=#FFFFF0 TEXT=#000000 LINK=#008000>\r\n"
                       "<DEFINE $name=\"Marie\" $fett=\"{b}wichtig{/b}\">\r\n"
                       "<COLORS rot=#CC0000 blau=#0000CC>\r\n";
    std::uint32_t state = 42;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    int paragraph = 0;
    while (page.size() < size) {
        page +=
            "<P><FONT SIZE=4 COLOR=blau><B>Abschnitt " + std::to_string(++paragraph) + "</B></FONT><BR>\r\n";
        if (paragraph % 3 == 0) {
            page += "<IF next>Weiter geht es mit <A HREF=\"lek08.htx\">der n&auml;chsten Lektion</A>.<ELSE>"
                    "Das ist die letzte Seite.</IF>\r\n";
        }
        for (int sentence = 0; sentence < 6; ++sentence) {
            const int length = 6 + static_cast<int>(next() % 10);
            for (int w = 0; w < length; ++w) {
                const std::uint32_t pick = next();
                const char* word = kWords[pick % kWordCount];
                switch ((pick >> 8) % 40) {
                case 0:
                    page += std::string("<I>") + word + "</I>";
                    break;
                case 1:
                    page +=
                        std::string("<A HREF=\"wort") + std::to_string(pick % 50) + ".htx\">" + word + "</A>";
                    break;
                case 2:
                    page += "$[name]";
                    break;
                case 3:
                    page += std::string("<FONT COLOR=rot>") + word + "</FONT>";
                    break;
                default:
                    page += word;
                }
                page += w + 1 < length ? " " : ".\r\n";
            }
        }
    }
    return page;
}

void Prepare(qor::PageDocument& document) {
    document.pageFolder = "C:\\kurs\\";
    document.currentFile = "lek07.htx";
    document.conditions.Set("next");
}

// The page control keeps one document and resets it for every page, so the element list keeps
// its capacity from page to page: this is the steady state.
void ParsePage(benchmark::State& state) {
    const std::string page = RealisticPage(1 << 20);
    static qor::PageDocument document;
    Prepare(document);
    qor::DiskPageHost host;
    qor::ParseFreshPage(document, host, page);
    for (auto _ : state) {
        qor::ParseFreshPage(document, host, page);
        benchmark::DoNotOptimize(document.elements.Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
    state.counters["elements"] = static_cast<double>(document.elements.Count());
}
BENCHMARK(ParsePage)->Unit(benchmark::kMillisecond);

// The first page of a new page control: the element list grows from nothing.
void ParsePageIntoNewDocument(benchmark::State& state) {
    const std::string page = RealisticPage(static_cast<std::size_t>(state.range(0)));
    qor::DiskPageHost host;
    for (auto _ : state) {
        qor::PageDocument document;
        Prepare(document);
        qor::ParseFreshPage(document, host, page);
        benchmark::DoNotOptimize(document.elements.Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(ParsePageIntoNewDocument)->Arg(16 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
