#pragma once
// Whether the installation is marked write-protected ("Schreibschutz"): then the program offers to
// save none of its shared data files.

namespace qor {

enum class WriteProtection { Off, On };

} // namespace qor
