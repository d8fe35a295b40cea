// qorlinks FOLDER — checks every page and exercise item under FOLDER (a program folder's "hqor")
// and prints each link whose target file does not exist, one "page: target" line each. Links are
// checked as the page control would follow them.
// Exit code 0 when all links lead somewhere, 1 when some do not, 2 for a wrong call.

#include "page/sources/LinkCheck.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "--help") == 0) {
        std::fprintf(stderr, "usage: qorlinks FOLDER\n");
        return 2;
    }
    const std::string folder = qor::ProgramPath(std::filesystem::absolute(argv[1]));
    if (!qor::DirectoryExists(folder)) {
        std::fprintf(stderr, "qorlinks: %s is not a folder\n", argv[1]);
        return 2;
    }
    int pages = 0;
    const std::vector<qor::LinkProblem> problems = qor::CheckPageFolder(folder, &pages);
    for (const qor::LinkProblem& problem : problems) {
        std::printf("%s: %s\n", qor::Utf8FromCp1252(problem.page).c_str(),
                    qor::Utf8FromCp1252(problem.target).c_str());
    }
    std::printf("%d pages checked, %zu broken links\n", pages, problems.size());
    return problems.empty() ? 0 : 1;
}
