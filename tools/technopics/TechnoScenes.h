#pragma once
// The scenes of the picture show's own pictures. Each is painted from gradients and shapes with a
// fixed random seed, so that every build ships the same pictures.

#include "page/render/TXBitmap.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor::technopics {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 400;

// The file names of the scenes, without folder, in the order PaintScene takes them.
std::vector<std::string> SceneFileNames();

// Scene `index` (0 … SceneFileNames().size() - 1) at kWidth × kHeight.
TXBitmap PaintScene(int index);

} // namespace qor::technopics
