#include "app/ProgramOptions.h"

namespace qor {

ProgramOptions ReadProgramOptions(const std::vector<std::string>& arguments) {
    ProgramOptions options;
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&](std::string& into) {
            if (i + 1 < arguments.size())
                into = arguments[++i];
            else
                options.error = argument + " needs a file";
        };
        if (argument == "--help")
            options.help = true;
        else if (argument == "--version")
            options.version = true;
        else if (argument == "--exit-after-start")
            options.exitAfterStart = true;
        else if (argument == "--screenshot")
            value(options.screenshot);
        else if (argument == "--script")
            value(options.script);
        else if (argument.starts_with("--"))
            options.error = "unknown option " + argument;
        else
            options.arguments.push_back(argument);
    }
    return options;
}

std::string ProgramUsage() {
    return "Usage: qor [editor | register] [OPTION...]\n"
           "A trainer of French for German-speaking learners.\n"
           "\n"
           "  editor               open the vocabulary editor alone\n"
           "  register             write the launchers of the program\n"
           "  --script FILE        carry out a script of learner actions and checks, then end\n"
           "                       (exit code 1 when a check failed, 2 when the script cannot be read)\n"
           "  --screenshot FILE    save a picture of the first window as PNG, then end\n"
           "  --exit-after-start   end right after the windows are shown\n"
           "  --version            print the program's version\n"
           "  --help               print this text\n";
}

} // namespace qor
