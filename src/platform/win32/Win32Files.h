#pragma once
#include <windows.h>

#include <optional>

#include "platform/Files.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

// How every program opens a file to read it: shared with writers and with
// renames, since the launcher replaces its settings file while the companion
// programs may be reading it. A failed open leaves its reason in `error`.
FileHandle openForReading(const Text& path, DWORD& error);
// The rest of an open file, or nothing when a read fails or the file is
// larger than `limit` bytes; `error` then holds the reason.
std::optional<std::string> readRest(HANDLE file, unsigned long long limit, DWORD& error);

class Win32Files final : public Files {
 public:
  Win32Files();
  Text programFolder() const override { return folder_; }
  Text programName() const override { return name_; }
  Outcome<std::string> readAll(const Text& path) const override;
  Outcome<std::unique_ptr<const MappedFile>> map(const Text& path) const override;
  Status append(const Text& path, std::string_view bytes) override;
  Status replace(const Text& path, std::string_view bytes) override;
  Status rename(const Text& from, const Text& to) override;

 private:
  Text folder_;
  Text name_;
};

}  // namespace pipit::win32
