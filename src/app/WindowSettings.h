#pragma once

#include <QRect>

class QWidget;

namespace tw {

class BrowserPane;
class PricingControls;
struct CountOptions;

// settings.ini and the main window: the folder, the pricing controls, the type boxes, the count
// options, the recent folders and the window's place, read at start-up and written on the two
// ways out.
class WindowSettings {
 public:
  // Applies the stored settings, or the first-start ones when there is no settings file to read
  // (then false).
  static bool Load(QWidget& window, BrowserPane& browser, PricingControls& pricing,
                   CountOptions& options);
  // Writes the settings; a file that cannot be written is skipped, leaving goes on.
  static void Save(const QWidget& window, const BrowserPane& browser,
                   const PricingControls& pricing, const CountOptions& options);
  // The available area of the screen a window at `place` opens on: the screen holding its
  // centre, else the primary screen.
  static QRect AvailableArea(const QRect& place);
};

}  // namespace tw
