// Any bytes must split into an exercise file whose parts all come from the text, and every item's
// page text must end in a carriage return.
#include "page/sources/ExerciseFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qor::ExerciseFile file;
    if (!qor::ReadExerciseFile(text, file))
        return 0;
    std::size_t parts = file.header.size() + file.trailer.size();
    for (std::size_t i = 0; i < file.items.size(); ++i) {
        parts += file.items[i].size();
        if (file.PageText(i).back() != '\r')
            std::abort();
    }
    if (parts > size || file.count < 0 || file.count > 99)
        std::abort();
    return 0;
}
