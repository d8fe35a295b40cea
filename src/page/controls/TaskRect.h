#pragma once
// The rectangle of a drag block, a drag target, a sentence or one of its parts. Its bounds are
// inclusive, like every hit test of the page, and it contains no point until it is set.

namespace qor {

struct TaskRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    bool operator==(const TaskRect&) const = default;
};

} // namespace qor
