#include <gtest/gtest.h>

#include "automation/AutomationError.h"
#include "automation/ServerRegistry.h"

namespace tw {
namespace {

class FakeApplication : public AutomationObject {
 public:
  int calls = 0;
};
class OtherObject : public AutomationObject {};

TEST(ServerRegistry, CreatesRegisteredServersByIdentifier) {
  ServerRegistry registry;
  registry.Register("Fake.Application", [] { return std::make_unique<FakeApplication>(); });
  EXPECT_NE(registry.Create<FakeApplication>("Fake.Application"), nullptr);
  EXPECT_EQ(registry.Create<FakeApplication>("Missing.Application"), nullptr);
  EXPECT_EQ(registry.Create<OtherObject>("Fake.Application"), nullptr);  // wrong interface
  registry.Unregister("Fake.Application");
  EXPECT_EQ(registry.Create<FakeApplication>("Fake.Application"), nullptr);
}

TEST(ServerRegistry, AServerThatFailsToStartCannotBeCreated) {
  ServerRegistry registry;
  registry.Register("Broken.Application",
                    []() -> std::unique_ptr<AutomationObject> { throw std::runtime_error("no"); });
  EXPECT_EQ(registry.Create<FakeApplication>("Broken.Application"), nullptr);
}

TEST(AutomationError, FormatsSourceAndDescription) {
  EXPECT_EQ(FormatAutomationError(AutomationError("Word", "damaged file")), "Word - damaged file");
  EXPECT_EQ(FormatAutomationError(AutomationError("", "damaged file")), "damaged file");
  EXPECT_EQ(FormatAutomationError(AutomationError("Word", "")), "Word - unknown error");
  EXPECT_EQ(FormatAutomationError(AutomationError("", "")), "unknown error");
}

}  // namespace
}  // namespace tw
