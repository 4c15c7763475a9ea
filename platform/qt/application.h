// The application object: the message loop, and the default display of an
// error that escapes an event handler.
#pragma once

#include <exception>

#include <QApplication>

namespace orvanel {

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

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
