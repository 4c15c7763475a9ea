// The main window: the background picture, the version label, the home-page
// link and the Generate and Quit buttons.
#pragma once

#include "forms/controls.h"
#include "forms/dialogs.h"
#include "forms/form.h"

namespace orvanel {

class TForm1 : public TForm {
 public:
  TForm1();
  ~TForm1() override;

  TButton* Button1 = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;
  TButton* Button2 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  TImage* Image2 = nullptr;

  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Image2Click(TObject* Sender);
};

// The one main window, from its creation to the end of the program.
extern TForm1* Form1;

}  // namespace orvanel
