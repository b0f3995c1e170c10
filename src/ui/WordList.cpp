#include "ui/WordList.h"

#include "ui/CommandMenu.h"

namespace pipit {

void WordList::setCommands(const Configuration& configuration) {
  finder_.setWords(commandWords(configuration.commands()));
  listValid_ = false;
  listFor(Text(), false);
}

void WordList::putInput(const Text& text, bool selectAll) {
  view_.setInputText(text, selectAll);
  // After an error the box holds "?" and her words: the list still offers
  // every command.
  listFor(Text(), false);
}

void WordList::onEdited() {
  const Text typed = view_.inputText();
  listFor(typed, true);
}

void WordList::listFor(const Text& typed, bool open) {
  std::vector<std::size_t> matches = finder_.find(typed);
  // Refilling a long list is the costly part; most keystrokes keep it.
  if (!listValid_ || matches != listed_) {
    std::vector<Text> words;
    words.reserve(matches.size());
    for (const std::size_t i : matches) words.push_back(finder_.words()[i]);
    view_.setCommandWords(words);
    listed_ = std::move(matches);
    listValid_ = true;
  }
  view_.showCommandList(open && !typed.empty() && !listed_.empty());
}

}  // namespace pipit
