#include "ui/CommandMenu.h"

namespace pipit {

std::vector<MenuItem> commandMenuItems(const CommandTable& commands) {
  std::vector<MenuItem> items;
  items.reserve(commands.size());
  for (const auto& row : commands) {
    const bool separator = row->getCommand() == CommandInfo::kSeparator;
    items.push_back({separator ? Text() : row->getCommand(), separator});
  }
  return items;
}

std::vector<Text> commandWords(const CommandTable& commands) {
  std::vector<Text> words;
  words.reserve(commands.size());
  for (const auto& row : commands) {
    if (row->getCommand() != CommandInfo::kSeparator) words.push_back(row->getCommand());
  }
  return words;
}

std::optional<Text> CommandMenu::showMenu(CharacterWindowView& view) const {
  if (items_.empty()) return std::nullopt;
  const auto chosen = view.popupMenu(items_);
  if (!chosen || *chosen >= items_.size() || items_[*chosen].separator) return std::nullopt;
  return items_[*chosen].caption;
}

}  // namespace pipit
