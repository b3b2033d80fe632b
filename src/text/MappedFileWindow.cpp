#include "text/MappedFileWindow.h"

#include <sys/mman.h>
#include <unistd.h>

#ifndef MADV_POPULATE_READ
#define MADV_POPULATE_READ 22  // Linux 5.14; older kernels refuse it and map pages as read
#endif

namespace tw {
namespace {

// The pages a thread is reading and where to say that some vanished.
struct GuardedPages {
  uintptr_t begin = 0;
  uintptr_t end = 0;
  volatile std::sig_atomic_t* lost = nullptr;
};

thread_local GuardedPages guardedPages;
struct sigaction earlierBusAction;
uintptr_t pageBytes = 4096;

// A bus error that is not ours goes where it would have gone without us: to the handler set
// before, or to the default, which ends the program.
void PassOn(int signal, siginfo_t* info, void* context) {
  if ((earlierBusAction.sa_flags & SA_SIGINFO) != 0) {
    earlierBusAction.sa_sigaction(signal, info, context);
    return;
  }
  if (earlierBusAction.sa_handler != SIG_DFL && earlierBusAction.sa_handler != SIG_IGN) {
    earlierBusAction.sa_handler(signal);
    return;
  }
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  raise(signal);  // delivered as the handler returns, if the faulting read does not come first
}

// A page past the end of a file that shrank: a page of zeros takes its place, and the read that
// faulted is made again.
void OnBusError(int signal, siginfo_t* info, void* context) {
  const GuardedPages& pages = guardedPages;
  const auto address = reinterpret_cast<uintptr_t>(info->si_addr);
  if (info->si_code > 0 && address >= pages.begin && address < pages.end) {
    void* page = reinterpret_cast<void*>(address & ~(pageBytes - 1));
    if (mmap(page, pageBytes, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
        MAP_FAILED) {
      *pages.lost = 1;
      return;
    }
  }
  PassOn(signal, info, context);
}

bool GuardBusErrors() {
  static const bool guarded = [] {
    pageBytes = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    // The earlier action is read before ours is in place, which may be called at once.
    return sigaction(SIGBUS, nullptr, &earlierBusAction) == 0 &&
           sigaction(SIGBUS, &action, nullptr) == 0;
  }();
  return guarded;
}

}  // namespace

MappedFileWindow::~MappedFileWindow() {
  Unmap();
}

bool MappedFileWindow::Map(const RegularFile& file, uint64_t offset, size_t length) {
  Unmap();
  if (length == 0 || !GuardBusErrors()) return false;
  const uint64_t start = offset & ~uint64_t{pageBytes - 1};
  const size_t skipped = static_cast<size_t>(offset - start);
  void* mapping = mmap(nullptr, skipped + length, PROT_READ, MAP_SHARED, file.Descriptor(),
                       static_cast<off_t>(start));
  if (mapping == MAP_FAILED) return false;
  mapping_ = static_cast<uint8_t*>(mapping);
  mappedLength_ = skipped + length;
  skipped_ = skipped;
  length_ = length;
  lost_ = 0;
  const auto begin = reinterpret_cast<uintptr_t>(mapping_);
  guardedPages = {begin, begin + mappedLength_, &lost_};
  // One call maps every page, where reading them would fault for every few.
  madvise(mapping, mappedLength_, MADV_POPULATE_READ);
  return true;
}

void MappedFileWindow::Unmap() {
  if (mapping_ == nullptr) return;
  if (guardedPages.lost == &lost_) guardedPages = {};
  munmap(mapping_, mappedLength_);
  mapping_ = nullptr;
  mappedLength_ = skipped_ = length_ = 0;
}

}  // namespace tw
