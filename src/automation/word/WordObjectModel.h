#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/ServerRegistry.h"

// The members of Word's object model that the Word counter drives. Our own engine implements
// them over the document model; tests put recording fakes in their place. Every member that
// fails throws AutomationError with source "Word". Objects handed out are owned by the caller,
// as automation references are; they keep what they refer to alive.
namespace tw::word {

// Word's enumeration of document statistics, for the ones the counter asks for.
enum Statistic : int {
  kStatisticWords = 0,
  kStatisticLines = 1,
  kStatisticCharacters = 3,
  kStatisticCharactersWithSpaces = 5,
};

inline constexpr int kWindowStateMinimize = 2;
inline constexpr int kHeaderFooterPrimary = 1;

class Range {
 public:
  virtual ~Range() = default;
  virtual int32_t ComputeStatistics(int statistic) = 0;
};

class TextFrame {
 public:
  virtual ~TextFrame() = default;
  virtual std::unique_ptr<word::Range> TextRange() = 0;
};

class Shape {
 public:
  virtual ~Shape() = default;
  virtual int32_t Type() = 0;
  virtual void Ungroup() = 0;
  // Null when the shape has no text frame.
  virtual std::unique_ptr<word::TextFrame> TextFrame() = 0;
};

class Shapes {
 public:
  virtual ~Shapes() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<word::Shape> Item(int32_t index) = 0;  // 1-based
};

class HeaderFooter {
 public:
  virtual ~HeaderFooter() = default;
  virtual std::unique_ptr<word::Range> Range() = 0;
};

class HeadersFooters {
 public:
  virtual ~HeadersFooters() = default;
  virtual std::unique_ptr<word::HeaderFooter> Item(
      int index) = 0;  // 1 primary, 2 first page, 3 even
};

class Section {
 public:
  virtual ~Section() = default;
  virtual std::unique_ptr<word::HeadersFooters> Headers() = 0;
  virtual std::unique_ptr<word::HeadersFooters> Footers() = 0;
};

class Sections {
 public:
  virtual ~Sections() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<word::Section> Item(int32_t index) = 0;  // 1-based
};

class Document {
 public:
  virtual ~Document() = default;
  virtual int32_t ComputeStatistics(int statistic, int16_t includeFootnotesAndEndnotes) = 0;
  virtual std::unique_ptr<word::Sections> Sections() = 0;
  virtual std::unique_ptr<word::Shapes> Shapes() = 0;
};

// The arguments of Documents.Open, in Word's order.
struct OpenArguments {
  std::string fileName;
  bool confirmConversions = false;
  bool readOnly = false;
  bool addToRecentFiles = false;
  std::string passwordDocument;
  std::string passwordTemplate;
  bool revert = false;
  std::string writePasswordDocument;
  std::string writePasswordTemplate;
  int format = 0;
};

class Documents {
 public:
  virtual ~Documents() = default;
  virtual std::unique_ptr<word::Document> Open(const OpenArguments& arguments) = 0;
  virtual std::unique_ptr<word::Document> Item(int32_t index) = 0;  // 1-based
  // Closes every open document.
  virtual void Close(int saveChanges, int originalFormat, int routeDocument) = 0;
};

class Application : public AutomationObject {
 public:
  virtual void SetVisible(bool visible) = 0;
  virtual void SetWindowState(int state) = 0;
  virtual void SetScreenUpdating(bool updating) = 0;
  virtual std::unique_ptr<word::Documents> Documents() = 0;
  virtual void Quit(int saveChanges, int originalFormat, int routeDocument) = 0;

  // Our engine's own setting, not an automation member: judge characters by the low byte of
  // each UTF-16 unit, as the legacy figures were made. Servers without it ignore it.
  virtual void SetLegacyByteRules(bool legacy) { (void)legacy; }
};

}  // namespace tw::word

namespace tw {
using WordApplication = word::Application;
}  // namespace tw
