// qorrender: renders one page file without a window into a PNG picture of the 800 × 572 client
// area (or the whole document), with the Liberation fonts, and prints the page title and the
// links whose target files are missing. For page authors and for looking at pages in reviews.

#include "page/render/BitmapPng.h"
#include "page/render/PageRenderRun.h"
#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/Random.h"
#include "platform/WinPath.h"
#include "platform/qt/QtFontService.h"

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: qorrender [--folder DIR] [--define NAME=VALUE]... [--condition NAME]...\n"
    "                 [--scroll N] [--full] [--utf8] -o OUT.png FILE\n";

class StderrPresenter : public qor::MessagePresenter {
public:
    int Show(std::string_view text, std::string_view, int flags) override {
        std::cerr << "message: " << qor::Utf8FromCp1252(text) << '\n';
        return qor::DefaultAnswer(flags);
    }
};

struct Options {
    std::string input;
    std::string folder;
    std::string output;
    std::vector<std::pair<std::string, std::string>> macros;
    std::vector<std::string> conditions;
    int scroll = 0;
    bool full = false;
    bool utf8 = false;
};

bool ReadOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--folder" && hasValue) {
            options.folder = argv[++i];
        } else if (argument == "--define" && hasValue) {
            const std::string definition = argv[++i];
            const std::size_t equals = definition.find('=');
            if (equals == std::string::npos) {
                return false;
            }
            options.macros.emplace_back(qor::Cp1252FromUtf8(definition.substr(0, equals)),
                                        qor::Cp1252FromUtf8(definition.substr(equals + 1)));
        } else if (argument == "--condition" && hasValue) {
            options.conditions.push_back(qor::Cp1252FromUtf8(argv[++i]));
        } else if (argument == "--scroll" && hasValue) {
            options.scroll = std::atoi(argv[++i]);
        } else if (argument == "--full") {
            options.full = true;
        } else if (argument == "--utf8") {
            options.utf8 = true;
        } else if (argument == "-o" && hasValue) {
            options.output = argv[++i];
        } else if (options.input.empty() && !argument.starts_with("-")) {
            options.input = argument;
        } else {
            return false;
        }
    }
    return !options.input.empty() && !options.output.empty();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication application(argc, argv);
    if (!qor::QtFontService::LoadFontFiles()) {
        std::cerr << "qorrender: the Liberation fonts are missing\n";
        return 1;
    }
    qor::QtFontService fonts;
    qor::SetFontService(&fonts);
    StderrPresenter presenter;
    qor::SetMessagePresenter(&presenter);
    qor::SeedRandom(1); // the same picture on every run

    // Without --folder the page's own folder is the page folder.
    const std::filesystem::path input = std::filesystem::absolute(options.input);
    qor::PageRenderRequest request;
    request.folder = qor::ProgramPath(options.folder.empty() ? input.parent_path()
                                                             : std::filesystem::absolute(options.folder));
    request.file = qor::ProgramPath(options.folder.empty() ? input.filename() : input);
    request.macros = options.macros;
    request.conditions = options.conditions;
    request.utf8 = options.utf8;

    int status = 0;
    {
        qor::PageRenderRun run;
        if (!run.Render(request)) {
            std::cerr << "qorrender: cannot show " << options.input << '\n';
            status = 1;
        } else {
            std::cout << "title: " << qor::Utf8FromCp1252(run.Document().title) << '\n';
            for (const std::string& link : run.BadLinks()) {
                std::cout << "bad link: " << qor::Utf8FromCp1252(link) << '\n';
            }
            if (!qor::SavePng(run.Visible(options.scroll, options.full), options.output)) {
                std::cerr << "qorrender: cannot write " << options.output << '\n';
                status = 1;
            }
        }
    }
    qor::SetMessagePresenter(nullptr);
    qor::SetFontService(nullptr);
    return status;
}
