#include "app/Application.h"

int main(int argc, char** argv) {
  tw::Application app(argc, argv);
  return app.Run();
}
