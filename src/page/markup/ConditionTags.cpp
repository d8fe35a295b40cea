// IF, ELSE, /IF, TITLE, /TITLE: one skip flag, no nesting.

#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/Cp1252.h"

namespace qor {

bool ConditionHolds(PageDocument& document, PageHost& host, std::string_view condition) {
    switch (condition.front()) {
    case '$':
        return !document.macros.Get(condition.substr(1), "").empty();
    case '?': {
        std::string code(condition.substr(1));
        return host.OnSpecialCode(code) && code == "+";
    }
    case '#':
        if (SameTextInsensitive(condition, "#ex")) {
            return document.exerciseItem;
        }
        return !document.linkAliases.Get(condition, "").empty();
    default:
        return document.conditions.Test(condition);
    }
}

void IfTag(TagContext& context) {
    const std::string_view condition = TrimWhitespace(context.reader.Rest());
    if (condition.empty()) {
        return;
    }
    PageDocument& document = context.document;
    document.lastCondition = condition;
    document.titleMode = false;
    document.skipping = !ConditionHolds(document, context.host, condition);
}

void ElseTag(TagContext& context) {
    PageDocument& document = context.document;
    const std::string& condition = document.lastCondition;
    if (SameTextInsensitive(condition, "#ex")) {
        // "#ex" is no link alias but the exercise flag: the ELSE part is what non-exercise pages show.
        document.skipping = document.exerciseItem;
    } else if (condition.starts_with('#')) {
        document.skipping = !document.linkAliases.Get(condition, "").empty();
    } else {
        // After "$..." and "?..." conditions this is never a held condition, so ELSE shows.
        document.skipping = !condition.empty() && document.conditions.Test(condition);
    }
    document.lastCondition.clear();
}

void EndIfTag(TagContext& context) {
    context.document.skipping = false;
    context.document.lastCondition.clear();
}

void TitleTag(TagContext& context) {
    context.document.skipping = true;
    context.document.titleMode = true;
}

void EndTitleTag(TagContext& context) {
    context.document.skipping = false;
}

} // namespace qor
