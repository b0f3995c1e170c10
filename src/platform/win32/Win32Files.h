#pragma once
#include "platform/Files.h"

namespace pipit::win32 {

class Win32Files final : public Files {
 public:
  Win32Files();
  Text programFolder() const override { return folder_; }
  Text programName() const override { return name_; }
  Outcome<std::string> readAll(const Text& path) const override;
  Status append(const Text& path, std::string_view bytes) override;
  Status replace(const Text& path, std::string_view bytes) override;

 private:
  Text folder_;
  Text name_;
};

}  // namespace pipit::win32
