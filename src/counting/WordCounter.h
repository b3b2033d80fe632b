#pragma once

#include <memory>

#include "formats/word/WordObjectModel.h"
#include "counting/Counter.h"

namespace tw {

// Counts Word documents (.doc, .docx, .rtf) through the "Word.Application" server: the
// document's statistics with footnotes and endnotes, the primary header and footer of every
// section when "Count in headers and footers" is on, and the text of text boxes and autoshapes.
// A call the server fails is reported for that file; its row keeps its cells and the batch goes
// on.
class WordCounter : public Counter {
 public:
  WordCounter(CountHost& host, CountContext& context);
  ~WordCounter() override;

 protected:
  void TakeOptions(const CountOptions& options) override;
  bool StartServer() override;
  void ReleaseServer() override;
  FileOutcome CountFile(const std::string& path) override;

 private:
  void StartApplication();
  void CountDocument(const std::string& path);
  void CountMainStatistics(word::Document& document);
  void HeaderFooterPass(word::Document& document);
  void UngroupPass(word::Document& document, int32_t shapeType);
  void TextFramePass(word::Document& document);
  void AddRangeStatistics(word::Range& range);
  void ReportFailure(const std::exception& error);
  void CloseAfterFailure();
  void QuitQuietly();

  bool headersAndFooters_ = false;
  bool documentOpen_ = false;
  std::unique_ptr<word::Application> application_;
  std::unique_ptr<word::Documents> documents_;
};

}  // namespace tw
