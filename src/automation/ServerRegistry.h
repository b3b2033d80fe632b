#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace tw {

// Base of every object an automation server hands out.
class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
};

// Creates automation servers by programmatic identifier ("Word.Application", ...). The program
// registers its own engines; tests register fakes under the same identifiers.
class ServerRegistry {
 public:
  using Factory = std::function<std::unique_ptr<AutomationObject>()>;

  void Register(const std::string& progId, Factory factory);
  void Unregister(const std::string& progId);

  // The new server, or null when none is registered, its factory fails, or it is not a T.
  template <class T>
  std::unique_ptr<T> Create(const std::string& progId) const {
    std::unique_ptr<AutomationObject> object = CreateObject(progId);
    if (auto* typed = dynamic_cast<T*>(object.get())) {
      object.release();
      return std::unique_ptr<T>(typed);
    }
    return nullptr;
  }

 private:
  std::unique_ptr<AutomationObject> CreateObject(const std::string& progId) const;

  std::map<std::string, Factory> factories_;
};

// Registers the program's own engines behind the Word, PowerPoint and PDF identifiers.
void RegisterStandardServers(ServerRegistry& registry);

}  // namespace tw
