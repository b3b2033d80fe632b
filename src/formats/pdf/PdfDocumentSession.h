#pragma once

#include <memory>
#include <string>

#include "formats/pdf/PdfHelperProcess.h"
#include "formats/pdf/PdfPageText.h"

namespace tw {

// One open document as the window's side sees it: a helper process reads it with poppler and
// streams its pages in order; pages are taken from the stream as they are asked for.
class PdfDocumentSession {
 public:
  explicit PdfDocumentSession(PdfHelperLimits limits);

  // Opens the file in a new helper and waits until it has loaded it; false when it cannot be
  // loaded (missing, damaged, locked by a password) or the helper fails first.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return helper_ != nullptr; }
  long PageCount() const { return pageCount_; }

  // The text of page `index`. Throws ReaderError when the helper fails before it
  // delivers the page (a crash, a limit, broken data), and closes the document then; throws
  // too when no document is open or there is no such page.
  std::shared_ptr<const PdfPageText> Page(long index);

 private:
  bool StartHelper();
  bool Restart();
  std::shared_ptr<const PdfPageText> ReadNextPage();
  [[noreturn]] void Fail(long index);

  PdfHelperLimits limits_;
  std::string path_;
  std::unique_ptr<PdfHelperProcess> helper_;
  long pageCount_ = 0;
  long nextPage_ = 0;  // the page the helper sends next
  long currentIndex_ = -1;
  std::shared_ptr<const PdfPageText> current_;
};

}  // namespace tw
