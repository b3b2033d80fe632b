#include "app/WindowSettings.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

#include "app/BrowserPane.h"
#include "app/ConfigLocation.h"
#include "app/PricingControls.h"
#include "store/SettingsModel.h"

namespace tw {
namespace {

bool IsRestored(const QWidget& window) {
  return !window.isMaximized() && !window.isMinimized() && !window.isFullScreen();
}

WindowRect ToWindowRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const WindowRect& w) {
  return QRect(w.left, w.top, w.right - w.left, w.bottom - w.top);
}

// The window's minimum size would otherwise hold it larger than a small screen.
void ApplyPlacement(QWidget& window, const WindowRect& w, const QRect& area) {
  if (!IsRestored(window)) window.showNormal();
  window.setMinimumSize(window.minimumSize().boundedTo(area.size()));
  window.setGeometry(ToQRect(w));
}

// The place the window takes when it is neither maximised nor minimised.
WindowRect RestoredPlace(const QWidget& window) {
  return ToWindowRect(IsRestored(window) ? window.geometry() : window.normalGeometry());
}

void ApplyValues(const StoredSettings& stored, BrowserPane& browser, PricingControls& pricing,
                 CountOptions& options) {
  browser.SetRecentFolders(stored.recentFolders);
  if (!stored.directory.empty()) browser.SelectFolder(stored.directory);
  pricing.ApplyStored(stored);
  browser.ApplyTypeChecks(stored);
  // The folder was selected before its types were known: list it again with them.
  if (!stored.directory.empty()) browser.RefreshFileList();
  options = stored.options;
}

}  // namespace

QRect WindowSettings::AvailableArea(const QRect& place) {
  QScreen* screen = QGuiApplication::screenAt(place.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : place;
}

bool WindowSettings::Load(QWidget& window, BrowserPane& browser, PricingControls& pricing,
                          CountOptions& options) {
  const std::optional<StoredSettings> stored = LoadSettingsFile(
      ConfigLocation::SettingsFile(), ToWindowRect(AvailableArea(window.geometry())));
  if (!stored) {
    ApplyValues(FirstStartSettings(QDir::homePath().toStdString()), browser, pricing, options);
    const QRect area = AvailableArea(window.geometry());
    // The designed size, centred, where the screen has room for it.
    QRect place(QPoint(), window.size().boundedTo(area.size()));
    place.moveCenter(area.center());
    ApplyPlacement(window, ClampWindowPlacement(ToWindowRect(place), ToWindowRect(area)), area);
    return false;
  }
  ApplyValues(*stored, browser, pricing, options);
  // The stored place is fitted to the screen it lies on, which may be another than the first.
  const QRect area = AvailableArea(ToQRect(stored->window));
  ApplyPlacement(window, ClampWindowPlacement(stored->window, ToWindowRect(area)), area);
  return true;
}

void WindowSettings::Save(const QWidget& window, const BrowserPane& browser,
                          const PricingControls& pricing, const CountOptions& options) {
  StoredSettings settings;
  settings.directory = browser.SelectedFolder();
  settings.rate = pricing.RateEdit()->text().toStdString();
  settings.currencyIndex = pricing.CurrencyCombo()->currentIndex();
  settings.currencyCode = pricing.SelectedCurrency();
  settings.pricingIndex = pricing.PricingCombo()->currentIndex();
  browser.StoreTypeChecks(settings);
  settings.window = RestoredPlace(window);
  settings.options = options;
  settings.recentFolders = browser.RecentFolders();
  SaveSettingsFile(ConfigLocation::SettingsFile(), settings);
}

}  // namespace tw
