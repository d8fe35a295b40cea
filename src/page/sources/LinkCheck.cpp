#include "page/sources/LinkCheck.h"

#include "page/controls/PageLinkNames.h"
#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/markup/PageParser.h"
#include "page/markup/PagePath.h"
#include "page/render/PageLayout.h"
#include "page/sources/ExerciseFile.h"
#include "page/sources/PageFile.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <filesystem>

namespace qor {

namespace {

// How deep aliases and "§[cmd]" prefixes are followed; a page that chains further is broken anyway.
constexpr int kMaxTargetDepth = 8;

bool StartsWithUpper(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && UpperCp1252(text.substr(0, prefix.size())) == prefix;
}

// The value after KEY= in an "EX" command, up to the next blank.
std::string ExerciseValue(std::string_view command, std::string_view key) {
    const std::string upper = UpperCp1252(command);
    const std::size_t at = upper.find(key);
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + key.size();
    const std::size_t end = command.find(' ', start);
    return std::string(command.substr(start, end == std::string_view::npos ? end : end - start));
}

void CollectFiles(const PageDocument& document, std::string_view target, int depth,
                  std::vector<std::string>& files) {
    if (target.empty() || depth > kMaxTargetDepth)
        return;
    if (target.starts_with('#')) {
        const std::string value = document.linkAliases.Get(target, "");
        CollectFiles(document, std::string_view(value).substr(0, value.find('@')), depth + 1, files);
        return;
    }
    if (target.starts_with("\xA7[")) {
        const std::size_t close = target.find(']');
        if (close != std::string_view::npos)
            CollectFiles(document, target.substr(close + 1), depth + 1, files);
        return;
    }
    if (StartsWithUpper(target, "EX ")) {
        if (std::string file = ExerciseValue(target, "FILE="); !file.empty())
            files.push_back(std::move(file));
        const std::string next = ExerciseValue(target, "WEITER=");
        CollectFiles(document, next, depth + 1, files);
        return;
    }
    constexpr std::string_view kNotFiles[] = {"\xA7", "@", "%", "+", "?", "-"};
    for (std::string_view prefix : kNotFiles) {
        if (target.starts_with(prefix))
            return;
    }
    if (StartsWithUpper(target, "HTTP") || StartsWithUpper(target, "EX") || UpperCp1252(target) == "END" ||
        !SpeechLinkText(target).empty())
        return;
    files.emplace_back(target);
}

} // namespace

std::vector<std::string> LinkedFiles(const PageDocument& document, std::string_view name) {
    std::vector<std::string> files;
    const std::string_view target = name.substr(0, name.find('@'));
    const std::size_t split = target.find('\xB0');
    CollectFiles(document, target.substr(0, split), 0, files);
    if (split != std::string_view::npos)
        CollectFiles(document, target.substr(split + 1), 0, files);
    return files;
}

std::vector<std::string> MissingLinkTargets(const PageDocument& document, const PageLayout& layout) {
    std::vector<std::string> missing;
    auto check = [&](const std::string& name) {
        for (const std::string& file : LinkedFiles(document, name)) {
            if (!FileExists(ResolvePagePath(document.pageFolder, file)) &&
                std::find(missing.begin(), missing.end(), file) == missing.end())
                missing.push_back(file);
        }
    };
    for (int i = 0; i < document.namedRectangles.Count(); ++i) {
        const NamedRectangle& named = document.namedRectangles.At(i);
        if (named.kind != RectangleKind::Unnamed)
            check(named.name);
    }
    for (int i = 0; i < layout.Links().Count(); ++i)
        check(layout.Links().At(i).target);
    if (document.autoJump.Active())
        check(document.autoJump.target);
    if (!document.clickTarget.empty())
        check(document.clickTarget);
    if (!document.enterTarget.empty())
        check(document.enterTarget);
    return missing;
}

std::vector<LinkProblem> CheckPageFolder(const std::string& folder, int* pagesChecked) {
    namespace fs = std::filesystem;
    std::vector<LinkProblem> problems;
    int checked = 0;
    const std::string root = WithTrailingSeparator(folder);
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(NativePath(root), error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const std::string extension = file.extension().string();
        const bool exercise = extension == ".qor";
        if (!exercise && extension != ".htx" && extension != ".hqor" && extension != ".html" &&
            extension != ".htm")
            continue;
        const std::string relative = ProgramPath(fs::relative(file, NativePath(root), error));
        const std::string path = ProgramPath(file);
        std::string text;
        std::string message;
        if (!LoadPageText(path, text, message)) {
            problems.push_back({relative, message});
            continue;
        }
        std::vector<std::string> texts;
        if (exercise) {
            ExerciseFile series;
            if (!ReadExerciseFile(text, series)) {
                problems.push_back({relative, "keine Aufgabendatei"});
                continue;
            }
            for (std::size_t i = 0; i < series.items.size(); ++i)
                texts.push_back(series.PageText(i));
        } else {
            texts.push_back(std::move(text));
        }
        for (const std::string& pageText : texts) {
            PageDocument document;
            DiskPageHost host;
            document.pageFolder = FolderPart(path);
            document.currentFile = FileNamePart(path);
            document.exerciseItem = exercise;
            ParseFreshPage(document, host, pageText);
            PageLayout layout;
            layout.Run(document, LayoutSettings{});
            for (std::string& target : MissingLinkTargets(document, layout))
                problems.push_back({relative, std::move(target)});
            ++checked;
        }
    }
    if (pagesChecked)
        *pagesChecked = checked;
    return problems;
}

} // namespace qor
