// Any bytes must decode, whether taken as a user file or as its inflated text; and what decodes
// must come back the same after writing it again.
#include "users/UserFile.h"
#include "users/UserTime.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

static void CheckRewrite(const qor::UserFileContent& content) {
    qor::UserFileContent again;
    if (qor::DecodeUserFile(qor::EncodeUserFile(content), again) != qor::UserFileState::Content ||
        again.credentials != content.credentials || again.records != content.records ||
        qor::FormatLongTime(again.learningTime) != qor::FormatLongTime(content.learningTime))
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qor::UserFileContent content;
    if (qor::DecodeUserFile(bytes, content) == qor::UserFileState::Content)
        CheckRewrite(content);
    CheckRewrite(qor::ParseUserFileText(bytes));
    return 0;
}
