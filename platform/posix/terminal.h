// The command line's own terminal: questions and the progress line are for a
// person, and only shown when one is there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/posix/interrupt_guard.h"

namespace orvanel {

bool StdinIsTerminal();
bool StderrIsTerminal();

// Puts `question` on standard error and reads one line from standard input,
// without its end of line; nothing at the end of the input or on Ctrl-C.
std::optional<std::string> Ask(std::string_view question, InterruptGuard& guard);

}  // namespace orvanel
