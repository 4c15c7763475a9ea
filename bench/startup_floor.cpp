// The least any Qt Widgets program pays to show Orvanel's controls: a
// frameless 300 x 200 window with the same label and two push buttons.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(300, 200);
  QLabel label(QStringLiteral("v1.50 (08-Oct-03)"), &window);
  label.move(108, 164);
  QPushButton generate(QStringLiteral("&Generate a random bank"), &window);
  generate.setGeometry(28, 123, 145, 25);
  QPushButton quit(QStringLiteral("&Quit"), &window);
  quit.setGeometry(198, 123, 75, 25);
  QObject::connect(&quit, &QPushButton::clicked, &window, &QWidget::close);
  window.show();
  return QApplication::exec();
}
