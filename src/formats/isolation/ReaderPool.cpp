#include "formats/isolation/ReaderPool.h"

#include <algorithm>
#include <chrono>
#include <new>

#include "formats/isolation/ReaderCommand.h"
#include "formats/isolation/ReaderLocator.h"
#include "formats/isolation/ReaderProcess.h"
#include "formats/isolation/ReaderWire.h"

namespace tw {
namespace {

// However many pieces a helper sends, the document it hands over stays within this many UTF-16
// units, each piece charged at least kPieceCharge for its own bookkeeping.
constexpr uint64_t kMaxDocumentUnits = uint64_t{1} << 28;
constexpr uint64_t kPieceCharge = 64;

ReaderError Stopped(const std::string& path, const std::string& how) {
  return ReaderError("the reader stopped: " + how + ": " + path, ReaderError::Cause::Other,
                     "the reader stopped: " + how);
}

// How often a thread waiting for a helper looks at the stop request.
constexpr auto kStopTest = std::chrono::milliseconds(50);

// One document's exchange with a helper. `reusable` tells whether the helper may read the next.
class Exchange {
 public:
  Exchange(ReaderProcess& helper, const std::string& path, const StopFlag* stop)
      : helper_(helper), path_(path), stop_(stop) {}

  ReadResult Receive() {
    const ReaderWire::ByteSource source = [this](void* into, size_t size) {
      return helper_.Read(into, size, stop_);
    };
    Document document;
    uint64_t units = 0;
    for (;;) {
      std::optional<ReaderWire::Frame> frame = ReaderWire::ReadFrame(source);
      if (!frame) return Failed();
      if (auto* piece = std::get_if<TextPiece>(&*frame)) {
        units += piece->text.size() + kPieceCharge;
        if (units > kMaxDocumentUnits)
          return ReaderError(path_ + " holds more text than can be counted");
        document.pieces.push_back(std::move(*piece));
      } else if (const auto* end = std::get_if<ReaderWire::End>(&*frame)) {
        document.sectionCount = end->sectionCount;
        document.hasTitleMaster = end->hasTitleMaster;
        reusable = true;
        return document;
      } else {
        reusable = true;
        return std::get<ReaderError>(std::move(*frame));
      }
    }
  }

  bool reusable = false;

 private:
  ReadResult Failed() {
    const std::string how = helper_.Failure();
    if (helper_.WasStopped()) return ReadResult::Stopped{};
    return Stopped(path_, how);
  }

  ReaderProcess& helper_;
  const std::string& path_;
  const StopFlag* stop_;
};

}  // namespace

// A helper taken from the pool for one document, given back (or ended) however the document ends.
class ReaderPool::Lease {
 public:
  Lease(ReaderPool& pool, std::unique_ptr<ReaderProcess> helper)
      : pool_(pool), helper_(std::move(helper)) {}
  ~Lease() {
    if (helper_) pool_.GiveBack(std::move(helper_), reusable);
  }
  Lease(const Lease&) = delete;
  Lease& operator=(const Lease&) = delete;
  ReaderProcess* operator->() const { return helper_.get(); }
  ReaderProcess& operator*() const { return *helper_; }
  explicit operator bool() const { return helper_ != nullptr; }

  bool reusable = false;

 private:
  ReaderPool& pool_;
  std::unique_ptr<ReaderProcess> helper_;
};

ReaderPool::ReaderPool(int kept, ReaderLimits limits)
    : kept_(static_cast<size_t>(std::max(kept, 1))), limits_(limits) {}

ReaderPool::~ReaderPool() {
  for (const std::unique_ptr<ReaderProcess>& helper : idle_) helper->End();
}

std::unique_ptr<ReaderProcess> ReaderPool::Take(bool fresh, const StopFlag* stop) {
  std::string program;
  {
    std::unique_lock lock(mutex_);
    while (!fresh && idle_.empty() && running_ >= kept_) {
      if (stop != nullptr && stop->load()) return nullptr;
      helperFree_.wait_for(lock, kStopTest);
    }
    if (!fresh && !idle_.empty()) {
      std::unique_ptr<ReaderProcess> helper = std::move(idle_.back());
      idle_.pop_back();
      return helper;
    }
    if (program_.empty()) program_ = FindReaderProgram();
    program = program_;
    ++running_;
  }
  started_.fetch_add(1);
  try {
    return std::make_unique<ReaderProcess>(program, ReaderCommand::For(limits_).Arguments(),
                                           limits_.idleTimeoutMs);
  } catch (...) {
    GiveBack(nullptr, false);
    throw;
  }
}

void ReaderPool::GiveBack(std::unique_ptr<ReaderProcess> helper, bool reusable) {
  {
    const std::lock_guard lock(mutex_);
    if (reusable && idle_.size() < kept_) {
      idle_.push_back(std::move(helper));
    } else {
      --running_;
    }
  }
  helperFree_.notify_one();
  // An ended helper is waited for outside the lock.
}

ReadResult ReaderPool::Receive(Lease& helper, const std::string& path, const StopFlag* stop) {
  Exchange exchange(*helper, path, stop);
  ReadResult result = exchange.Receive();
  helper.reusable = exchange.reusable;
  return result;
}

ReadResult ReaderPool::Read(DocumentFormat format, const std::string& path, const StopFlag* stop) {
  if (path.size() > ReaderWire::kMaxTextBytes) return ReaderError("the path is too long: " + path);
  try {
    const std::string request = ReaderWire::EncodeRequest({format, path});
    Lease helper(*this, Take(false, stop));
    if (!helper) return ReadResult::Stopped{};
    // A kept helper that has died since its last document is no fault of this one.
    if (!helper->Write(request)) {
      Lease fresh(*this, Take(true, stop));
      if (!fresh->Write(request)) return Stopped(path, fresh->Failure());
      return Receive(fresh, path, stop);
    }
    return Receive(helper, path, stop);
  } catch (const ReaderError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return ReaderError("The document is too large to open: " + path);
  }
}

}  // namespace tw
