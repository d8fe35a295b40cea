#pragma once
// What a headword or meaning sounds like: the notation of the vocabulary and the dictionary
// ("(la) maison (f)", "chanter qc", "beau/belle [ugs.]") turned into the words to be spoken
// ("la maison", "chanter quelque chose", "beau, belle"). Windows-1252 in and out.

#include <string>
#include <string_view>

namespace qor {

std::string SpokenText(std::string_view notation);

} // namespace qor
