// The application object: the message loop, the main form, and the default
// display of an error that escapes an event handler.
#pragma once

#include <exception>
#include <memory>
#include <string>

#include "forms/component.h"

namespace orvanel {

class TForm;

class TApplication : public TComponent {
 public:
  // Initialises the platform's windowing. It is told the program's own name
  // (argv[0]) and reads no command-line argument.
  explicit TApplication(char* program_name);
  ~TApplication() override;

  // Shows the main form and handles events until it closes; returns the exit
  // code, 0.
  int Run();

  // The first form created becomes the main form.
  TForm* MainForm() const { return main_form_; }
  void FormCreated(TForm& form);
  void FormDestroyed(TForm& form);

  // The program sets none: the executable's name without its folder and from
  // its first "." on, the first character kept and the rest in lower case.
  std::string Title() const;

  // Shows the error's text (with its full stop) in an error box captioned
  // with the title; the program then carries on.
  void HandleException(const std::exception& error);

  struct Peer;

 private:
  TForm* main_form_ = nullptr;
  std::unique_ptr<Peer> peer_;
};

// The one application object, from its creation to the end of the program.
extern TApplication* Application;

// Runs an event handler, if set; an error escaping it goes to the
// application's error display.
void RunEvent(const TNotifyEvent& event, TObject* sender);

}  // namespace orvanel
