#pragma once
// Reading qor.ini beside the program file at start-up.

#include "app/AppSettings.h"

namespace qor {

// Reads the folders, write protection and the shortcut request from qor.ini when the file exists;
// folders that do not exist are reported (one warning each) and dropped. Writes "Schreibschutz" = 0
// when it is missing and resets "Register" = 1 to 0 when it is honoured.
void ReadQorIni(AppSettings& settings);

} // namespace qor
