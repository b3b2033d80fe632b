#pragma once

#include <functional>

#include <QUrl>

namespace tw {

// Hands a file or folder to the desktop (QDesktopServices::openUrl); tests record instead.
using UrlOpener = std::function<bool(const QUrl&)>;

}  // namespace tw
