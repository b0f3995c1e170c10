#pragma once
// The input box's drop-down list: the command words that match what the user
// typed, then the installed programs that match, those started most first.
// The list is refilled only when its rows change.
#include <cstddef>
#include <optional>
#include <vector>

#include "core/Configuration.h"
#include "finding/ListRows.h"
#include "finding/NameFinder.h"
#include "finding/UsageScores.h"
#include "platform/InstalledPrograms.h"
#include "ui/InputBoxView.h"

namespace pipit {

class WordList {
 public:
  // More would not be read: past this many the user types on.
  static constexpr std::size_t kProgramRows = 50;

  WordList(InputBoxView& box, UsageScores& usage) : box_(box), usage_(usage) {}

  // The words of the command table, offered whole with the list closed.
  void setCommands(const Configuration& configuration);
  // The installed programs, whenever the index has them anew. They are
  // offered only for typed text: the whole list stays the command table's.
  // What the user typed last is listed again, the list open as it was.
  void setPrograms(std::vector<InstalledProgram> programs);
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
  // Reads the usage file again: at start, before anything is counted.
  void loadUsage() { usage_.load(); }
  // Counts a start of a row and keeps it in the usage file.
  Status countStart(const UsageKey& key) { return usage_.countStart(key); }

 private:
  void listFor(const Text& typed, bool open);
  std::vector<ProgramMatch> matchingPrograms(const Text& typed) const;

  InputBoxView& box_;
  UsageScores& usage_;
  NameFinder finder_;
  NameFinder programFinder_;  // over the programs' names
  std::vector<InstalledProgram> programs_;
  std::vector<ListRow> rows_;  // what the drop-down list holds now
  bool rowsValid_ = false;
  Text typed_;  // what the rows were found for
  bool open_ = false;
};

}  // namespace pipit
