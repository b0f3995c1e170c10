#pragma once
// The input box's drop-down list: the command words that match what the user
// typed, then the installed programs that match, each group best match
// first and, among matches as good, those started most first. The row the
// user chose last for the same text comes first in its group. The list is
// refilled only when its rows change.
#include <cstddef>
#include <optional>
#include <vector>

#include "core/Configuration.h"
#include "finding/Calculator.h"
#include "finding/ListRows.h"
#include "finding/NameFinder.h"
#include "finding/RowActions.h"
#include "finding/SystemRows.h"
#include "finding/UsageScores.h"
#include "platform/InstalledPrograms.h"
#include "ui/InputBoxView.h"

namespace pipit {

class WordList {
 public:
  // More would not be read: past this many the user types on.
  static constexpr std::size_t kProgramRows = 50;
  // What a program's row says it is, and the calculator's.
  static constexpr TextView kProgramKind = u"プログラム";
  static constexpr TextView kCalculationKind = u"計算";
  static constexpr TextView kSystemKind = u"システム";

  WordList(InputBoxView& box, UsageScores& usage) : box_(box), usage_(usage) {}

  // The words of the command table, offered whole with the list closed.
  void setCommands(const Configuration& configuration);
  // The installed programs, whenever the index has them anew, with the
  // readings of their names (one each, or none at all). They are offered
  // only for typed text: the whole list stays the command table's. What the
  // user typed last is listed again, the list open as it was.
  void setPrograms(std::vector<InstalledProgram> programs, std::vector<Reading> readings = {});
  // Once a reading table is open: the command words are found by the
  // readings of their kanji too.
  void setReadings(NameReadings readings);
  // Puts text in the input box and every word in its list, closed: the box
  // is changed by the launcher, not typed in, and the list narrows only on
  // what the user types.
  void putInput(const Text& text, bool selectAll);
  // The user changed the box: the list narrows to the rows that match and
  // opens while one does.
  void onEdited();

  // The row the box's text came from (chosen with Down, Up or a click, or
  // typed letter for letter): what Enter starts and counts. None for other
  // text, which is typed text.
  std::optional<UsageKey> chosen() const;
  // The same row, with what its actions need. The calculator's answer is
  // such a row too: its name is what the list shows ("= 1,024"), its target
  // the digits (empty when it has no value).
  std::optional<ChosenRow> chosenRow() const;
  // The calculator's answer to text that starts with "=", as that row.
  std::optional<ChosenRow> calculationFor(const Text& typed) const;
  // The system's command of the row chosen, if that is what it is.
  const SystemRow* chosenSystemRow() const;
  // Whether the text is a word of the command table.
  bool isCommandWord(const Text& text) const;
  // How the user's locale groups digits, for the calculator's answers.
  void setDigitGrouping(DigitGrouping grouping) { grouping_ = std::move(grouping); }
  // Reads the usage file again: at start, before anything is counted.
  void loadUsage();
  // Counts a start of a row and keeps it in the usage file, with the text
  // the list was narrowed for, so the row comes first for it next time.
  Status countStart(const UsageKey& key);

 private:
  struct Command {
    Text word;
    Text path;
  };
  void findCommands();
  void listFor(const Text& typed, bool open);
  std::vector<RowMatch> matching(NameFinder& finder, ListKind kind, const Text& typed);
  UsageKey keyOf(ListKind kind, std::size_t index) const;
  ListRowLook lookOf(const ListRow& row) const;
  void markUsed();

  InputBoxView& box_;
  UsageScores& usage_;
  NameReadings readings_;
  std::vector<Command> commands_;
  NameFinder finder_;         // over the command words
  NameFinder programFinder_;  // over the programs' names
  NameFinder systemFinder_;   // over the system's commands
  std::vector<InstalledProgram> programs_;
  // Which words and programs have ever been started: only their scores are
  // looked up at a keystroke. Made again when the names or the counts change.
  std::vector<char> commandUsed_, programUsed_;
  bool usedValid_ = false;
  // What the drop-down list holds now. The rows refer to the finders' names:
  // whatever gives the finders new names makes the rows again at once.
  std::vector<ListRow> rows_;
  bool rowsValid_ = false;
  Text typed_;  // what the rows were found for
  DigitGrouping grouping_;
  ChosenRow calculation_;  // the calculator's row for typed_, when it has one
  bool open_ = false;
};

}  // namespace pipit
