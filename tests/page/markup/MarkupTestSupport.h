#pragma once
// Shared pieces of the markup tests: a page host with files in memory, a page that parses
// markup, and a message box that records instead of showing.

#include "page/controls/TestControlHost.h"
#include "page/markup/PageDocument.h"
#include "page/markup/PageDump.h"
#include "page/markup/PageHost.h"
#include "page/markup/PageParser.h"
#include "platform/MessageCapture.h"
#include "platform/MessagePresenter.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"

#include <map>
#include <string>
#include <vector>

namespace qor::test {

// Page files live in a map (path → text) instead of on disk.
class MemoryPageHost : public DiskPageHost {
public:
    std::map<std::string, std::string> files;

    bool LoadPageText(std::string_view path, std::string& text) override {
        const auto found = files.find(std::string(path));
        if (found == files.end()) {
            return false;
        }
        text = found->second + "\r";
        return true;
    }
    bool FileExists(std::string_view path) const override { return files.contains(std::string(path)); }
};

inline constexpr const char* kPageFolder = "C:\\kurs\\lek1\\";

// A page in the folder "C:\kurs\lek1\" that parses markup as a fresh page.
struct TestPage {
    PageDocument document;
    MemoryPageHost host;
    TagTable tags = TagTable::Standard();

    TestPage() {
        document.pageFolder = kPageFolder;
        SeedRandom(7);
    }

    void Parse(std::string_view markup) {
        document.Reset();
        PageParser parser(document, host, tags);
        parser.Parse(markup, ParseMode::Fresh);
    }

    // Each element as DescribeElement writes it.
    std::vector<std::string> Elements() const {
        std::vector<std::string> lines;
        for (const tFormatted_text& element : document.elements) {
            lines.push_back(DescribeElement(element));
        }
        return lines;
    }
};

// The lines of one "[section]" of the page dump.
inline std::vector<std::string> SectionLines(const PageDocument& document, std::string_view section) {
    const std::string dump = DumpDocument(document);
    const std::string header = "[" + std::string(section) + "]\n";
    std::vector<std::string> lines;
    std::size_t at = dump.find(header);
    if (at == std::string::npos) {
        return lines;
    }
    at += header.size();
    while (at < dump.size() && dump[at] != '[') {
        const std::size_t end = dump.find('\n', at);
        lines.push_back(dump.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

// A test page whose controls live on a TestControlHost (declared first, so it outlives them).
struct ControlPage {
    TestControlHost controls;
    TestPage page;
    ControlPage() { page.document.SetControlHost(&controls); }
    ~ControlPage() { page.document.SetControlHost(nullptr); }
    ControlPage(const ControlPage&) = delete;
    ControlPage& operator=(const ControlPage&) = delete;

    PageDocument& Document() { return page.document; }
    void Parse(std::string_view markup) { page.Parse(markup); }
};

} // namespace qor::test
