// The application object: the message loop, and the default display of an
// error that escapes an event handler.
#pragma once

#include <exception>

#include <QApplication>
#include <QWidget>

namespace orvanel {

class TApplication : public QApplication {
 public:
  // Qt sees the program's name alone: the program reads no command line, so
  // none of Qt's own options (-style, -reverse, ...) takes effect either.
  explicit TApplication(char* program_name);

  // Shows the main window as the active window, its focus on the control
  // that holds it, then handles events until the window closes.
  static int Run(QWidget& main_form);
  // Run's first step: shows and activates the main window.
  static void ShowMainForm(QWidget& main_form);

  // Shows the error in a modal box and lets the program carry on.
  static void HandleException(const std::exception& error);

  bool notify(QObject* receiver, QEvent* event) override;
};

// Binds `handler` to `signal`: the handler runs with the sender, and an error
// escaping it goes to the default display, never back into Qt.
template <typename Sender, typename Signal, typename Form>
void BindHandler(Sender* sender, Signal signal, Form* form, void (Form::*handler)(QObject*)) {
  QObject::connect(sender, signal, form, [sender, form, handler] {
    try {
      (form->*handler)(sender);
    } catch (const std::exception& error) {
      TApplication::HandleException(error);
    }
  });
}

}  // namespace orvanel
