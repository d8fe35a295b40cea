// Any link text must read as an exercise command whose file and continuation come from the text,
// and split into target and hint, and left and right targets, without losing or inventing text.
#include "page/controls/PageLinkNames.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qor::ExerciseCommand command = qor::ReadExerciseCommand(text);
    if (text.find(command.file) == std::string_view::npos || command.messages.size() > 2)
        std::abort();
    if (command.continuation != "#weiter" && text.find(command.continuation) == std::string_view::npos)
        std::abort();
    const qor::LinkName link = qor::SplitLinkName(text);
    if (link.target.size() + link.hint.size() + (link.target.size() < size ? 1 : 0) != size)
        std::abort();
    const std::string left = qor::ButtonTarget(link.target, qor::MouseButton::Left);
    const std::string right = qor::ButtonTarget(link.target, qor::MouseButton::Right);
    if (left.size() + right.size() > link.target.size())
        std::abort();
    std::string command2, rest;
    if (qor::SplitBracketCommand(text, command2, rest) && command2.size() + rest.size() + 3 != size)
        std::abort();
    return 0;
}
