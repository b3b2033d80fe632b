#pragma once

class QWidget;

namespace tw {

class BrowserPane;
class PricingControls;

// settings.ini and the main window: the folder, the pricing controls, the type boxes and the
// window's place, read at start-up and written on the two ways out.
class WindowSettings {
 public:
  // Applies the stored settings; false when there is no settings file to read.
  static bool Load(QWidget& window, BrowserPane& browser, PricingControls& pricing);
  // Writes the settings; a file that cannot be written is skipped, leaving goes on.
  static void Save(const QWidget& window, const BrowserPane& browser,
                   const PricingControls& pricing);
};

}  // namespace tw
