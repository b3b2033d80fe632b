#include <gtest/gtest.h>

#include <QApplication>

// The window tests need one application object for the whole program.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallywright"));
  return RUN_ALL_TESTS();
}
