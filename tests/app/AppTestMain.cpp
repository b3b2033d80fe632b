#include <gtest/gtest.h>

#include <QApplication>

// The window tests need one application object for the whole program. They draw offscreen,
// also when the test list is read at build time without the test environment.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallywright"));
  return RUN_ALL_TESTS();
}
