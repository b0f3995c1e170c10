#pragma once
// The command table as a popup menu on the character (right button).
#include <optional>
#include <vector>

#include "core/Configuration.h"
#include "core/LauncherParts.h"
#include "ui/CharacterWindowView.h"
#include "ui/MenuItem.h"

namespace pipit {

// One item per row in table order; separator rows become separator bars,
// every other word is shown as stored (an "&" marks the access key).
std::vector<MenuItem> commandMenuItems(const CommandTable& commands);

// Words for the input box's drop-down list: separators left out, duplicates
// kept, table order.
std::vector<Text> commandWords(const CommandTable& commands);

class CommandMenu final : public CommandMenuControl {
 public:
  explicit CommandMenu(const Configuration& configuration) : configuration_(configuration) {}

  // Rebuilds the items from the settings in force.
  void init() override { items_ = commandMenuItems(configuration_.commands()); }
  // Pops the menu up; the word of the chosen row. An empty table shows no
  // menu at all rather than an item that does nothing.
  std::optional<Text> showMenu(CharacterWindowView& view) const;
  const std::vector<MenuItem>& items() const { return items_; }

 private:
  const Configuration& configuration_;
  std::vector<MenuItem> items_;
};

}  // namespace pipit
