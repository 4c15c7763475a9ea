#include "ui/rand1.h"

#include "bank/generate_command.h"
#include "bank/home_page.h"
#include "bank/version.h"
#include "forms/shell.h"

namespace orvanel {

TForm1* Form1 = nullptr;

namespace {

// The one bank of the run; every Generate that gets past the dialog refills it.
Bank bank;

// The form's description: the window, then its controls in creation order,
// each above the one before, and the save dialog's settings.
constexpr TFormDescription Form1Layout{
    .Caption = "Orvanel", .ClientWidth = 300, .ClientHeight = 200, .Font = {.Name = "MS Sans Serif", .Height = 11}};
constexpr TControlDescription Image1Layout{.Bounds = {0, 0, 300, 200}, .Picture = "background"};
constexpr TControlDescription Label1Layout{.Bounds = {108, 164, 83, 13}, .Caption = VersionText};
constexpr TControlDescription Image2Layout{.Bounds = {64, 80, 169, 25}, .Cursor = TCursor::crHandPoint};
constexpr TControlDescription Button1Layout{.Bounds = {28, 123, 145, 25}, .Caption = "&Generate a random bank"};
constexpr TControlDescription Button2Layout{.Bounds = {198, 123, 75, 25}, .Caption = "&Quit"};
constexpr TSaveDialogDescription SaveDialog1Settings{.Title = "Save JD800 Sysex Bank ...",
                                                     .Filter = "JD800 Sysex File|*.syx",
                                                     .DefaultExt = ".syx",
                                                     .Options = ofOverwritePrompt | ofHideReadOnly | ofEnableSizing};

template <typename Handler>
TNotifyEvent Bind(TForm1* form, Handler handler) {
  return [form, handler](TObject* sender) { (form->*handler)(sender); };
}

}  // namespace

TForm1::TForm1() : TForm(Form1Layout) {
  Form1 = this;
  Image1 = new TImage(*this, Image1Layout);
  Label1 = new TLabel(*this, Label1Layout);
  Image2 = new TImage(*this, Image2Layout);
  Button1 = new TButton(*this, Button1Layout);
  Button2 = new TButton(*this, Button2Layout);
  SaveDialog1 = new TSaveDialog(*this, SaveDialog1Settings);
  Image2->OnClick = Bind(this, &TForm1::Image2Click);
  Button1->OnClick = Bind(this, &TForm1::Button1Click);
  Button2->OnClick = Bind(this, &TForm1::Button2Click);
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::Button1Click(TObject* /*Sender*/) {
  GenerateCommand(bank, *SaveDialog1,
                  [](std::string_view text) { MessageDlg(text, MsgDlgType::Information); });
}

void TForm1::Button2Click(TObject* /*Sender*/) { Close(); }

void TForm1::Image2Click(TObject* /*Sender*/) { ShellOpen(Form1->Handle(), HomePageAddress); }

}  // namespace orvanel
