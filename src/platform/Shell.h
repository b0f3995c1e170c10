#pragma once
#include <cstdint>
#include <optional>

#include "base/Text.h"
#include "platform/ShortcutTarget.h"

namespace pipit {

// The desktop shell's open call: programs, documents, folders and addresses
// open as on a double click. Its limits, and the second road for addresses
// too long for it, are in platform/ShellRoutes.h.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `file` with its default verb, handing over the parameters and the
  // working directory ("" = none). Returns the shell's number: above 32 means
  // started, 32 or less is its error code.
  virtual int64_t open(const Text& file, const Text& parameters, const Text& directory) = 0;
  // The command line registered to open addresses of `scheme` ("https"),
  // with its %1-style placeholders; empty when none is registered or the
  // scheme is opened some other way than by a command.
  virtual Text schemeCommand(const Text& scheme) = 0;
  // Starts a command line as it stands, without waiting. False when the
  // system would not start it.
  virtual bool startCommandLine(const Text& commandLine) = 0;
  // Explorer on the folder that holds `path`, with `path` selected in it.
  // The shell's number, as open() gives it.
  virtual int64_t showInFolder(const Text& path) = 0;
  // Starts `file` as administrator, through the shell's "runas": the system
  // asks the user first. The shell's number, as open() gives it.
  virtual int64_t runAsAdministrator(const Text& file) = 0;
  // The file-system target a shortcut file names, with its arguments and
  // working folder, variables expanded; nothing when the file is no
  // shortcut or names no path. The road for a shortcut open() refuses
  // though its target would start. A shell that cannot read shortcuts
  // keeps this answer.
  virtual std::optional<ShortcutTarget> shortcutTarget(const Text& /*shortcut*/) {
    return std::nullopt;
  }
};

}  // namespace pipit
