#pragma once
#include "extensions/common/ByteLines.h"

namespace pipit::ext::win32 {

// Opens with every sharing mode, delete too: the launcher replaces its
// settings file by renaming a new one over it, and a companion program that
// happens to be reading it must never make that save fail.
class Win32FileOpener final : public FileOpener {
 public:
  std::unique_ptr<ByteSource> openForReading(const Text& path) override;
};

}  // namespace pipit::ext::win32
