#pragma once
#include "extensions/clipcmd/ClipboardFile.h"

namespace pipit::ext::win32 {

// Whole files up to a size that still fits the clipboard comfortably; a
// larger one is refused rather than risking the memory of the session.
class Win32FileReader final : public FileReader {
 public:
  static constexpr long long kLargestFile = 256LL * 1024 * 1024;
  FileBytes readAll(const Text& path) override;
};

}  // namespace pipit::ext::win32
