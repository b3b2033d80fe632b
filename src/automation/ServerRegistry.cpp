#include "automation/ServerRegistry.h"

namespace tw {

void ServerRegistry::Register(const std::string& progId, Factory factory) {
  factories_[progId] = std::move(factory);
}

void ServerRegistry::Unregister(const std::string& progId) {
  factories_.erase(progId);
}

std::unique_ptr<AutomationObject> ServerRegistry::CreateObject(const std::string& progId) const {
  const auto it = factories_.find(progId);
  if (it == factories_.end() || !it->second) return nullptr;
  try {
    return it->second();
  } catch (const std::exception&) {
    return nullptr;  // a server that fails to start is one that cannot be created
  }
}

}  // namespace tw
