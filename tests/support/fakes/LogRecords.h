#pragma once
// Reads back what the launcher logged to "debug.txt" in a FakeFiles folder.
#include <vector>

#include "base/CodePage.h"
#include "base/Path.h"
#include "fakes/FakePorts.h"

namespace pipit::fakes {

// "label message" of every record; the date field is left out.
inline std::vector<Text> logRecords(const FakeFiles& files, const CodePage& codePage) {
  std::vector<Text> records;
  const auto it = files.content.find(appendPathSeparator(files.folder) + u"debug.txt");
  if (it == files.content.end()) return records;
  for (const Text& line : splitLines(codePage.decode(it->second))) {
    const auto date = line.find(u'\t');
    const auto label = date == Text::npos ? Text::npos : line.find(u'\t', date + 1);
    records.push_back(label == Text::npos ? line
                                          : line.substr(date + 1, label - date - 1) + u" " +
                                                line.substr(label + 1));
  }
  return records;
}

}  // namespace pipit::fakes
