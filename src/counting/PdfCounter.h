#pragma once

#include <memory>
#include <string>

#include "formats/pdf/AVDoc.h"
#include "formats/pdf/AVPageView.h"
#include "formats/pdf/HiliteList.h"
#include "formats/pdf/PDDoc.h"
#include "formats/pdf/PDTextSelect.h"
#include "formats/pdf/PdfApp.h"
#include "counting/Counter.h"

namespace tw {

// Counts PDF files through the PDF server: each file is opened in one document view and the text
// of every page is taken from a word selection and scanned with every character above the blank
// as part of a word.
class PdfCounter : public Counter {
 public:
  PdfCounter(CountHost& host, CountContext& context) : Counter(CounterKind::Pdf, host, context) {}

 protected:
  bool StartServer() override;
  void ReleaseServer() override;
  // The stop request is tested before each page instead.
  bool StopsBeforeEachFile() const override { return false; }
  FileOutcome CountFile(const std::string& path) override;

 private:
  FileOutcome CountDocument(const std::string& path);
  FileOutcome CountPages(AVPageView& pageView, HiliteList& hilites);
  std::u16string PageText(AVPageView& pageView, long page, HiliteList& hilites);
  void SkipFile(const std::string& path);
  void QuitApp(bool closeDocuments);
  template <class T>
  std::unique_ptr<T> CreateServer(const char* progId);

  std::unique_ptr<PdfApp> app_;
  std::unique_ptr<AVDoc> avDoc_;
  // The last word selection made: a page whose selection fails contributes nothing from it.
  std::unique_ptr<PDTextSelect> selection_;
  long pageCount_ = 0;
};

}  // namespace tw
