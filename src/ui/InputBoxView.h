#pragma once
// Her input box and its drop-down list as the word list and the form see
// them. The Win32 box implements it; the unit tests watch a fake.
#include <cstddef>
#include <optional>
#include <vector>

#include "base/Text.h"

namespace pipit {

// A row of the drop-down list as it is drawn: its name, which choosing the
// row puts in the box; dimmed at the right, what it is and, for two rows of
// one name, where each lives; before the name, the icon of its target.
struct ListRowLook {
  Text name;
  Text kind;    // "プログラム" for a program, empty for a command word
  Text place;   // the folder or app a same-named program lives in
  Text target;  // what its icon is drawn from: a path, an address, a "$" keyword
  bool operator==(const ListRowLook&) const = default;
};

class InputBoxView {
 public:
  virtual ~InputBoxView() = default;

  virtual Text inputText() const = 0;
  virtual void setInputText(const Text& text, bool selectAll) = 0;
  // The rows of the drop-down list, replaced whole; the box keeps them
  // while it fills the list. The box's text, selection and caret stay as
  // they are.
  virtual void setListRows(std::vector<ListRowLook> rows) = 0;
  // Opens or closes the drop-down list; the text and caret stay here too.
  virtual void showCommandList(bool open) = 0;
  // The list's row the user moved to or clicked, if any.
  virtual std::optional<std::size_t> selectedListRow() const = 0;
  virtual void focusInput() = 0;
};

}  // namespace pipit
