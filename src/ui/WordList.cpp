#include "ui/WordList.h"

#include <utility>

#include "ui/CommandMenu.h"

namespace pipit {

void WordList::setCommands(const Configuration& configuration) {
  finder_.setWords(commandWords(configuration.commands()));
  rowsValid_ = false;
  listFor(Text(), false);
}

void WordList::setPrograms(std::vector<InstalledProgram> programs) {
  std::vector<Text> names;
  names.reserve(programs.size());
  for (const InstalledProgram& program : programs) names.push_back(program.name);
  programFinder_.setWords(std::move(names));
  programs_ = std::move(programs);
  rowsValid_ = false;
  listFor(Text(typed_), open_);
}

void WordList::putInput(const Text& text, bool selectAll) {
  box_.setInputText(text, selectAll);
  // After an error the box holds "?" and her words: the list still offers
  // every command.
  listFor(Text(), false);
}

void WordList::onEdited() { listFor(box_.inputText(), true); }

std::optional<UsageKey> WordList::chosen() const {
  const ListRow* row = rowShown(rows_, box_.selectedListRow(), box_.inputText());
  if (!row) return std::nullopt;
  if (row->kind == ListKind::CommandWord) {
    return UsageKey{ListKind::CommandWord, finder_.words()[row->index], Text()};
  }
  const InstalledProgram& program = programs_[row->index];
  return UsageKey{ListKind::Program, program.name, program.target};
}

std::vector<ProgramMatch> WordList::matchingPrograms(const Text& typed) const {
  std::vector<ProgramMatch> matches;
  if (typed.empty()) return matches;
  const int64_t now = usage_.now();
  for (const std::size_t i : programFinder_.find(typed)) {
    const InstalledProgram& program = programs_[i];
    matches.push_back(
        {i, program.name, usage_.scoreAt({ListKind::Program, program.name, program.target}, now)});
  }
  return matches;
}

void WordList::listFor(const Text& typed, bool open) {
  typed_ = typed;
  open_ = open;
  std::vector<ListRow> rows =
      listRows(finder_.words(), finder_.find(typed), matchingPrograms(typed), kProgramRows);
  // Refilling a long list is the costly part; most keystrokes keep it.
  if (!rowsValid_ || rows != rows_) {
    std::vector<Text> texts;
    texts.reserve(rows.size());
    for (const ListRow& row : rows) texts.push_back(row.text);
    box_.setCommandWords(std::move(texts));
    rows_ = std::move(rows);
    rowsValid_ = true;
  }
  box_.showCommandList(open && !typed.empty() && !rows_.empty());
}

}  // namespace pipit
