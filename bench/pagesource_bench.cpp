// Loading a packed page the way the trainer does on every page change: read the file, inflate it
// and parse it as a fresh page into the page's document (reused, as the page control reuses it).

#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/sources/PageFile.h"
#include "page/sources/PageSource.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

// Lesson-like markup: headings, paragraphs with styled words, links, conditions and macros.
std::string RealisticPage(std::size_t size) {
    static const char* const kWords[] = {"le",
                                         "chat",
                                         "est",
                                         "noir",
                                         "la",
                                         "maison",
                                         "nous",
                                         "avons",
                                         "mang&eacute;",
                                         "une",
                                         "pomme",
                                         "der",
                                         "Hund",
                                         "l&auml;uft",
                                         "schnell",
                                         "Vokabel",
                                         "Lektion",
                                         "Aufgabe",
                                         "r&eacute;ponse",
                                         "question",
                                         "toujours",
                                         "jamais",
                                         "souvent",
                                         "Wort"};
    constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
    std::string page = "<HTML><TITLE>Lektion 7: Le pass&eacute; compos&eacute;</TITLE>\r\n"
                       "<BODY BGCOLOR=#FFFFF0 TEXT=#000000 LINK=#008000>\r\n"
                       "<DEFINE $name=\"Marie\">\r\n";
    std::uint32_t state = 7;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    int paragraph = 0;
    while (page.size() < size) {
        page += "<P><FONT SIZE=4><B>Abschnitt " + std::to_string(++paragraph) + "</B></FONT><BR>\r\n";
        if (paragraph % 4 == 0)
            page += "<IF next><A HREF=\"lek08.htx\">Weiter</A><ELSE>Ende.</IF>\r\n";
        for (int word = 0; word < 60; ++word) {
            const std::uint32_t pick = next();
            const char* text = kWords[pick % kWordCount];
            switch ((pick >> 8) % 30) {
            case 0:
                page += std::string("<I>") + text + "</I> ";
                break;
            case 1:
                page +=
                    std::string("<A HREF=\"wort") + std::to_string(pick % 40) + ".htx\">" + text + "</A> ";
                break;
            case 2:
                page += "$[name] ";
                break;
            default:
                page += std::string(text) + (word % 12 == 11 ? ".\r\n" : " ");
            }
        }
    }
    return page;
}

void BM_LoadPackedPage(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qor_pagesource_bench";
    std::filesystem::create_directories(folder);
    const std::string page = RealisticPage(50 * 1024);
    const std::string packed = qor::DeflateZlib(page);
    qor::WriteFileAtomically(folder / "lektion.htx", packed);
    const std::string path = qor::ProgramPath(folder / "lektion.htx");

    qor::PageDocument document;
    qor::DiskPageHost host;
    qor::PageSource source(document, host);
    source.SetProgramFolder(qor::ProgramPath(folder));
    source.SetXPath(qor::ProgramPath(folder));
    for (auto _ : state) {
        const bool loaded = source.LoadPageFile(path, qor::PageLoad::Fresh);
        benchmark::DoNotOptimize(loaded);
        benchmark::DoNotOptimize(document.elements.Count());
    }
    state.counters["page_bytes"] = static_cast<double>(page.size());
    state.counters["packed_bytes"] = static_cast<double>(packed.size());
    state.counters["elements"] = static_cast<double>(document.elements.Count());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadPackedPage)->Unit(benchmark::kMicrosecond);

// The loader's share of the above: reading and inflating only.
void BM_ReadPackedPage(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qor_pagesource_bench_read";
    std::filesystem::create_directories(folder);
    qor::WriteFileAtomically(folder / "lektion.htx", qor::DeflateZlib(RealisticPage(50 * 1024)));
    const std::string path = qor::ProgramPath(folder / "lektion.htx");
    std::string text, error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qor::LoadPageText(path, text, error));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadPackedPage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
