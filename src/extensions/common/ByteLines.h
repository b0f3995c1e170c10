#pragma once
// Reading a text file line by line without holding all of it: the launcher's
// settings file may be anything a user put there, even a huge binary file.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "base/SettingsText.h"
#include "base/Text.h"

namespace pipit::ext {

// An open file read from the start in pieces.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to `size` bytes; 0 at the end of the file, nothing on failure.
  virtual std::optional<std::size_t> read(char* buffer, std::size_t size) = 0;
};

// Opens files for reading; nothing when the file cannot be opened.
class FileOpener {
 public:
  virtual ~FileOpener() = default;
  virtual std::unique_ptr<ByteSource> openForReading(const Text& path) = 0;
};

// Splits the bytes into lines by the settings files' rule: CR LF or a lone CR
// ends a line, a lone LF stays in it, unless the file has no CR at all, when
// each LF ends a line. The form of the file (its encoding, a byte order mark,
// its line ends) is judged on the first piece read: exactly for any settings
// file a launcher writes, and well enough for a huge one.
class ByteLines {
 public:
  enum class Result { Line, End, Failed };

  // A line longer than `maxLine` bytes keeps only its first `maxLine` bytes,
  // so that memory stays bounded whatever the file holds.
  explicit ByteLines(ByteSource& source, std::size_t maxLine = std::size_t{64} * 1024)
      : source_(source), maxLine_(maxLine) {}

  Result next(std::string& line);
  // Known once the first line has been asked for.
  const SettingsForm& form() const { return form_; }

 private:
  bool refill();

  ByteSource& source_;
  std::size_t maxLine_;
  std::string buffer_;
  std::size_t position_ = 0;
  SettingsForm form_;
  bool started_ = false;
  bool skipLf_ = false;  // the previous piece ended in CR
  bool end_ = false;
  bool failed_ = false;
};

}  // namespace pipit::ext
