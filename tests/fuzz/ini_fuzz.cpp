// Any bytes must parse, and the lines put together again must give the text back: each line as it
// stood, without its CR LF or LF.
#include "platform/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string joined;
    for (const qor::IniLine& line : qor::ParseIniText(text)) {
        if (line.kind == qor::IniLine::Kind::Entry &&
            (line.name.empty() || line.name.find('=') != std::string::npos))
            std::abort();
        joined += line.raw + "\r\n";
    }
    if (text.starts_with("\xEF\xBB\xBF"))
        return 0; // converted from UTF-8, so not comparable byte for byte
    if (!text.empty() && text.back() != '\n')
        text += text.back() == '\r' ? "\n" : "\r\n";
    for (size_t i = 0; (i = text.find('\n', i)) != std::string::npos; ++i)
        if (i == 0 || text[i - 1] != '\r')
            text.insert(i++, "\r");
    if (joined != text)
        std::abort();
    return 0;
}
