#pragma once
// The presentation styles as the program runs them: on the main page, with the program's library,
// query settings, superlearning options, learner database, recordings and music.

#include "app/StyleServices.h"

namespace qor {

class ProgramObjects;
class StyleScreen;

// Needs the library (the styles present it); the options are made when missing.
StyleSetup ProgramStyleSetup(ProgramObjects& objects, StyleScreen& screen);

} // namespace qor
