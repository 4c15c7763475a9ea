// The widget tests run inside one application object, on the offscreen
// platform unless a display is asked for.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "forms/application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  orvanel::TApplication application(argv[0]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
