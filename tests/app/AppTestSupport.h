#pragma once
// A fresh world for each app test: an empty temporary folder, a file registry inside it as the
// local-machine hive, a scripted message box, default settings.

#include "app/AppSettings.h"
#include "app/RecordingIndex.h"
#include "platform/Cp1252.h"
#include "platform/MediaCommands.h"
#include "platform/RegistryStore.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace qor::test {

namespace fs = std::filesystem;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        m_root = fs::temp_directory_path() /
                 ("qor_app_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "config");
        ::setenv("QOR_CONFIG_DIR", (m_root / "config").c_str(), 1);
        // Recovery copies stay inside the test's folder.
        ::setenv("XDG_DATA_HOME", (m_root / "data").c_str(), 1);
        auto store = OpenFileRegistry((m_root / "config" / "machine.reg").string());
        m_registry = store.get();
        SetRegistry(RegistryHive::LocalMachine, std::move(store));
        SetMessagePresenter(&m_presenter);
        ResetSettings();
    }

    void TearDown() override {
        SetMessagePresenter(nullptr);
        SetRegistry(RegistryHive::LocalMachine, nullptr);
        SetCurrentRecordingIndex(nullptr);
        SetMediaCommandSender(nullptr);
        ResetSettings();
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    // The program path of a folder below the test root (created), ending with a separator.
    std::string Folder(const std::string& relative) {
        fs::create_directories(m_root / relative);
        return WithTrailingSeparator(ProgramPath(m_root / relative));
    }

    // The program path of a file below the test root (created with its folders and `contents`).
    std::string File(const std::string& relative, const std::string& contents = "") {
        fs::path path = m_root / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << contents;
        return ProgramPath(path);
    }

    std::string PathOf(const std::string& relative) const { return ProgramPath(m_root / relative); }

    std::string ReadFile(const std::string& relative) const {
        std::ifstream in(m_root / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    RegistryStore& Store() { return *m_registry; }
    const std::vector<LoggedMessage>& Messages() const { return m_presenter.Messages(); }

    fs::path m_root;
    RegistryStore* m_registry = nullptr;
    ScriptedMessagePresenter m_presenter;
};

// Records every command; replies from a table of command prefixes ("" when none matches).
class RecordingMediaSender : public MediaCommandSender {
public:
    std::string Send(std::string_view command) override {
        commands.emplace_back(command);
        for (const auto& [prefix, reply] : replies)
            if (command.starts_with(prefix))
                return reply;
        return {};
    }
    std::string ErrorText(int errorNumber) override { return "Fehler " + std::to_string(errorNumber); }

    std::vector<std::string> commands;
    std::map<std::string, std::string> replies;
};

// An in-memory registry that logs every write ("name=value") and can refuse them all.
class LoggingRegistry : public RegistryStore {
public:
    std::optional<std::string> ReadText(std::string_view key, std::string_view name) const override {
        auto it = m_texts.find(Slot(key, name));
        return it == m_texts.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::optional<std::int32_t> ReadInteger(std::string_view key, std::string_view name) const override {
        auto it = m_integers.find(Slot(key, name));
        return it == m_integers.end() ? std::nullopt : std::optional<std::int32_t>(it->second);
    }
    bool KeyExists(std::string_view key) const override {
        for (const auto& [slot, value] : m_texts)
            if (slot.first == LowerCp1252(key))
                return true;
        for (const auto& [slot, value] : m_integers)
            if (slot.first == LowerCp1252(key))
                return true;
        return false;
    }
    std::vector<std::string> ValueNames(std::string_view) const override { return {}; }
    bool WriteText(std::string_view key, std::string_view name, std::string_view value) override {
        writes.push_back(std::string(name) + "=" + std::string(value));
        m_texts[Slot(key, name)] = std::string(value);
        return !failWrites;
    }
    bool WriteInteger(std::string_view key, std::string_view name, std::int32_t value) override {
        writes.push_back(std::string(name) + "=" + std::to_string(value));
        m_integers[Slot(key, name)] = value;
        return !failWrites;
    }
    bool DeleteValue(std::string_view key, std::string_view name) override {
        return m_texts.erase(Slot(key, name)) + m_integers.erase(Slot(key, name)) > 0;
    }

    std::vector<std::string> writes;
    bool failWrites = false;

private:
    using SlotKey = std::pair<std::string, std::string>;
    static SlotKey Slot(std::string_view key, std::string_view name) {
        return {LowerCp1252(key), LowerCp1252(name)};
    }
    std::map<SlotKey, std::string> m_texts;
    std::map<SlotKey, std::int32_t> m_integers;
};

} // namespace qor::test
