#pragma once

#include <QImage>

namespace ui {

// The Moon's disc at a phase (0 new, 0.5 full) as the moon panel draws it, `size` pixels square
// on a transparent ground: lit from the right while waxing as seen from the north, turned half
// round for an observer south of the equator, where the Moon is seen upside down.
QImage moonIcon(double phase, bool south, int size);

} // namespace ui
