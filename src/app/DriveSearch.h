#pragma once
// The search for the data medium (the drive holding the wave folder and the vocabulary areas).

#include "app/AppSettings.h"
#include "platform/RegistryStore.h"

#include <string>
#include <vector>

namespace qor {

// The drive letters D to Y: at most this many roots are tried, so a 23rd mount is never searched,
// as drive Z never was.
inline constexpr std::size_t kDriveSearchLimit = 'Y' - 'D' + 1;

// Whether a root (ending with a separator) holds "wave\QOR_F" and "Vokabeln (F)\Grundwortschatz\".
bool IsDataDriveRoot(const std::string& root);

// Does nothing when the wave folder already holds QOR_F. Otherwise the first qualifying root of
// `roots` (in order) gives the wave folder root + "wave\", which is saved to the ini (mask 2);
// when none qualifies the wave folder stays empty. Returns whether the wave folder now holds QOR_F.
bool SearchDataDrive(AppSettings& settings, RegistryStore& registry, const std::vector<std::string>& roots);
// With Settings(), the local-machine registry and DriveRoots() (the page command "seekcd").
bool SearchDataDrive();

// Whether `folder` holds the marker file QOR_F.
bool HoldsWaveMarker(const std::string& folder);

} // namespace qor
