// Any command text a page can send goes through the dispatcher without a crash or a hang: the
// subsystems are the logging stand-ins, the page a do-nothing one, every message answered.
#include "app/CommandContext.h"
#include "app/CommandPage.h"
#include "app/PageCommand.h"
#include "app/SpecialCodes.h"
#include "platform/MessagePresenter.h"
#include "platform/ScriptedMessagePresenter.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class QuietPage : public qor::CommandPage {
public:
    std::string CurrentFile() const override { return "v_bereich.htx"; }
    void LoadPage(std::string_view) override {}
    void SetPageFolder(std::string_view) override {}
    void Reload() override {}
    void ShowText(std::string_view) override {}
    void SetCondition(std::string_view) override {}
    void ClearCondition(std::string_view) override {}
    bool TestCondition(std::string_view) const override { return false; }
    void SetMacro(std::string_view, std::string_view) override {}
    void SetBackgroundColour(qor::Colour) override {}
    void SetSpecialCharacters(std::string_view) override {}
    void ShowNormalCursor() override {}
    void EnableMouseInput() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qor::ScriptedMessagePresenter messages;
    qor::SetMessagePresenter(&messages);
    messages.ClearMessages();
    QuietPage page;
    qor::CommandContext context;
    context.page = &page;
    context.services = qor::WithStandIns({});
    const std::string text(reinterpret_cast<const char*>(data), size);
    qor::PageCommand(context, text);
    (void)qor::SpecialCode(context, text);
    return 0;
}
