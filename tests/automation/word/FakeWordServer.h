#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/ServerRegistry.h"
#include "automation/word/WordObjectModel.h"

namespace tw::test {

// What a fake range reports for statistics 0, 3 and 5.
struct FakeStatistics {
  int32_t words = 0;
  int32_t characters = 0;
  int32_t charactersWithSpaces = 0;
};

struct FakeShape {
  int32_t type = 1;
  bool hasTextFrame = false;
  FakeStatistics frame;
  std::vector<FakeShape> members;  // a group's, appended to the collection on Ungroup
};

struct FakeSection {
  FakeStatistics header;
  FakeStatistics footer;
};

struct FakeDocument {
  FakeStatistics withNotes;  // the document's statistics with footnotes and endnotes
  std::vector<FakeSection> sections{FakeSection{}};
  std::vector<FakeShape> shapes;
};

// A Word server for tests: records every call, with its arguments, in one log ("Documents.Open
// a.docx false false false '' '' false '' '' 0"), serves the documents it was given by path, and
// fails (AutomationError "Word") any call whose log line is listed in failOn.
class FakeWordServer {
 public:
  std::vector<std::string> log;
  std::map<std::string, FakeDocument> documents;
  std::set<std::string> failOn;
  std::function<void(const std::string& call)> onCall;  // runs after a call is logged

  // Registers under "Word.Application"; each creation makes a new application over this server.
  void RegisterIn(ServerRegistry& registry);

  void Record(const std::string& call);
  FakeDocument* open = nullptr;  // the document Open served last, until Close
};

}  // namespace tw::test
