// What a command needs of a save-file dialog, so that it can run without one.
#pragma once

#include <string>

namespace orvanel {

class SaveFilePrompt {
 public:
  virtual ~SaveFilePrompt() = default;
  // Shows the dialog, modal; true once the user has confirmed a path.
  virtual bool Execute() = 0;
  // The path last confirmed, in the file system's encoding.
  virtual std::string ChosenPath() const = 0;
};

}  // namespace orvanel
