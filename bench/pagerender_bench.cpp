// A full page switch as the learner sees it: inflate a packed page, parse it, lay it out and
// render it into the 800 × 572 buffer, for three kinds of page. The same content is also drawn
// as HTML with Qt's QTextDocument into an image of the same size, for comparison.

#include "page/render/PageRenderRun.h"
#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/Random.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"

// Built without Qt (no GUI configured), the benchmark measures with the fixed-advance fonts and
// leaves out the comparison.
#if __has_include(<QGuiApplication>)
#define QOR_BENCH_WITH_QT 1
#include "platform/qt/QtFontService.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#else
#define QOR_BENCH_WITH_QT 0
#endif
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string TextPage() {
    std::string page = "<TITLE>Lesetext</TITLE><H2>La ville de Paris</H2><P><BLOCK>";
    for (int i = 0; i < 12; ++i) {
        page += "Paris est la capitale de la France. Elle est <B>connue</B> pour ses <I>musées</I>, "
                "ses monuments et ses <A HREF=\"suite.htx\">cafés</A>. <W>pomme de terre</W> ";
    }
    return page;
}

std::string ExercisePage() {
    std::string page = "<TITLE>Übung</TITLE><BODY KLOTZ=#C0C0C0><H4>Lücken</H4><BR>";
    for (int i = 0; i < 6; ++i) {
        page += "La <A GAP lsg=\"maison\" help=\"m_ _ _ _ _\">maison</A> est grande. ";
    }
    page += "<P><KLOTZ Y=300 FALSCH=\"chien/table\">";
    for (int i = 0; i < 4; ++i) {
        page += "Le <A DRAG>garçon</A> mange une <A DRAG>pomme</A>. ";
    }
    page += "<BOX COORDS=\"20,420,300,80\" COLOR=#FFE080 BCOLOR=#806000 BWIDTH=2>Ein Kasten"
            "<BOX COORDS=\"400,420,300,80\" COLOR=#80C0FF>Noch einer"
            "<SATZ TEILE=\"Je /suis /ici\" COORDS=\"40,520,600,24\">";
    return page;
}

std::string PicturePage() {
    std::string page = "<TITLE>Bilder</TITLE>";
    for (int i = 0; i < 6; ++i) {
        page += "Bild <IMG SRC=\"sun.bmp\" RADIUS=12> <IMG SRC=\"sun.bmp\" ALPHA=50> <IMG SRC=\"board.bmp\" "
                "MODE=7 COLOR=#0000FF> <IMG SRC=\"sun.bmp\" SCALE=150%><BR>";
    }
    page += "<BOX COORDS=\"500,40,200,120\" COLOR=#80C0FF SHAPE=ROUNDRECT RADIUS=20 ALPHA=180>Rund"
            "<ELLIPSE COORDS=\"600,400,180,90\" COLOR=#FFC0C0 BCOLOR=#C00000 BWIDTH=2>";
    return page;
}

#if QOR_BENCH_WITH_QT
// The same content as HTML for QTextDocument.
QString AsHtml(const std::string& page) {
    QString html = QString::fromUtf8(page.data(), static_cast<int>(page.size()));
    html.replace("<BLOCK>", "<p align=justify>").replace("<W>", "").replace("</W>", "");
    return "<html><body>" + html + "</body></html>";
}

#endif

struct Fixture {
    fs::path folder;
#if QOR_BENCH_WITH_QT
    std::unique_ptr<QGuiApplication> application;
    qor::QtFontService fonts;
#endif

    Fixture() {
#if QOR_BENCH_WITH_QT
        static int argc = 1;
        static char name[] = "pagerender_bench";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
        qor::QtFontService::LoadFontFiles();
        qor::SetFontService(&fonts);
#endif
        folder = fs::temp_directory_path() / "qor_pagerender_bench";
        fs::create_directories(folder);
        const fs::path gallery = fs::path(QOR_SOURCE_DIR) / "tests" / "page" / "gallery";
        for (const char* picture : {"sun.bmp", "board.bmp"}) {
            fs::copy_file(gallery / picture, folder / picture, fs::copy_options::overwrite_existing);
        }
        Write("text.htx", TextPage());
        Write("uebung.htx", ExercisePage());
        Write("pictures.htx", PicturePage());
    }

    void Write(const char* name, const std::string& page) {
        // The pages are written here in UTF-8; page files are Windows-1252.
        { std::ofstream(folder / name, std::ios::binary) << qor::DeflateZlib(qor::Cp1252FromUtf8(page)); }
        // Installed long before the learner opens them, as the program's pages are.
        fs::last_write_time(folder / name, fs::file_time_type::clock::now() - std::chrono::hours(24));
    }
};

// Never destroyed: the Qt application must not go away during static destruction.
Fixture& Shared() {
    static Fixture* fixture = new Fixture;
    return *fixture;
}

void PageSwitch(benchmark::State& state, const char* file) {
    Fixture& fixture = Shared();
    qor::PageRenderRequest request;
    request.folder = qor::WithTrailingSeparator(qor::ProgramPath(fixture.folder));
    request.file = file;
    // One page control shows page after page: its buffers stay.
    qor::PageRenderRun run;
    // Seeded once, as the program does: the shuffled blocks differ from switch to switch but cost
    // the same, and reseeding a Mersenne twister is no part of a page switch.
    qor::SeedRandom(1);
    for (auto _ : state) {
        if (!run.Render(request)) {
            state.SkipWithError("page did not load");
            break;
        }
        benchmark::DoNotOptimize(run.Painter().Buffer().Row(0));
    }
}

#if QOR_BENCH_WITH_QT
void RenderWithQt(const QString& html) {
    QImage image(800, 572, QImage::Format_RGB32);
    image.fill(Qt::white);
    QTextDocument document;
    document.setTextWidth(800 - 32);
    document.setHtml(html);
    QPainter painter(&image);
    document.drawContents(&painter, QRectF(0, 0, 800, 572));
    benchmark::DoNotOptimize(image.bits());
}

void QtTextDocument(benchmark::State& state, std::string (*page)()) {
    Shared();
    const QString html = AsHtml(page());
    for (auto _ : state) {
        RenderWithQt(html);
    }
}

// Both renderers in turn, each switch timed on the thread's CPU clock, so that a machine that
// slows down or speeds up between two separate benchmarks does not move the ratio. The counters
// are the median times and their ratio (how many times faster our page switch is).
struct PagePair {
    const char* file;
    std::string (*page)();
};

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void Ratio(benchmark::State& state, PagePair pair) {
    Fixture& fixture = Shared();
    qor::PageRenderRequest request;
    request.folder = qor::WithTrailingSeparator(qor::ProgramPath(fixture.folder));
    request.file = pair.file;
    qor::PageRenderRun run;
    qor::SeedRandom(1);
    const QString html = AsHtml(pair.page());
    std::vector<double> ours, theirs;
    for (auto _ : state) {
        const double start = ThreadCpuSeconds();
        if (!run.Render(request)) {
            state.SkipWithError("page did not load");
            break;
        }
        benchmark::DoNotOptimize(run.Painter().Buffer().Row(0));
        const double middle = ThreadCpuSeconds();
        RenderWithQt(html);
        const double end = ThreadCpuSeconds();
        ours.push_back(middle - start);
        theirs.push_back(end - middle);
    }
    const double oursMedian = Median(ours);
    const double theirsMedian = Median(theirs);
    state.counters["ours_ms"] = oursMedian * 1e3;
    state.counters["qt_ms"] = theirsMedian * 1e3;
    state.counters["ratio"] = oursMedian > 0 ? theirsMedian / oursMedian : 0;
}

#endif

BENCHMARK_CAPTURE(PageSwitch, text, "text.htx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PageSwitch, exercise, "uebung.htx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PageSwitch, pictures, "pictures.htx")->Unit(benchmark::kMillisecond);
#if QOR_BENCH_WITH_QT
BENCHMARK_CAPTURE(QtTextDocument, text, TextPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QtTextDocument, exercise, ExercisePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QtTextDocument, pictures, PicturePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ratio, text, PagePair{"text.htx", TextPage})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ratio, exercise, PagePair{"uebung.htx", ExercisePage})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ratio, pictures, PagePair{"pictures.htx", PicturePage})->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
