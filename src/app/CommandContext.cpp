#include "app/CommandContext.h"

#include "app/PageCommandRun.h"

#include <chrono>
#include <ctime>
#include <stdexcept>
#include <string>
#include <utility>

namespace qor {

double LocalTimeOfDay() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    auto millisecond = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                         static_cast<double>(millisecond) / 1000.0;
    return secondOfDay / 86400.0;
}

RegistryStore& CommandRun::Registry() const {
    return registry ? *registry : qor::Registry(RegistryHive::LocalMachine);
}

const char* MissingService(const CommandServices& services) {
    const std::pair<const void*, const char*> entries[] = {
        {services.lab, "lab"},
        {services.verbs, "verbs"},
        {services.library, "library"},
        {services.query, "query"},
        {services.dictionary, "dictionary"},
        {services.users, "users"},
        {services.dialogs, "dialogs"},
        {services.toolWindows, "toolWindows"},
        {services.styles, "styles"},
        {services.options, "options"},
        {services.browser, "browser"},
        {services.driveSearch, "driveSearch"},
        {services.saveFile, "saveFile"},
        {services.programEnd, "programEnd"},
    };
    for (const auto& [service, name] : entries) {
        if (!service)
            return name;
    }
    return nullptr;
}

CommandRun ResolveCommandRun(const CommandContext& context) {
    // Every subsystem exists before the first command: a missing one is the caller's fault.
    if (const char* missing = MissingService(context.services))
        throw std::invalid_argument(std::string("the page commands need the service ") + missing);
    return CommandRun{
        context.page,
        context.services,
        context.state ? *context.state : MainState(),
        context.settings ? *context.settings : Settings(),
        context.registry,
        context.processMessages,
        context.timeOfDay,
    };
}

} // namespace qor
