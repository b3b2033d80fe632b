#pragma once

#include <array>
#include <vector>

#include <QRect>

namespace tw {

// Where every control of the main window goes for a client area of cx × cy pixels, and the
// column widths of the two lists. Pure arithmetic, so the figures can be checked without a window.
class WindowLayout {
 public:
  struct Placement {
    int id;
    QRect rect;
  };

  static constexpr int kMinimumWidth = 740;
  static constexpr int kMinimumHeight = 540;

  static std::vector<Placement> Controls(int cx, int cy);
  static std::array<int, 5> FileListColumnWidths(int cx);
  static std::array<int, 7> CountListColumnWidths(int cx);
};

}  // namespace tw
