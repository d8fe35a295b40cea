#pragma once
// The texts and pictures that pages ask the main window for: special codes (`OnSpecialCode`) name
// the program, its version, the vocabulary areas installed and the logged-in user's figures;
// picture codes (`OnPictureRequest`) draw the user's score histograms.

#include "app/CommandContext.h"
#include "page/render/TXBitmap.h"

#include <string>
#include <string_view>

namespace qor {

// The replacement text of `code`: empty for a user's code while nobody is logged in, the code
// itself for a code nobody knows.
std::string SpecialCode(const CommandContext& context, std::string_view code);

// "absolut", "relativ", "deutsch" and "fremd" draw the logged-in user's histogram into `bitmap`;
// any other code, or nobody logged in, leaves it unchanged.
void PictureCode(const CommandContext& context, std::string_view code, TXBitmap& bitmap);

// "26 Stunden 1 Minute" for a learning time of 1 day, 2 hours and 1 minute (in days).
std::string LearningTimeText(double days);

// The learning time shown: the time since the log-in plus what was learnt before. A log-in before
// midnight that is still going on counts from the day before.
double ElapsedLearningTime(double timeOfDay, const LearningTimeParts& parts);

} // namespace qor
