#pragma once
// The bytes of a file, read in place: a mapped view where the system maps
// files, the whole file read into memory where it does not. The bytes stay
// readable for the object's life.
#include <string>
#include <string_view>
#include <utility>

namespace pipit {

class MappedFile {
 public:
  MappedFile() = default;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  virtual ~MappedFile() = default;

  virtual std::string_view bytes() const = 0;
};

// A file read whole: the fallback of ports that do not map, and tests.
class FileInMemory final : public MappedFile {
 public:
  explicit FileInMemory(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string_view bytes() const override { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace pipit
