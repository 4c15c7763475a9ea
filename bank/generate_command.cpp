#include "bank/generate_command.h"

#include "bank/patch_randomizer.h"
#include "bank/sysex_writer.h"
#include "runtime/random.h"

namespace orvanel {

void GenerateBank(Bank& bank) {
  for (std::size_t k = 1; k <= PatchCount; ++k) RandomPatch(PatchOf(bank, k));
}

void GenerateCommand(Bank& bank, SaveFilePrompt& save_dialog,
                     const std::function<void(std::string_view)>& show_information) {
  Randomize();
  if (!save_dialog.Execute()) return;
  // Drawn only now, so that the bank depends on the fresh seed alone.
  GenerateBank(bank);
  WriteBank(save_dialog.ChosenPath(), bank);
  show_information(BankSavedMessage);
}

}  // namespace orvanel
