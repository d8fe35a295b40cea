// The random libraries with the dictionaries and libraries the build made (run after building the
// program folder): the area library the query assembles from the largest area, and the library of
// 40 the editor draws from the dictionary, each entry taken over with its first meaning. Both should
// stay within 20 ms. Loading both dictionary halves, which every start-up does, is measured too.

#include "dictionary/TXDatabase.h"
#include "editor/TakeOverMeanings.h"
#include "platform/Random.h"
#include "platform/WinPath.h"
#include "vocab/TBibliothek.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

const fs::path kProgram = QOR_PROGRAM_DIR;

// The area folder whose libraries hold the most bytes.
fs::path LargestArea() {
    fs::path largest;
    std::uintmax_t largestSize = 0;
    for (const auto& area : fs::directory_iterator(kProgram / "Vokabeln (F)")) {
        std::uintmax_t size = 0;
        for (const auto& file : fs::recursive_directory_iterator(area.path()))
            size += file.is_regular_file() ? file.file_size() : 0;
        if (size > largestSize) {
            largest = area.path();
            largestSize = size;
        }
    }
    return largest;
}

void LoadBothHalves(qor::TXDatabase& dictionary) {
    dictionary.SetDirection(qor::DictionaryDirection::GermanFrench);
    dictionary.Load(qor::ProgramPath(kProgram / "d_f.qor"));
    dictionary.SetDirection(qor::DictionaryDirection::FrenchGerman);
    dictionary.Load(qor::ProgramPath(kProgram / "f_d.qor"));
}

void BM_RandomAreaLibrary(benchmark::State& state) {
    const fs::path area = LargestArea();
    if (area.empty()) {
        state.SkipWithError("no vocabulary areas: build the program folder first");
        return;
    }
    const std::string folder = qor::ProgramPath(area) + "\\";
    qor::TBibliothek library;
    qor::SeedRandom(3);
    for (auto _ : state) {
        library.LoadRandomArea(folder);
        benchmark::DoNotOptimize(library.Count());
    }
    state.SetLabel(area.filename().string() + ", " + std::to_string(library.Count()) + " entries");
}
BENCHMARK(BM_RandomAreaLibrary)->Unit(benchmark::kMillisecond);

// What "Zufällig erzeugen" does per entry, without the window: pick a half, a random entry of it,
// and take it over into a fresh library line.
void BM_RandomLibraryOf40FromTheDictionary(benchmark::State& state) {
    qor::TXDatabase dictionary;
    LoadBothHalves(dictionary);
    if (dictionary.Count() == 0) {
        state.SkipWithError("empty dictionary: build the program folder first");
        return;
    }
    qor::SeedRandom(5);
    for (auto _ : state) {
        qor::TBibliothek library;
        for (int i = 0; i < 40; ++i) {
            const bool germanFrench = 50 < qor::RandomBelow(101);
            dictionary.SetDirection(germanFrench ? qor::DictionaryDirection::GermanFrench
                                                 : qor::DictionaryDirection::FrenchGerman);
            dictionary.RandomEntry(qor::WordClassChoice::Any);
            const qor::MeaningFields meanings = qor::TakeOverMeanings({}, dictionary.Bedeutung());
            library.SetVokabel(i, dictionary.Vokabel());
            library.SetBedeutung(i, 0, meanings.first);
            library.SetBedeutung(i, 1, meanings.further);
            library.SetWortart(i, dictionary.Wortart() - 1);
            library.SetDeutsch(i, germanFrench);
            library.AddBlank();
        }
        benchmark::DoNotOptimize(library.Count());
    }
}
BENCHMARK(BM_RandomLibraryOf40FromTheDictionary)->Unit(benchmark::kMillisecond);

void BM_LoadBothDictionaryHalves(benchmark::State& state) {
    for (auto _ : state) {
        qor::TXDatabase dictionary;
        LoadBothHalves(dictionary);
        benchmark::DoNotOptimize(dictionary.Count());
    }
}
BENCHMARK(BM_LoadBothDictionaryHalves)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
