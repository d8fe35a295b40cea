// Inputs that could make a careless scanner loop, stall or grow quadratically. Each must finish
// and give bounded output; a hang shows up as the test timing out.

#include "MarkupTestSupport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

constexpr std::size_t kSize = 1 << 20;

std::string Repeat(std::string_view unit, std::size_t totalSize) {
    std::string text;
    text.reserve(totalSize + unit.size());
    while (text.size() < totalSize) {
        text += unit;
    }
    return text;
}

struct PathologicalCase {
    const char* name;
    std::string markup;
    std::size_t maxElements;
};

TEST(PathologicalInput, FinishesWithBoundedOutput) {
    const std::vector<PathologicalCase> cases = {
        {"double brackets", Repeat("<<", kSize / 4), kSize / 8 + 1},
        {"dollars", Repeat("$", kSize), 1},
        {"macro openings without end", Repeat("$[", kSize), 1},
        {"macro openings after spaces", Repeat(" $[", kSize / 4), kSize / 4},
        {"ampersands", Repeat("&", kSize), 1},
        {"entity-like runs", Repeat("&x;", kSize), 1},
        {"unterminated tag", "a <" + Repeat("b", kSize), 1},
        {"one huge tag", Repeat("<a", kSize) + ">", 0},
        {"unterminated quote", "<A HREF=\"" + Repeat("x", kSize) + ">a", 1},
        {"flash search", "<A HREF=\"x\" " + Repeat("FLAS", kSize / 4) + ">a", 1},
        {"nested-looking IFs", Repeat("<IF x>a<IF y>b", kSize), 0},
        {"unterminated title", "<TITLE>" + Repeat("t", kSize), 0},
        {"many tags", Repeat("<B></B>", kSize), 0},
        {"self-referring macros", "<DEFINE $x=\"$[x]$[x]\">" + Repeat("$[x] ", kSize / 8), kSize / 8},
        {"empty macros", "<DEFINE $e=\"\">" + Repeat("$[e]", kSize), 0},
        {"whitespace", Repeat(" \r\n\t", kSize), 0},
        {"comments", Repeat("<!-- -->", kSize), 0},
        {"long attribute loop", "<FONT " + Repeat("SIZE=4 ", kSize / 2) + ">a", 1},
        {"long colour chain", "<COLORS a=b b=a><FONT " + Repeat("COLOR=a ", kSize / 8) + ">x", 1},
        {"preformatted line ends", "<PRE>" + Repeat("\r\n", kSize / 8), kSize / 16 + 1},
    };
    for (const PathologicalCase& pathological : cases) {
        SCOPED_TRACE(pathological.name);
        const auto started = std::chrono::steady_clock::now();
        TestPage page;
        page.Parse(pathological.markup);
        EXPECT_LE(page.document.elements.Count(), pathological.maxElements);
        if (std::getenv("QOR_TIME_CASES") != nullptr) {
            std::printf("%s: %lld ms\n", pathological.name,
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                   std::chrono::steady_clock::now() - started)
                                                   .count()));
        }
    }
}

TEST(PathologicalInput, ArbitraryBytesParse) {
    std::string bytes;
    std::uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        const char alphabet[] = "<<>$[]&; \r\nABIFX=\"#!/+-%|@*";
        bytes += alphabet[(state >> 16) % (sizeof alphabet - 1)];
    }
    MessageCapture messages;
    TestPage page;
    page.host.SetSpecialCodeHandler([](std::string& code) { code = "+"; });
    page.Parse(bytes);
    EXPECT_LE(page.document.elements.Count(), bytes.size());
}

} // namespace
} // namespace qor::test
