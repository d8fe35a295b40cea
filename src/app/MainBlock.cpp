#include "app/MainBlock.h"

#include "platform/Cp1252.h"

namespace qor {

bool IsEditorModeArgument(const std::vector<std::string>& arguments) {
    return !arguments.empty() && LowerCp1252(arguments.front()) == "editor";
}

bool IsRegisterArgument(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments.front() == "register";
}

bool IsBackdropVisible(const ScreenInfo& screen) {
    if (screen.width > 800)
        return true;
    return screen.height > 600;
}

} // namespace qor
