// Any command line must be read without a crash: arguments split at NUL bytes; every argument
// either names an option, is the value after one, goes on as an argument, or stops the reading
// with an error; an argument passed on never looks like one of our options.
#include "app/ProgramOptions.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    const qor::ProgramOptions options = qor::ReadProgramOptions(arguments);
    if (options.arguments.size() > arguments.size())
        std::abort();
    if (!options.error.empty())
        return 0;
    for (const std::string& passed : options.arguments)
        if (passed.starts_with("--"))
            std::abort();
    return 0;
}
