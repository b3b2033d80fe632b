#include "app/WindowSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

#include "app/BrowserPane.h"
#include "app/PricingControls.h"
#include "store/SettingsModel.h"

namespace tw {
namespace {

bool IsRestored(const QWidget& window) {
  return !window.isMaximized() && !window.isMinimized() && !window.isFullScreen();
}

void ApplyPlacement(QWidget& window, const WindowRect& w) {
  if (!IsRestored(window)) window.showNormal();
  window.setGeometry(QRect(w.left, w.top, w.right - w.left, w.bottom - w.top));
}

// The place the window takes when it is neither maximised nor minimised.
WindowRect RestoredPlace(const QWidget& window) {
  const QRect r = IsRestored(window) ? window.geometry() : window.normalGeometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

bool WindowSettings::Load(QWidget& window, BrowserPane& browser, PricingControls& pricing) {
  const QRect desk = window.screen()->availableGeometry();
  const WindowRect desktop{desk.left(), desk.top(), desk.left() + desk.width(),
                           desk.top() + desk.height()};
  const std::optional<StoredSettings> stored = LoadSettingsFile(kSettingsFileName, desktop);
  if (!stored) return false;
  if (!stored->directory.empty()) browser.SelectFolder(stored->directory);
  pricing.ApplyStored(*stored);
  browser.ApplyTypeChecks(*stored);
  // The folder was selected before its types were known: list it again with them.
  if (!stored->directory.empty()) browser.RefreshFileList();
  ApplyPlacement(window, stored->window);
  return true;
}

void WindowSettings::Save(const QWidget& window, const BrowserPane& browser,
                          const PricingControls& pricing) {
  StoredSettings settings;
  settings.directory = browser.SelectedFolder();
  settings.rate = pricing.RateEdit()->text().toStdString();
  settings.currencyIndex = pricing.CurrencyCombo()->currentIndex();
  settings.currencyCode = pricing.SelectedCurrency();
  settings.pricingIndex = pricing.PricingCombo()->currentIndex();
  browser.StoreTypeChecks(settings);
  settings.window = RestoredPlace(window);
  SaveSettingsFile(kSettingsFileName, settings);
}

}  // namespace tw
