#pragma once
// The two halves of the dictionary, numbered as the start-up and the window select them.

namespace qor {

enum class DictionaryDirection : int { FrenchGerman = 0, GermanFrench = 1 };

} // namespace qor
