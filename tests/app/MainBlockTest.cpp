#include "app/MainBlock.h"

#include "app/AppSettings.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(MainBlock, EditorModeFromTheLowerCasedFirstArgument) {
    struct Case {
        std::vector<std::string> arguments;
        bool editor;
    };
    const Case cases[] = {
        {{"editor"}, true},   {{"EDITOR"}, true},   {{"Editor"}, true}, {{"register", "editor"}, false},
        {{"editors"}, false}, {{" editor"}, false}, {{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? std::string("none") : c.arguments.front());
        EXPECT_EQ(IsEditorModeArgument(c.arguments), c.editor);
    }
}

TEST(MainBlock, RegisterIsComparedExactly) {
    EXPECT_TRUE(IsRegisterArgument({"register"}));
    EXPECT_FALSE(IsRegisterArgument({"REGISTER"}));
    EXPECT_FALSE(IsRegisterArgument({"Register"}));
    EXPECT_FALSE(IsRegisterArgument({}));
    EXPECT_FALSE(IsRegisterArgument({"editor", "register"}));
}

TEST(MainBlock, BackdropShowsOnScreensLargerThan800x600) {
    struct Case {
        int width;
        int height;
        bool visible;
    };
    const Case cases[] = {
        {800, 600, false}, {801, 600, true}, {800, 601, true},  {1024, 768, true},
        {1024, 500, true}, {700, 700, true}, {640, 480, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(IsBackdropVisible(ScreenInfo{c.width, c.height, 32}), c.visible);
    }
}

TEST(MainBlock, NetworkPathsStartWithTwoBackslashes) {
    EXPECT_TRUE(IsNetworkPath("\\\\server\\qor\\qor.exe"));
    EXPECT_FALSE(IsNetworkPath("\\server\\qor.exe"));
    EXPECT_FALSE(IsNetworkPath("C:\\qor\\qor.exe"));
    EXPECT_FALSE(IsNetworkPath("//server/qor/qor.exe"));
}

TEST(MainBlock, ProgramFolderAndIniPathFollowTheProgramFile) {
    AppSettings settings;
    EXPECT_EQ(QorIniPath(settings), "");
    SetProgramFile(settings, "/opt/qor/qor.exe");
    EXPECT_EQ(settings.programFolder, "/opt/qor/");
    EXPECT_EQ(QorIniPath(settings), "/opt/qor/qor.ini");
    SetProgramFile(settings, "C:\\Programme\\qor\\qor.exe");
    EXPECT_EQ(settings.programFolder, "C:\\Programme\\qor\\");
    EXPECT_EQ(QorIniPath(settings), "C:\\Programme\\qor\\qor.ini");
}

} // namespace
} // namespace qor
