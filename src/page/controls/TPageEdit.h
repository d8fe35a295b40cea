#pragma once
// The gap edit as the page knows it. A class of its own (not an alias) so that page code can
// forward-declare it and the page's lists can own it without seeing the edit's internals.

#include "page/controls/tXColorEdit.h"

namespace qor {

class TPageEdit : public tXColorEdit {
public:
    using tXColorEdit::tXColorEdit;
};

} // namespace qor
