#include "app/DesktopApplication.h"

int main(int argc, char** argv) {
  tw::DesktopApplication app(argc, argv);
  return app.Run();
}
