#pragma once
// The file system as the programs use it: their own folder, and whole-file
// reads, maps, appends and replacements of bytes (text is converted by the
// caller with its CodePage).
#include <memory>
#include <string>
#include <string_view>

#include "base/Failure.h"
#include "base/Text.h"
#include "platform/MappedFile.h"

namespace pipit {

class Files {
 public:
  virtual ~Files() = default;

  // The folder of the running program, without a trailing "\" unless it is
  // a drive root ("C:\").
  virtual Text programFolder() const = 0;
  // The running program's file name without its extension ("pipitlauncher").
  virtual Text programName() const = 0;

  virtual Outcome<std::string> readAll(const Text& path) const = 0;
  // The file's bytes read in place, for large files read often and never
  // written: mapped pages are the file's, not the program's private memory.
  // Ports that do not map read the file whole.
  virtual Outcome<std::unique_ptr<const MappedFile>> map(const Text& path) const {
    Outcome<std::string> bytes = readAll(path);
    if (!bytes) return bytes.failure();
    return std::unique_ptr<const MappedFile>(
        std::make_unique<FileInMemory>(std::move(bytes.value())));
  }
  // Appends to the file, creating it when missing.
  virtual Status append(const Text& path, std::string_view bytes) = 0;
  // Replaces the whole file in one step: a reader sees the old content or the
  // new one, never a part; on failure the old file stays as it was.
  virtual Status replace(const Text& path, std::string_view bytes) = 0;
  // Gives the file a new name, which must not be taken: nothing is ever
  // replaced. Ports of programs that never set a file aside refuse.
  virtual Status rename(const Text& from, const Text& to) {
    (void)from;
    (void)to;
    return Failure::fileAccess();
  }
};

}  // namespace pipit
