#pragma once
// User names become file names: "<folder><name>_F.qob" and "<folder><name>_F_LOG.txt".

#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr std::string_view kUserFileSuffix = "_F.qob";

std::string UserFilePathIn(std::string_view userFolder, std::string_view name);
std::string UserLogPathIn(std::string_view userFolder, std::string_view name);

// The users of a folder: every file with the extension ".qob" in it or in its sub-folders whose
// name ends in "_F.qob" (both without regard to case), less those six characters. Entries are
// visited in name order, a sub-folder's files where the sub-folder stands, so the list is the same
// on every system; hidden folders and links to folders are not searched.
std::vector<std::string> FindUserNames(std::string_view userFolder);

} // namespace qor
