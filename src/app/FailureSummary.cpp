#include "app/FailureSummary.h"

#include <algorithm>

namespace tw {

void FailureSummary::Add(const std::string& path, const std::string& message) {
  failures_.push_back({path, message});
}

QString FailureSummary::Text(int filesInRun) const {
  QString text = tr("%1 of %2 files could not be counted:")
                     .arg(failures_.size())
                     .arg(std::max(filesInRun, static_cast<int>(failures_.size())));
  text += QLatin1Char('\n');
  const size_t listed = std::min(failures_.size(), kListedFiles);
  for (size_t i = 0; i < listed; ++i) {
    const Failure& failure = failures_[i];
    text += QLatin1Char('\n');
    // Most messages name their file already; the others get it in front.
    if (failure.message.find(failure.path) == std::string::npos) {
      text += QString::fromStdString(failure.path) + QStringLiteral(": ");
    }
    text += QString::fromStdString(failure.message);
  }
  if (failures_.size() > listed) {
    text += QLatin1Char('\n') +
            tr("... and %1 more; the marked rows say why.").arg(failures_.size() - listed);
  }
  return text;
}

}  // namespace tw
