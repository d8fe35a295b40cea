// The command line: the program's own options, the arguments passed on, and what is refused.

#include "app/ProgramOptions.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ProgramOptions, ReadsOwnOptionsPassesArgumentsAndRefusesTheUnknown) {
    const struct {
        std::vector<std::string> line;
        bool help, version, exitAfterStart;
        const char* screenshot;
        const char* script;
        std::vector<std::string> arguments;
        const char* error;
    } cases[] = {
        {{}, false, false, false, "", "", {}, ""},
        {{"editor", "-platform", "offscreen"},
         false,
         false,
         false,
         "",
         "",
         {"editor", "-platform", "offscreen"},
         ""},
        {{"--help"}, true, false, false, "", "", {}, ""},
        {{"--version", "register"}, false, true, false, "", "", {"register"}, ""},
        {{"--script", "a.script", "--exit-after-start"}, false, false, true, "", "a.script", {}, ""},
        {{"--screenshot", "main.png"}, false, false, false, "main.png", "", {}, ""},
        {{"--script"}, false, false, false, "", "", {}, "--script needs a file"},
        {{"--versions", "--help"}, false, false, false, "", "", {}, "unknown option --versions"},
    };
    for (const auto& c : cases) {
        const ProgramOptions read = ReadProgramOptions(c.line);
        SCOPED_TRACE(c.line.empty() ? std::string("(none)") : c.line.front());
        EXPECT_EQ(read.help, c.help);
        EXPECT_EQ(read.version, c.version);
        EXPECT_EQ(read.exitAfterStart, c.exitAfterStart);
        EXPECT_EQ(read.screenshot, c.screenshot);
        EXPECT_EQ(read.script, c.script);
        EXPECT_EQ(read.arguments, c.arguments);
        EXPECT_EQ(read.error, c.error);
    }
    EXPECT_NE(ProgramUsage().find("--version"), std::string::npos);
}

} // namespace
} // namespace qor
