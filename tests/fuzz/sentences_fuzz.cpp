// Any bytes as the language lab's sentence collection, then a lab that draws and shows from it.
#include "platform/RegistryStore.h"
#include "vocab/TrainingPage.h"
#include "vocab/lab/SentenceCollection.h"
#include "vocab/lab/TThemenListe.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Keeps the settings in memory: the fuzzer must not write a registry file.
class NoRegistry : public qor::RegistryStore {
public:
    std::optional<std::string> ReadText(std::string_view, std::string_view) const override { return {}; }
    std::optional<std::int32_t> ReadInteger(std::string_view, std::string_view) const override { return {}; }
    bool KeyExists(std::string_view) const override { return false; }
    std::vector<std::string> ValueNames(std::string_view) const override { return {}; }
    bool WriteText(std::string_view, std::string_view, std::string_view) override { return false; }
    bool WriteInteger(std::string_view, std::string_view, std::int32_t) override { return false; }
    bool DeleteValue(std::string_view, std::string_view) override { return false; }
};

class NoPage : public qor::TrainingPage {
public:
    void SetMacro(std::string_view, std::string_view) override {}
    void SetCondition(std::string_view name, bool holds) override {
        if (name == "diktat")
            m_diktat = holds;
    }
    bool TestCondition(std::string_view name) const override { return name == "diktat" && m_diktat; }
    void LoadPage(std::string_view) override {}
    bool Visible() const override { return true; }
    void ProcessPendingMessages() override {}

private:
    bool m_diktat = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto themes = qor::ReadSentenceCollectionText(text, [](int bound) { return bound - 1; });
    const int themeCount = static_cast<int>(themes.size());
    NoRegistry registry;
    NoPage page;
    int drawn = 0;
    qor::TThemenListe lab(
        std::move(themes), &page, registry, [](std::string_view path) { return std::string(path); },
        [&drawn](int bound) { return drawn++ % bound; });
    for (int theme = -1; theme <= themeCount && theme < 8; ++theme) {
        lab.SelectTheme(theme);
        lab.DrawNextSentence();
    }
    lab.ShowThemeList();
    return 0;
}
