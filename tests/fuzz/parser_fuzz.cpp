// Parses arbitrary bytes as a fresh page, with a host that answers special codes and a few macros,
// controls on a TestControlHost and a picture reader that makes small pictures without files, then
// lays the page out and renders it the way the page control does.

#include "page/controls/TestControlHost.h"
#include "page/markup/PageParser.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"
#include "platform/MessagePresenter.h"
#include "platform/ScriptedMessagePresenter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qor::DiskPageHost host = [] {
        qor::DiskPageHost answering;
        answering.SetSpecialCodeHandler(
            [](std::string& code) { code = code.size() % 2 == 0 ? "+" : "<B>x"; });
        return answering;
    }();
    qor::ScriptedMessagePresenter messages; // MULTIPLE DIM and friends report through message boxes
    qor::SetMessagePresenter(&messages);
    qor::TestControlHost controls; // outlives the document and its controls
    {
        qor::PageDocument document;
        document.SetControlHost(&controls);
        document.SetPictureReader([](std::string_view path, bool, bool, qor::TXBitmap& bitmap) {
            if (path.size() % 3 == 0) {
                return false;
            }
            bitmap.Resize(static_cast<int>(path.size() % 64) + 1, 8);
            return true;
        });
        document.pageFolder = "C:\\kurs\\";
        document.currentFile = "lek07.htx";
        document.macros.Set("name", "Marie");
        document.macros.Set("tags", "<I>kursiv</I> $[name]");
        document.conditions.Set("next");
        document.specialCharacters = "\xE9;\xE8";
        qor::ParseFreshPage(document, host, std::string_view(reinterpret_cast<const char*>(data), size));
        qor::PageLayout layout;
        layout.Run(document);
        qor::PagePainter painter(document, layout);
        painter.Render();
        document.Reset();
    }
    qor::SetMessagePresenter(nullptr);
    return 0;
}
