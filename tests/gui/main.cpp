// Widget tests run offscreen inside one QApplication, on a screen of a small
// laptop (1366 x 768), the smallest the windows must fit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

int main(int argc, char** argv) {
  QTemporaryFile schirm;
  if (!schirm.open()) return 1;
  schirm.write(R"({"screens": [{"name": "Laptop", "x": 0, "y": 0, "width": 1366, "height": 768,)"
               R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  schirm.flush();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schirm.fileName().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
