// The Generate command: from one press of Generate to a bank file on disk.
#pragma once

#include <functional>
#include <string_view>

#include "bank/bank.h"
#include "runtime/save_file_prompt.h"

namespace orvanel {

inline constexpr std::string_view BankSavedMessage = "Bank has been generated and saved!";

// Fills patches 1 to 64 in order: 20,608 draws.
void GenerateBank(Bank& bank);

// Reseeds, asks for the path, fills `bank`, writes it and confirms. A cancel
// ends silently with `bank` untouched; a write error (EInOutError) leaves the
// command before the confirmation, for the caller's error display.
void GenerateCommand(Bank& bank, SaveFilePrompt& save_dialog,
                     const std::function<void(std::string_view)>& show_information);

}  // namespace orvanel
