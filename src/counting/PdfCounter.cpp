#include "counting/PdfCounter.h"

#include <new>

#include "automation/AutomationError.h"
#include "formats/pdf/PdfServer.h"
#include "counting/TextScan.h"

namespace tw {
namespace {

constexpr const char* kOpenFailed = "Failed to opening file ";
// The highlight range the word selection is asked for; the server selects every word of the page
// whatever the range, so no word goes uncounted.
constexpr short kHiliteOffset = 0;
constexpr short kHiliteLength = 2000;

}  // namespace

template <class T>
std::unique_ptr<T> PdfCounter::CreateServer(const char* progId) {
  ServerRegistry* servers = Context().servers;
  return servers ? servers->Create<T>(progId) : nullptr;
}

bool PdfCounter::StartServer() {
  app_ = CreateServer<PdfApp>(kPdfAppProgId);
  if (!app_) {
    ShowMessage("Adobe Acrobat should be installed");
    return false;
  }
  avDoc_ = CreateServer<AVDoc>(kAVDocProgId);
  if (!avDoc_) {
    ShowMessage("Failed to create AVDoc");
    QuitApp(false);
    return false;
  }
  return true;
}

void PdfCounter::ReleaseServer() {
  QuitApp(true);
}

// Leaving the server never fails the run: a server that cannot close or quit is left behind.
void PdfCounter::QuitApp(bool closeDocuments) {
  try {
    if (closeDocuments) app_->CloseAllDocs();
    app_->Exit();
  } catch (const AutomationError&) {
  }
}

// Any failed call for a file costs that file alone: it is reported, its row keeps its cells and
// the batch goes on. Memory running out over a huge text is such a failure too.
FileOutcome PdfCounter::CountFile(const std::string& path) {
  try {
    return CountDocument(path);
  } catch (const AutomationError&) {
  } catch (const std::bad_alloc&) {
  }
  SkipFile(path);
  return FileOutcome::Skipped;
}

void PdfCounter::SkipFile(const std::string& path) {
  ShowMessage(kOpenFailed + path);
  try {
    app_->CloseAllDocs();
  } catch (const AutomationError&) {
    // The next Open starts afresh in any case.
  }
}

FileOutcome PdfCounter::CountDocument(const std::string& path) {
  pageCount_ = 0;
  if (avDoc_->Open(path, "") == 0) {
    SkipFile(path);
    return FileOutcome::Skipped;
  }
  const std::unique_ptr<PDDoc> pdDoc = avDoc_->GetPDDoc();
  pageCount_ = pdDoc->GetNumPages();
  const std::unique_ptr<AVPageView> pageView = avDoc_->GetAVPageView();
  const std::unique_ptr<HiliteList> hilites = CreateServer<HiliteList>(kHiliteListProgId);
  if (!hilites) throw AutomationError(kHiliteListProgId, "The highlight list cannot be created");
  hilites->Add(kHiliteOffset, kHiliteLength);

  if (CountPages(*pageView, *hilites) == FileOutcome::Stopped) return FileOutcome::Stopped;
  pdDoc->Close();
  app_->CloseAllDocs();
  return FileOutcome::Counted;
}

FileOutcome PdfCounter::CountPages(AVPageView& pageView, HiliteList& hilites) {
  const TextRules rules{.extraSymbolsAsWords = true, .legacyByteRules = LegacyByteRules()};
  for (long page = 0; page < pageCount_; ++page) {
    if (TakeStopRequest()) return FileOutcome::Stopped;
    Counts() += ScanUtf16Text(PageText(pageView, page, hilites), rules);
  }
  return FileOutcome::Counted;
}

std::u16string PdfCounter::PageText(AVPageView& pageView, long page, HiliteList& hilites) {
  pageView.GoTo(page);
  const std::unique_ptr<PDPage> pdPage = pageView.GetPage();
  try {
    selection_ = pdPage->CreateWordHilite(hilites);
  } catch (const AutomationError& error) {
    ShowMessage(FormatAutomationError(error));
    selection_.reset();
  }
  std::u16string text;
  const long items = selection_ ? selection_->GetNumText() : 0;
  for (long i = 0; i < items; ++i) text += selection_->GetText(i);
  text += u"\r\n";
  return text;
}

}  // namespace tw
