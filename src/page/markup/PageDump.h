#pragma once
// A stable text form of a parsed page (UTF-8), for the qorpage tool and for tests. The format is
// described in docs/qorpage.md.

#include "page/markup/PageDocument.h"

#include <string>

namespace qor {

// '"text"' with \\, \" and \xNN for control characters, the rest converted to UTF-8.
std::string QuoteForDump(std::string_view text);
// The style fields that differ from the initial style, as ' name=value' pairs in field order.
// The tag counter is left out: it only tells the scan whether a tag stood somewhere.
std::string DescribeStyle(const TextStyle& style);
// 'kind "text"' followed by ' tab=N' (when set) and the style fields.
std::string DescribeElement(const tFormatted_text& element);
// Every element with its index, then the registers, each under a "[section]" line.
std::string DumpDocument(const PageDocument& document);

} // namespace qor
