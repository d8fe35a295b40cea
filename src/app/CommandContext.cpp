#include "app/CommandContext.h"

#include "app/PageCommandRun.h"

#include <chrono>
#include <ctime>

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

CommandRun ResolveCommandRun(const CommandContext& context) {
    return CommandRun{
        context.page,
        WithStandIns(context.services),
        context.state ? *context.state : MainState(),
        context.settings ? *context.settings : Settings(),
        context.registry,
        context.processMessages,
        context.timeOfDay,
    };
}

} // namespace qor
