// qorpage: parses one page file (or standard input) and prints its document model, so that page
// authors and tests can see what the parser made of a page. The output format is described in
// docs/qorpage.md.

#include "page/markup/PageDocument.h"
#include "page/markup/PageDump.h"
#include "page/markup/PageHost.h"
#include "page/markup/PageParser.h"
#include "page/sources/PictureFile.h"
#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/WinPath.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: qorpage [--folder DIR] [--define NAME=VALUE]... [--condition NAME]... [--utf8] FILE|-\n";

// Message boxes become lines on standard error.
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
    std::vector<std::pair<std::string, std::string>> macros;
    std::vector<std::string> conditions;
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
            options.macros.emplace_back(definition.substr(0, equals), definition.substr(equals + 1));
        } else if (argument == "--condition" && hasValue) {
            options.conditions.emplace_back(argv[++i]);
        } else if (argument == "--utf8") {
            options.utf8 = true;
        } else if (options.input.empty() && (argument == "-" || !argument.starts_with("--"))) {
            options.input = argument;
        } else {
            return false;
        }
    }
    return !options.input.empty();
}

bool ReadInput(const std::string& input, std::string& text) {
    if (input == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    return qor::ReadWholeFile(qor::ProgramPath(input), text);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    std::string text;
    if (!ReadInput(options.input, text)) {
        std::cerr << "qorpage: cannot read " << options.input << '\n';
        return 1;
    }
    // Command-line texts are UTF-8; the page engine works in Windows-1252.
    const auto toPage = [&options](const std::string& value) {
        return options.utf8 ? qor::Cp1252FromUtf8(value) : value;
    };
    text = toPage(text);
    if (text.empty() || text.back() != '\r') {
        text += '\r';
    }

    StderrPresenter presenter;
    qor::SetMessagePresenter(&presenter);

    qor::PageDocument document;
    if (options.input != "-") {
        const std::filesystem::path path = std::filesystem::absolute(options.input);
        document.pageFolder = qor::WithTrailingSeparator(qor::ProgramPath(path.parent_path()));
        document.currentFile = qor::ProgramPath(path.filename());
    }
    if (!options.folder.empty()) {
        document.pageFolder =
            qor::WithTrailingSeparator(qor::ProgramPath(std::filesystem::absolute(options.folder)));
    }
    for (const auto& [name, value] : options.macros) {
        document.macros.Set(toPage(name), toPage(value));
    }
    for (const std::string& condition : options.conditions) {
        document.conditions.Set(toPage(condition));
    }
    document.SetPictureReader(qor::ReadPictureFile);

    qor::DiskPageHost host;
    qor::ParseFreshPage(document, host, text);
    std::cout << qor::DumpDocument(document);
    qor::SetMessagePresenter(nullptr);
    return 0;
}
