#pragma once
// The input box's drop-down list: the command words that match what the user
// typed, refilled only when the matches change.
#include <cstddef>
#include <vector>

#include "core/Configuration.h"
#include "ui/CharacterWindowView.h"
#include "ui/CommandFinder.h"

namespace pipit {

class WordList {
 public:
  explicit WordList(CharacterWindowView& view) : view_(view) {}

  // The words of the command table, offered whole with the list closed.
  void setCommands(const Configuration& configuration);
  // Puts text in the input box and every word in its list, closed: the box
  // is changed by the launcher, not typed in, and the list narrows only on
  // what the user types.
  void putInput(const Text& text, bool selectAll);
  // The user changed the box: the list narrows to the words that match and
  // opens while one does.
  void onEdited();

 private:
  void listFor(const Text& typed, bool open);

  CharacterWindowView& view_;
  CommandFinder finder_;
  std::vector<std::size_t> listed_;  // what the drop-down list holds now
  bool listValid_ = false;
};

}  // namespace pipit
