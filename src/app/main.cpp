#include "app/CTallywrightApp.h"

int main(int argc, char** argv) {
  tw::CTallywrightApp app(argc, argv);
  return app.Run();
}
