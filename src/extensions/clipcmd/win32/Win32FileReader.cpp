#include "extensions/clipcmd/win32/Win32FileReader.h"

#include "platform/win32/Win32Files.h"

namespace pipit::ext::win32 {

FileBytes Win32FileReader::readAll(const Text& path) {
  DWORD error = ERROR_SUCCESS;
  const pipit::win32::FileHandle file = pipit::win32::openForReading(path, error);
  if (!file) {
    switch (error) {
      case ERROR_FILE_NOT_FOUND:
        return {ReadProblem::MissingFile, {}};
      case ERROR_PATH_NOT_FOUND:
        return {ReadProblem::MissingFolder, {}};
      default:
        // A folder named as the file lands here too: it cannot be opened.
        return {ReadProblem::Other, {}};
    }
  }
  auto bytes = pipit::win32::readRest(file.get(), kLargestFile, error);
  if (!bytes) return {ReadProblem::Other, {}};
  return {ReadProblem::None, std::move(*bytes)};
}

}  // namespace pipit::ext::win32
