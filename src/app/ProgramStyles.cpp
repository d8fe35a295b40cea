#include "app/ProgramStyles.h"

#include "app/ProgramObjects.h"
#include "app/RecordingPlayback.h"
#include "platform/Fonts.h"
#include "platform/MediaCommands.h"
#include "vocab/TBibliothek.h"
#include "vocab/styles/StyleRunner.h"

namespace qor {

StyleSetup ProgramStyleSetup(ProgramObjects& objects, StyleScreen& screen) {
    StyleSetup setup;
    TSuperOptions& options = objects.EnsureOptions();
    setup.music = std::make_unique<SuperOptionsMusic>(options, CurrentMediaCommandSender());
    setup.environment = std::make_unique<StyleEnvironment>();
    StyleEnvironment& environment = *setup.environment;
    TBibliothek* library = objects.Library();
    environment.screen = &screen;
    environment.fonts = &CurrentFontService();
    environment.library = library;
    environment.settings = library ? library->Settings() : nullptr;
    environment.options = &options;
    environment.users = objects.Users();
    environment.findRecording = [](std::string_view text) { return FindRecordingForText(text); };
    environment.playRecording = [](const std::string& file) { PlayRecordingFile(file); };
    if (library)
        environment.drawQuestion = [library] { return library->DrawRandomQuestion(); };
    return setup;
}

} // namespace qor
