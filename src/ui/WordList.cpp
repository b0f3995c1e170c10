#include "ui/WordList.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "finding/FileNames.h"
#include "finding/TextFolding.h"

namespace pipit {

void WordList::setCommands(const Configuration& configuration) {
  commands_.clear();
  for (const auto& row : configuration.commands()) {
    if (row->getCommand() == CommandInfo::kSeparator) continue;
    commands_.push_back({row->getCommand(), row->getExecutionPath()});
  }
  findCommands();
  listFor(Text(), false);
}

void WordList::findCommands() {
  std::vector<FindableName> names;
  names.reserve(commands_.size());
  for (const Command& command : commands_) {
    FindableName name{command.word, {}, {}};
    // Only a file name that is not the word again ("notepad" for notepad).
    if (Text stem = fileStem(command.path);
        !stem.empty() && foldForFinding(stem) != foldForFinding(command.word)) {
      name.fileNames.push_back(std::move(stem));
    }
    if (readings_) name.reading = readings_(foldForFinding(command.word));
    names.push_back(std::move(name));
  }
  finder_.setNames(std::move(names));
  usedValid_ = false;
  rowsValid_ = false;
}

void WordList::setReadings(NameReadings readings) {
  readings_ = std::move(readings);
  systemFinder_.setNames(systemFindableNames(readings_));
  findCommands();
  listFor(Text(typed_), open_);
}

void WordList::setPrograms(std::vector<InstalledProgram> programs, std::vector<Reading> readings) {
  std::vector<FindableName> names;
  names.reserve(programs.size());
  for (std::size_t i = 0; i < programs.size(); ++i) {
    Reading reading = i < readings.size() ? std::move(readings[i]) : Reading();
    names.push_back({programs[i].name, programFileNames(programs[i]), std::move(reading)});
  }
  programFinder_.setNames(std::move(names));
  programs_ = std::move(programs);
  usedValid_ = false;
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

void WordList::loadUsage() {
  usage_.load();
  usedValid_ = false;
}

Status WordList::countStart(const UsageKey& key) {
  usedValid_ = false;
  return usage_.countStart(key, foldForFinding(typed_));
}

UsageKey WordList::keyOf(ListKind kind, std::size_t index) const {
  if (kind == ListKind::CommandWord) return {kind, finder_.names()[index], Text()};
  const InstalledProgram& program = programs_[index];
  return {kind, program.name, program.target};
}

std::optional<UsageKey> WordList::chosen() const {
  const ListRow* row = rowShown(rows_, box_.selectedListRow(), box_.inputText());
  if (!row || row->kind == ListKind::Calculation || row->kind == ListKind::System) {
    return std::nullopt;
  }
  return keyOf(row->kind, row->index);
}

std::optional<ChosenRow> WordList::chosenRow() const {
  const ListRow* row = rowShown(rows_, box_.selectedListRow(), box_.inputText());
  if (!row) return std::nullopt;
  if (row->kind == ListKind::Calculation) return calculation_;
  if (row->kind == ListKind::System) return ChosenRow{row->kind, Text(row->name), Text()};
  if (row->kind == ListKind::CommandWord) {
    const Command& command = commands_[row->index];
    return ChosenRow{row->kind, command.word, command.path, Text()};
  }
  const InstalledProgram& program = programs_[row->index];
  return ChosenRow{row->kind, program.name, program.target, program.file};
}

void WordList::markUsed() {
  if (usedValid_) return;
  std::unordered_set<Text> words, programs;
  for (const UsageKey& key : usage_.keys()) {
    (key.kind == ListKind::CommandWord ? words : programs).insert(key.name);
  }
  commandUsed_.assign(finder_.names().size(), 0);
  for (std::size_t i = 0; i < commandUsed_.size() && !words.empty(); ++i) {
    commandUsed_[i] = words.count(finder_.names()[i]) != 0;
  }
  programUsed_.assign(programs_.size(), 0);
  for (std::size_t i = 0; i < programUsed_.size() && !programs.empty(); ++i) {
    programUsed_[i] = programs.count(programs_[i].name) != 0;
  }
  usedValid_ = true;
}

std::vector<RowMatch> WordList::matching(NameFinder& finder, ListKind kind, const Text& typed) {
  std::vector<RowMatch> matches;
  const std::vector<Found> found = finder.find(typed);
  matches.reserve(found.size());
  if (typed.empty()) {
    // The whole table, as it stands.
    for (const Found& f : found) matches.push_back({f.index, f.quality, 0});
    return matches;
  }
  markUsed();
  const std::vector<char>& used = kind == ListKind::CommandWord ? commandUsed_ : programUsed_;
  const int64_t now = usage_.now();
  for (const Found& f : found) {
    const double score = used[f.index] ? usage_.scoreAt(keyOf(kind, f.index), now) : 0;
    matches.push_back({f.index, f.quality, score});
  }
  std::optional<std::size_t> chosenBefore;
  if (const UsageKey* row = usage_.chosenFor(foldForFinding(typed)); row && row->kind == kind) {
    for (const RowMatch& match : matches) {
      const bool same = kind == ListKind::CommandWord
                            ? finder_.names()[match.index] == row->name
                            : programs_[match.index].name == row->name &&
                                  programs_[match.index].target == row->target;
      if (same) {
        chosenBefore = match.index;
        break;
      }
    }
  }
  orderMatches(matches, chosenBefore);
  return matches;
}

std::optional<ChosenRow> WordList::calculationFor(const Text& typed) const {
  if (!isCalculation(typed)) return std::nullopt;
  const Calculation result = calculate(TextView(typed).substr(1));
  ChosenRow row{ListKind::Calculation, u"= ", Text()};
  switch (result.outcome) {
    case Calculation::Outcome::value:
      row.name += resultText(result.value, grouping_);
      row.target = resultText(result.value, grouping_, false);
      break;
    case Calculation::Outcome::divisionByZero:
      row.name += u"0 では割れません";
      break;
    case Calculation::Outcome::overflow:
      row.name += u"答えが大きすぎるか、数になりません";
      break;
    case Calculation::Outcome::unreadable:
      row.name += u"式として読めません";
      break;
  }
  return row;
}

const SystemRow* WordList::chosenSystemRow() const {
  const ListRow* row = rowShown(rows_, box_.selectedListRow(), box_.inputText());
  if (!row || row->kind != ListKind::System) return nullptr;
  return &systemRows()[row->index];
}

bool WordList::isCommandWord(const Text& text) const {
  return std::any_of(commands_.begin(), commands_.end(),
                     [&](const Command& command) { return command.word == text; });
}

ListRowLook WordList::lookOf(const ListRow& row) const {
  if (row.kind == ListKind::Calculation) {
    return {calculation_.name, Text(kCalculationKind), Text(), Text()};
  }
  if (row.kind == ListKind::System) return {Text(row.name), Text(kSystemKind), Text(), Text()};
  if (row.kind == ListKind::CommandWord) {
    return {Text(row.name), Text(), Text(), commands_[row.index].path};
  }
  const InstalledProgram& program = programs_[row.index];
  return {program.name, Text(kProgramKind), row.sameName ? programPlace(program) : Text(),
          program.target};
}

void WordList::listFor(const Text& typed, bool open) {
  typed_ = typed;
  open_ = open;
  std::vector<RowMatch> words = matching(finder_, ListKind::CommandWord, typed);
  std::vector<RowMatch> programs;
  if (!typed.empty()) programs = matching(programFinder_, ListKind::Program, typed);
  std::vector<ListRow> rows =
      listRows(finder_.names(), words, programFinder_.names(), programs, kProgramRows);
  // The system's commands after the programs, for typed text only.
  if (!typed.empty()) {
    if (systemFinder_.names().empty()) systemFinder_.setNames(systemFindableNames(readings_));
    for (const Found& f : systemFinder_.find(typed)) {
      rows.push_back({ListKind::System, f.index, systemFinder_.names()[f.index]});
    }
  }
  // The calculator's answer leads for "=" text, and for bare arithmetic
  // where nothing else matched.
  std::optional<ChosenRow> calculation = calculationFor(typed);
  if (!calculation && rows.empty() && looksLikeArithmetic(typed)) {
    calculation = calculationFor(u"=" + typed);
  }
  // The rows refer to the answer's text: a new answer makes them anew.
  const ChosenRow answer = calculation.value_or(ChosenRow{});
  if (answer.kind != calculation_.kind || answer.name != calculation_.name ||
      answer.target != calculation_.target) {
    calculation_ = answer;
    rowsValid_ = false;
  }
  if (calculation) rows.insert(rows.begin(), ListRow{ListKind::Calculation, 0, calculation_.name});
  // Refilling a long list is the costly part; most keystrokes keep it.
  if (!rowsValid_ || rows != rows_) {
    std::vector<ListRowLook> looks;
    looks.reserve(rows.size());
    for (const ListRow& row : rows) looks.push_back(lookOf(row));
    box_.setListRows(std::move(looks));
    rows_ = std::move(rows);
    rowsValid_ = true;
  }
  box_.showCommandList(open && !typed.empty() && !rows_.empty());
}

}  // namespace pipit
