#pragma once
// One theme of the language lab ("Wetter und Zeit", "Hotel", ...) with its sentences.

#include "vocab/lab/TSatzListe.h"

#include <string>

namespace qor {

struct TThema {
    std::string Name;
    TSatzListe Saetze;
};

} // namespace qor
