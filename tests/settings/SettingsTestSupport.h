#pragma once
// A fresh temporary folder per test and small file helpers.

#include "platform/WinPath.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace qor::test {

class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path =
            std::filesystem::temp_directory_path() / ("qor_settings_" + std::to_string(::getpid()) + "_" +
                                                      info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The program path of the folder, ending with a separator.
    std::string Folder() const { return WithTrailingSeparator(ProgramPath(m_path)); }
    // Creates a file (and its folders) below the folder; returns its program path.
    std::string Touch(const std::string& relative, const std::string& contents = "x") const {
        std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << contents;
        return ProgramPath(file);
    }
    std::string MakeFolder(const std::string& relative) const {
        std::filesystem::create_directories(m_path / relative);
        return WithTrailingSeparator(ProgramPath(m_path / relative));
    }

private:
    std::filesystem::path m_path;
};

} // namespace qor::test
