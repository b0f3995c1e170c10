// Text files as the companion programs read them: clipcmd's file for the
// clipboard, and the launcher's settings read line by line in pieces.
#include <algorithm>

#include "ExtensionFakes.h"
#include "FuzzSupport.h"
#include "base/SettingsText.h"
#include "extensions/clipcmd/ClipboardFile.h"
#include "extensions/common/ByteLines.h"
#include "extensions/common/NewWindowSetting.h"

using namespace pipit;
using namespace pipit::ext;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const CodePage cp = CodePage::named("CP932");
  if (size < 2) return 0;
  // Two bytes choose how the file arrives; the rest is the file.
  const std::size_t piece = 1 + data[0] % 16;
  const std::size_t maxLine = data[1] % 32;
  const std::string bytes(fuzz::bytesOf(data + 2, size - 2));

  ext::fakes::FakeFileReader reader;
  reader.files[u"C:\\Tools\\Pipit\\a.txt"] = FileBytes{ReadProblem::None, bytes};
  const auto loaded = loadClipboardText(u"\"a.txt\"", u"C:\\Tools\\Pipit\\extention", reader, cp);
  PIPIT_FUZZ_CHECK(std::holds_alternative<Text>(loaded), Text());
  const Text& text = std::get<Text>(loaded);
  // Every line, the last included, ends with CR LF and no CR stands alone.
  PIPIT_FUZZ_CHECK(text.empty() || text.ends_with(kCrLf), text);
  for (std::size_t at = text.find(u'\r'); at != Text::npos; at = text.find(u'\r', at + 1)) {
    PIPIT_FUZZ_CHECK(at + 1 < text.size() && text[at + 1] == u'\n', text);
  }

  // Lines read in pieces are the lines of the whole file, each cut to the
  // longest line kept (fuzzed files fit in the piece the form is judged on).
  Text widened(bytes.begin(), bytes.end());
  std::transform(widened.begin(), widened.end(), widened.begin(),
                 [](char16_t c) { return static_cast<char16_t>(c & 0xFF); });
  const SettingsForm form = detectSettingsForm(bytes);
  std::vector<Text> expected;
  for (const std::string_view whole :
       splitByteLines(std::string_view(bytes).substr(form.bomSize), form.lfEndsLines)) {
    expected.emplace_back(whole.begin(), whole.end());
    for (char16_t& c : expected.back()) c &= 0xFF;
  }
  ext::fakes::StringSource source(bytes, piece);
  ByteLines lines(source, maxLine);
  std::string line;
  std::size_t count = 0;
  while (lines.next(line) == ByteLines::Result::Line) {
    PIPIT_FUZZ_CHECK(count < expected.size(), widened);
    const Text& whole = expected[count++];
    PIPIT_FUZZ_CHECK(line.size() == std::min(whole.size(), maxLine), widened);
    PIPIT_FUZZ_CHECK(
        std::equal(line.begin(), line.end(), whole.begin(),
                   [](char b, char16_t c) { return static_cast<unsigned char>(b) == c; }),
        widened);
  }
  PIPIT_FUZZ_CHECK(count == expected.size(), widened);

  ext::fakes::StringSource settings(bytes, piece);
  (void)readNewIESetting(settings, cp);
  return 0;
}
