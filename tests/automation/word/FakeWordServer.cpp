#include "FakeWordServer.h"

namespace tw::test {
namespace {

std::string Flag(bool value) {
  return value ? "true" : "false";
}
std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

int32_t StatisticOf(const FakeStatistics& statistics, int statistic) {
  switch (statistic) {
    case word::kStatisticWords:
      return statistics.words;
    case word::kStatisticCharacters:
      return statistics.characters;
    case word::kStatisticCharactersWithSpaces:
      return statistics.charactersWithSpaces;
    default:
      throw AutomationError("Word", "no such statistic");
  }
}

class FakeRange : public word::Range {
 public:
  FakeRange(FakeWordServer& server, FakeStatistics statistics)
      : server_(server), statistics_(statistics) {}
  int32_t ComputeStatistics(int statistic) override {
    server_.Record("Range.ComputeStatistics " + std::to_string(statistic));
    return StatisticOf(statistics_, statistic);
  }

 private:
  FakeWordServer& server_;
  FakeStatistics statistics_;
};

class FakeTextFrame : public word::TextFrame {
 public:
  FakeTextFrame(FakeWordServer& server, FakeStatistics statistics)
      : server_(server), statistics_(statistics) {}
  std::unique_ptr<word::Range> TextRange() override {
    server_.Record("TextFrame.TextRange");
    return std::make_unique<FakeRange>(server_, statistics_);
  }

 private:
  FakeWordServer& server_;
  FakeStatistics statistics_;
};

class FakeShapeObject : public word::Shape {
 public:
  FakeShapeObject(FakeWordServer& server, size_t index) : server_(server), index_(index) {}
  int32_t Type() override {
    server_.Record("Shape.Type");
    return Model().type;
  }
  void Ungroup() override {
    server_.Record("Shape.Ungroup");
    std::vector<FakeShape> members = std::move(Model().members);
    Model().members.clear();
    for (FakeShape& member : members) server_.open->shapes.push_back(std::move(member));
  }
  std::unique_ptr<word::TextFrame> TextFrame() override {
    server_.Record("Shape.TextFrame");
    if (!Model().hasTextFrame) return nullptr;
    return std::make_unique<FakeTextFrame>(server_, Model().frame);
  }

 private:
  FakeShape& Model() { return server_.open->shapes.at(index_); }
  FakeWordServer& server_;
  size_t index_;
};

class FakeShapes : public word::Shapes {
 public:
  explicit FakeShapes(FakeWordServer& server) : server_(server) {}
  int32_t Count() override {
    server_.Record("Shapes.Count");
    return static_cast<int32_t>(server_.open->shapes.size());
  }
  std::unique_ptr<word::Shape> Item(int32_t index) override {
    server_.Record("Shapes.Item " + std::to_string(index));
    return std::make_unique<FakeShapeObject>(server_, static_cast<size_t>(index - 1));
  }

 private:
  FakeWordServer& server_;
};

class FakeHeaderFooter : public word::HeaderFooter {
 public:
  FakeHeaderFooter(FakeWordServer& server, FakeStatistics statistics)
      : server_(server), statistics_(statistics) {}
  std::unique_ptr<word::Range> Range() override {
    server_.Record("HeaderFooter.Range");
    return std::make_unique<FakeRange>(server_, statistics_);
  }

 private:
  FakeWordServer& server_;
  FakeStatistics statistics_;
};

class FakeHeadersFooters : public word::HeadersFooters {
 public:
  FakeHeadersFooters(FakeWordServer& server, FakeStatistics primary)
      : server_(server), primary_(primary) {}
  std::unique_ptr<word::HeaderFooter> Item(int index) override {
    server_.Record("HeadersFooters.Item " + std::to_string(index));
    return std::make_unique<FakeHeaderFooter>(server_, index == 1 ? primary_ : FakeStatistics{});
  }

 private:
  FakeWordServer& server_;
  FakeStatistics primary_;
};

class FakeSectionObject : public word::Section {
 public:
  FakeSectionObject(FakeWordServer& server, FakeSection section)
      : server_(server), section_(section) {}
  std::unique_ptr<word::HeadersFooters> Headers() override {
    server_.Record("Section.Headers");
    return std::make_unique<FakeHeadersFooters>(server_, section_.header);
  }
  std::unique_ptr<word::HeadersFooters> Footers() override {
    server_.Record("Section.Footers");
    return std::make_unique<FakeHeadersFooters>(server_, section_.footer);
  }

 private:
  FakeWordServer& server_;
  FakeSection section_;
};

class FakeSections : public word::Sections {
 public:
  explicit FakeSections(FakeWordServer& server) : server_(server) {}
  int32_t Count() override {
    server_.Record("Sections.Count");
    return static_cast<int32_t>(server_.open->sections.size());
  }
  std::unique_ptr<word::Section> Item(int32_t index) override {
    server_.Record("Sections.Item " + std::to_string(index));
    return std::make_unique<FakeSectionObject>(
        server_, server_.open->sections.at(static_cast<size_t>(index - 1)));
  }

 private:
  FakeWordServer& server_;
};

class FakeDocumentObject : public word::Document {
 public:
  explicit FakeDocumentObject(FakeWordServer& server) : server_(server) {}
  int32_t ComputeStatistics(int statistic, int16_t includeNotes) override {
    server_.Record("Document.ComputeStatistics " + std::to_string(statistic) + " " +
                   std::to_string(includeNotes));
    return StatisticOf(server_.open->withNotes, statistic);
  }
  std::unique_ptr<word::Sections> Sections() override {
    server_.Record("Document.Sections");
    return std::make_unique<FakeSections>(server_);
  }
  std::unique_ptr<word::Shapes> Shapes() override {
    server_.Record("Document.Shapes");
    return std::make_unique<FakeShapes>(server_);
  }

 private:
  FakeWordServer& server_;
};

class FakeDocuments : public word::Documents {
 public:
  explicit FakeDocuments(FakeWordServer& server) : server_(server) {}
  std::unique_ptr<word::Document> Open(const word::OpenArguments& a) override {
    server_.Record("Documents.Open " + a.fileName + " " + Flag(a.confirmConversions) + " " +
                   Flag(a.readOnly) + " " + Flag(a.addToRecentFiles) + " " +
                   Quoted(a.passwordDocument) + " " + Quoted(a.passwordTemplate) + " " +
                   Flag(a.revert) + " " + Quoted(a.writePasswordDocument) + " " +
                   Quoted(a.writePasswordTemplate) + " " + std::to_string(a.format));
    const auto it = server_.documents.find(a.fileName);
    if (it == server_.documents.end()) throw AutomationError("Word", "no such fake document");
    server_.open = &it->second;
    return std::make_unique<FakeDocumentObject>(server_);
  }
  std::unique_ptr<word::Document> Item(int32_t index) override {
    server_.Record("Documents.Item " + std::to_string(index));
    return std::make_unique<FakeDocumentObject>(server_);
  }
  void Close(int saveChanges, int originalFormat, int routeDocument) override {
    server_.Record("Documents.Close " + std::to_string(saveChanges) + " " +
                   std::to_string(originalFormat) + " " + std::to_string(routeDocument));
    server_.open = nullptr;
  }

 private:
  FakeWordServer& server_;
};

class FakeApplication : public word::Application {
 public:
  explicit FakeApplication(FakeWordServer& server) : server_(server) {}
  void SetVisible(bool visible) override { server_.Record("Application.Visible " + Flag(visible)); }
  void SetWindowState(int state) override {
    server_.Record("Application.WindowState " + std::to_string(state));
  }
  void SetScreenUpdating(bool updating) override {
    server_.Record("Application.ScreenUpdating " + Flag(updating));
  }
  std::unique_ptr<word::Documents> Documents() override {
    server_.Record("Application.Documents");
    return std::make_unique<FakeDocuments>(server_);
  }
  void Quit(int saveChanges, int originalFormat, int routeDocument) override {
    server_.Record("Application.Quit " + std::to_string(saveChanges) + " " +
                   std::to_string(originalFormat) + " " + std::to_string(routeDocument));
  }

 private:
  FakeWordServer& server_;
};

}  // namespace

void FakeWordServer::RegisterIn(ServerRegistry& registry) {
  registry.Register("Word.Application",
                    [this] { return std::make_unique<FakeApplication>(*this); });
}

void FakeWordServer::Record(const std::string& call) {
  log.push_back(call);
  if (onCall) onCall(call);
  if (failOn.count(call) > 0) throw AutomationError("Word", "fake failure of " + call);
}

}  // namespace tw::test
