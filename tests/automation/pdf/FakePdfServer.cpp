#include "FakePdfServer.h"

namespace tw::test {
namespace {

class FakeTextSelect : public PDTextSelect {
 public:
  FakeTextSelect(FakePdfServer& server, FakePdfServer::Page items)
      : server_(server), items_(std::move(items)) {}
  long GetNumText() override {
    server_.Call("GetNumText", "GetNumText");
    return static_cast<long>(items_.size());
  }
  std::u16string GetText(long index) override {
    server_.Call("GetText " + std::to_string(index), "GetText");
    return items_.at(static_cast<size_t>(index));
  }

 private:
  FakePdfServer& server_;
  FakePdfServer::Page items_;
};

class FakeHiliteList : public HiliteList {
 public:
  explicit FakeHiliteList(FakePdfServer& server) : server_(server) {}
  void Add(short offset, short length) override {
    server_.Call("Add " + std::to_string(offset) + " " + std::to_string(length), "Add");
  }

 private:
  FakePdfServer& server_;
};

class FakePage : public PDPage {
 public:
  FakePage(FakePdfServer& server, FakePdfServer::Page items)
      : server_(server), items_(std::move(items)) {}
  std::unique_ptr<PDTextSelect> CreateWordHilite(HiliteList& hilites) override {
    server_.Call("CreateWordHilite", "CreateWordHilite");
    if (dynamic_cast<FakeHiliteList*>(&hilites) == nullptr) throw AutomationError("", "");
    return std::make_unique<FakeTextSelect>(server_, items_);
  }

 private:
  FakePdfServer& server_;
  FakePdfServer::Page items_;
};

class FakePageView : public AVPageView {
 public:
  FakePageView(FakePdfServer& server, const std::vector<FakePdfServer::Page>& pages)
      : server_(server), pages_(pages) {}
  void GoTo(long page) override {
    server_.Call("GoTo " + std::to_string(page), "GoTo");
    page_ = page;
  }
  std::unique_ptr<PDPage> GetPage() override {
    server_.Call("GetPage", "GetPage");
    if (server_.onGetPage) server_.onGetPage(page_);
    return std::make_unique<FakePage>(server_, pages_.at(static_cast<size_t>(page_)));
  }

 private:
  FakePdfServer& server_;
  const std::vector<FakePdfServer::Page>& pages_;
  long page_ = 0;
};

class FakePDDoc : public PDDoc {
 public:
  FakePDDoc(FakePdfServer& server, long pages) : server_(server), pages_(pages) {}
  void Close() override { server_.Call("Close", "Close"); }
  long GetNumPages() override {
    server_.Call("GetNumPages", "GetNumPages");
    return pages_;
  }

 private:
  FakePdfServer& server_;
  long pages_;
};

class FakeAVDoc : public AVDoc {
 public:
  explicit FakeAVDoc(FakePdfServer& server) : server_(server) {}
  long Open(const std::string& path, const std::string& title) override {
    server_.Call("Open " + path + " '" + title + "'", "Open");
    const auto it = server_.documents.find(path);
    open_ = it == server_.documents.end() ? nullptr : &it->second;
    return open_ ? 1 : 0;
  }
  std::unique_ptr<PDDoc> GetPDDoc() override {
    server_.Call("GetPDDoc", "GetPDDoc");
    return std::make_unique<FakePDDoc>(server_, static_cast<long>(open_->size()));
  }
  std::unique_ptr<AVPageView> GetAVPageView() override {
    server_.Call("GetAVPageView", "GetAVPageView");
    return std::make_unique<FakePageView>(server_, *open_);
  }

 private:
  FakePdfServer& server_;
  const std::vector<FakePdfServer::Page>* open_ = nullptr;
};

class FakeApp : public PdfApp {
 public:
  explicit FakeApp(FakePdfServer& server) : server_(server) {}
  void Exit() override { server_.Call("Exit", "Exit"); }
  void CloseAllDocs() override { server_.Call("CloseAllDocs", "CloseAllDocs"); }

 private:
  FakePdfServer& server_;
};

}  // namespace

void FakePdfServer::Call(const std::string& entry, const std::string& name) {
  log.push_back(entry);
  const auto it = failures.find(name);
  if (it != failures.end()) throw it->second;
}

void FakePdfServer::Register(ServerRegistry& registry) {
  registry.Register("AcroExch.App", [this]() -> std::unique_ptr<AutomationObject> {
    log.push_back("create App");
    if (!appAvailable) return nullptr;
    return std::make_unique<FakeApp>(*this);
  });
  registry.Register("AcroExch.AVDoc", [this]() -> std::unique_ptr<AutomationObject> {
    log.push_back("create AVDoc");
    if (!avDocAvailable) return nullptr;
    return std::make_unique<FakeAVDoc>(*this);
  });
  registry.Register("AcroExch.HiliteList", [this]() -> std::unique_ptr<AutomationObject> {
    log.push_back("create HiliteList");
    if (!hiliteListAvailable) return nullptr;
    return std::make_unique<FakeHiliteList>(*this);
  });
}

}  // namespace tw::test
