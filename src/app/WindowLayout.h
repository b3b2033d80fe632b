#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QRect>

class QWidget;

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
  // Widens the type check boxes and the pricing row where their texts need more room than the
  // table gives (a larger font, a translation), keeping their order and gaps: the boxes grow to
  // the right, their frame with them; the pricing row, bound to the right edge, grows to the left.
  static void FitToContents(std::vector<Placement>& placements,
                            const std::function<int(int id)>& neededWidth);
  // The width a control's text needs: a line edit's text and frame, else the size hint.
  static int NeededWidth(const QWidget* control);
  static std::array<int, 5> FileListColumnWidths(int cx);
  static std::array<int, 7> CountListColumnWidths(int cx);
};

}  // namespace tw
