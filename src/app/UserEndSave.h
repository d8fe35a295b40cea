#pragma once
// The learner's record at the end of the program. A record that cannot be written to the user
// folder is never given up silently: the learner may choose another place, and otherwise (or where
// nobody can be asked) a copy goes to the recovery folder.

#include "app/LongLivedObjects.h"

namespace qor {

class FileChooser;
class TXUserBase;

void SaveUserAtEnd(TXUserBase& users, EndQuestions questions, FileChooser& saveChooser);

} // namespace qor
