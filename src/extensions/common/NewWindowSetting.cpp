#include "extensions/common/NewWindowSetting.h"

#include "base/Path.h"

namespace pipit::ext {
namespace {

constexpr TextView kExtensionFolder = u"extention\\";
constexpr TextView kKey = u"PREF/NEWIE\t";

char16_t lowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool equalsIgnoringAsciiCase(TextView a, TextView b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<Text> launcherSettingsPath(TextView programFolder) {
  const Text folder = appendPathSeparator(programFolder);
  if (folder.size() <= kExtensionFolder.size()) return std::nullopt;
  const std::size_t cut = folder.size() - kExtensionFolder.size();
  // Cutting ten characters off any other folder would name some unrelated
  // "...config.txt" and let it decide how pages open. Windows folder names
  // ignore case, so "Extention\" is the same folder.
  const TextView last = TextView(folder).substr(cut);
  if (!equalsIgnoringAsciiCase(last, kExtensionFolder)) return std::nullopt;
  if (folder[cut - 1] != u'\\' && folder[cut - 1] != u'/') return std::nullopt;
  return folder.substr(0, cut) + u"config.txt";
}

bool readNewIESetting(ByteSource& file, const CodePage& codePage) {
  ByteLines lines(file);
  std::string line;
  while (lines.next(line) == ByteLines::Result::Line) {
    // Searched in the decoded text: a trail byte of a double-byte character
    // can look like an ASCII letter.
    const Text text = decodeSettings(line, lines.form().encoding, codePage);
    if (text.find(kKey) == Text::npos) continue;
    // Only "1" asks for a new window. The launcher itself takes anything
    // but "0" as on, and writes it back as "1" at its next save.
    return trimBlanks(splitTabs(text)[1]) == u"1";
  }
  return false;
}

bool loadNewIESetting(TextView programFolder, FileOpener& files, const CodePage& codePage) {
  const auto path = launcherSettingsPath(programFolder);
  if (!path) return false;
  const auto file = files.openForReading(*path);
  return file && readNewIESetting(*file, codePage);
}

}  // namespace pipit::ext
