#include "counting/CounterRegistry.h"

#include "counting/Counter.h"

namespace tw {
namespace {

constexpr std::array<CounterKind, kCounterKindCount> kBusyTestOrder = {
    CounterKind::Word, CounterKind::Text, CounterKind::PowerPoint, CounterKind::Html,
    CounterKind::Pdf};
constexpr std::array<CounterKind, kCounterKindCount> kStopOrder = {
    CounterKind::Word, CounterKind::PowerPoint, CounterKind::Pdf, CounterKind::Text,
    CounterKind::Html};

int Slot(CounterKind kind) {
  return static_cast<int>(kind);
}

}  // namespace

void CounterRegistry::Register(CounterKind kind, Counter* counter) {
  std::lock_guard lock(mutex_);
  slots_[Slot(kind)] = counter;
}

void CounterRegistry::Unregister(CounterKind kind) {
  Register(kind, nullptr);
}

void CounterRegistry::Clear() {
  std::lock_guard lock(mutex_);
  slots_.fill(nullptr);
}

bool CounterRegistry::AnyBusy() const {
  std::lock_guard lock(mutex_);
  for (CounterKind kind : kBusyTestOrder) {
    const Counter* counter = slots_[Slot(kind)];
    if (counter != nullptr && counter->IsBusy()) return true;
  }
  return false;
}

int CounterRegistry::RequestStopOfBusy() {
  std::lock_guard lock(mutex_);
  int asked = 0;
  for (CounterKind kind : kStopOrder) {
    Counter* counter = slots_[Slot(kind)];
    if (counter != nullptr && counter->IsBusy()) {
      counter->RequestStop();
      ++asked;
    }
  }
  return asked;
}

}  // namespace tw
