// tallywright-pdf-reader: reads one PDF with poppler and writes its pages' text to standard output
// in the wire format, for a program that must survive whatever the PDF library does with a
// damaged or hostile file. It limits itself before it opens the document.
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "formats/pdf/PdfHelperCommand.h"
#include "formats/pdf/PdfTextExtractor.h"
#include "formats/pdf/PdfWireFormat.h"

#if defined(__SANITIZE_ADDRESS__)
#define TW_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TW_ADDRESS_SANITIZER 1
#endif
#endif

namespace tw {
namespace {

// Pages are sent in batches of about this size, or after this long: fewer, larger writes wake the
// reading side less often, while slow pages still reach it well within its idle limit.
constexpr size_t kBatchBytes = 128 * 1024;
constexpr auto kBatchTime = std::chrono::milliseconds(200);

void SetLimit(int resource, rlim_t soft, rlim_t hard) {
  const rlimit limit{soft, hard};
  setrlimit(resource, &limit);
}

void ApplyLimits(const PdfHelperCommand& command) {
  // At the soft limit the kernel sends SIGXCPU, which tells the reading side what happened; the
  // hard limit a second later kills a program that somehow survives it.
  SetLimit(RLIMIT_CPU, command.cpuSeconds, command.cpuSeconds + 1);
  SetLimit(RLIMIT_CORE, 0, 0);  // a crash on a hostile file leaves no core behind
#ifndef TW_ADDRESS_SANITIZER
  // The address sanitizer reserves far more address space than any limit worth setting.
  SetLimit(RLIMIT_AS, command.addressSpaceBytes, command.addressSpaceBytes);
#endif
}

bool WriteAll(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// The failures a test may ask for, each after the header: the reading side must survive them all.
void FailOnPurpose(const std::string& how) {
  // abort rather than a stray access: the address sanitizer turns the latter into an exit.
  if (how == "crash") std::abort();
  if (how == "hang") std::this_thread::sleep_for(std::chrono::hours(1));
  if (how == "spin") {
    std::atomic<unsigned long> spins{0};
    for (;;) spins.fetch_add(1, std::memory_order_relaxed);
  }
  if (how == "hog") {
    std::vector<char> huge(size_t{1} << 30, 1);  // more than a test's limit allows
    WriteAll(std::string(1, huge.back()));
  }
  if (how == "garbage") WriteAll(std::string(64, '\xFF'));
  if (!how.empty()) std::_Exit(PdfHelperCommand::kDone);
}

// Loads the document, sends its page count, then every page in order. Stops quietly when the
// reading side has gone away.
void SendDocument(const std::string& path) {
  PdfTextExtractor::SilenceDiagnostics();
  const auto loaded = PdfTextExtractor::LoadFile(path);
  const PdfTextExtractor* document = std::get_if<PdfTextExtractor>(&loaded);
  PdfWireFormat::Header header;
  if (document != nullptr) {
    header = {PdfWireFormat::Opening::Opened, document->PageCount()};
  } else if (std::get<PdfTextExtractor::LoadFailure>(loaded) ==
             PdfTextExtractor::LoadFailure::NeedsPassword) {
    header.opening = PdfWireFormat::Opening::NeedsPassword;
  }
  if (!WriteAll(PdfWireFormat::EncodeHeader(header))) return;
  const char* failure = std::getenv(PdfHelperCommand::kFailureVariable);
  FailOnPurpose(failure ? failure : "");
  std::string batch;
  auto sent = std::chrono::steady_clock::now();
  for (int page = 0; page < header.pageCount; ++page) {
    batch += PdfWireFormat::EncodePage(document->PageText(page));
    const bool last = page + 1 == header.pageCount;
    const auto now = std::chrono::steady_clock::now();
    if (last || batch.size() >= kBatchBytes || now - sent >= kBatchTime) {
      if (!WriteAll(batch)) return;
      batch.clear();
      sent = now;
    }
  }
}

}  // namespace
}  // namespace tw

int main(int argc, char** argv) {
  // Only the standard streams are ours; whatever else was inherited stays untouched.
  close_range(3, ~0u, 0);
  const std::optional<tw::PdfHelperCommand> command =
      tw::PdfHelperCommand::Parse(std::vector<std::string>(argv + (argc > 0), argv + argc));
  if (!command) {
    std::fputs("usage: tallywright-pdf-reader --cpu-seconds=N --address-space=BYTES -- FILE.pdf\n",
               stderr);
    return tw::PdfHelperCommand::kUsage;
  }
  tw::ApplyLimits(*command);
  try {
    tw::SendDocument(command->path);
  } catch (const std::bad_alloc&) {
    return tw::PdfHelperCommand::kOutOfMemory;
  }
  return tw::PdfHelperCommand::kDone;
}
