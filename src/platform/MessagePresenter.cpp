#include "platform/MessagePresenter.h"

#include "platform/ScriptedMessagePresenter.h"

namespace qor {

namespace {

MessagePresenter* g_presenter = nullptr;

MessagePresenter& DefaultPresenter() {
    static ScriptedMessagePresenter presenter;
    return presenter;
}

} // namespace

MessagePresenter& CurrentMessagePresenter() {
    return g_presenter ? *g_presenter : DefaultPresenter();
}

void SetMessagePresenter(MessagePresenter* presenter) {
    g_presenter = presenter;
}

int DefaultAnswer(int flags) {
    switch (flags & 0x0F) {
    case kMbAbortRetryIgnore:
        return kIdAbort;
    case kMbYesNoCancel:
    case kMbYesNo:
        return kIdYes;
    case kMbRetryCancel:
        return kIdRetry;
    default:
        return kIdOk;
    }
}

} // namespace qor
