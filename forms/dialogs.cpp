#include "forms/dialogs.h"

#include "forms/form.h"

namespace orvanel {

TSaveDialog::TSaveDialog(TForm& owner, const TSaveDialogDescription& description)
    : TComponent(&owner),
      Title(description.Title),
      Filter(description.Filter),
      DefaultExt(description.DefaultExt),
      Options(description.Options),
      form_(owner) {}

}  // namespace orvanel
