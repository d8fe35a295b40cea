#pragma once
// Data built into the program itself: the compressed text blocks (by number, "1", "2", ...) and the
// pictures that pages name with "$" (by resource name, "logo_bmp"). The build embeds them with
// qor_embed_text_block and qor_embed_picture (cmake/QorResources.cmake); names ignore case, as
// resource names do.

#include <optional>
#include <string_view>

namespace qor {

// The bytes stored under `name`, or nothing.
std::optional<std::string_view> FindEmbeddedData(std::string_view name);

// Adds or replaces an entry at run time (tests, tools). The bytes are copied.
void RegisterEmbeddedData(std::string_view name, std::string_view bytes);

namespace embedded {
// Called by the generated sources only.
void Add(std::string_view name, std::string_view bytes);
// Generated: registers every embedded entry of the build.
void RegisterAll();
} // namespace embedded

} // namespace qor
