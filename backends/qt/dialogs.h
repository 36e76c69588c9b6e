#pragma once
// Dialog units to pixels, as Windows converts them for a dialog's font: a
// horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height.
#include <QFont>
#include <QRect>

namespace qttk {

struct DialogUnits {
  int base_x = 0;  // average width of the letters A-Z, a-z, rounded
  int base_y = 0;  // the font's height
  QRect ToPixels(int x, int y, int width, int height) const;
};

DialogUnits DialogUnitsOf(const QFont& font);

}  // namespace qttk
