#pragma once
// The pictures on the list frame's buttons, drawn rather than loaded: the program folder need not
// carry them, and they stay sharp at any screen scale.

#include <QIcon>
#include <string_view>

namespace qor {

// The picture for a button by its component name ("bNeu", "bLaden", … "bRight"); a null icon for
// a name without one.
QIcon FrListeButtonIcon(std::string_view name);

} // namespace qor
