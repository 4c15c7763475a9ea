// Orvanel: one window that writes banks of random JD-800 patches.
#include "forms/application.h"
#include "ui/rand1.h"

int main(int /*argc*/, char** argv) {
  orvanel::TApplication application(argv[0]);
  orvanel::TForm1 form;  // the first form: the main one
  return application.Run();
}
