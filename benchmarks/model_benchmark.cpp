// Loading a model of 32767 entries and answering 100 000 lines from it,
// against a floor measured in the same run: decoding the file and splitting
// it into lines, which every load has to do anyway.
#include <chrono>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "BenchReport.h"
#include "base/Number.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "ui/ClockRandom.h"
#include "ui/ExpressionView.h"
#include "ui/MessageProvider.h"

using namespace pipit;
using bench::bestOf;

namespace {

// A window that does nothing, so that only the model's own work is timed.
class QuietView final : public ExpressionView {
 public:
  void setWindowPicture(PictureHandle picture) override { shown = std::move(picture); }
  void setEyesClosedVisible(bool) override {}
  void restartStyleTimer() override {}
  PictureHandle shown;
};

}  // namespace

int main() {
  const int keys = 300;
  const int pictureCount = 12;
  fakes::FakeFiles files;
  fakes::FakeClock ticks;
  const CodePage cp = CodePage::named("CP932");
  Logger logger{files, ticks, cp};
  fakes::FakePictures pictures{files};
  QuietView view;
  SimpleMode simpleMode;
  ClockRandom random{ticks};
  MessageProvider provider{files, pictures, view, simpleMode, random, logger, cp};

  Text model = u"CONF/YOBINA\tマスター\r\nCONF/FORM_WIDTH\t430\r\n";
  for (int p = 0; p < pictureCount; ++p) {
    files.content[u"C:\\Tools\\Pipit\\model\\p" + decimalText(p) + u".gif"] =
        fakes::FakePictures::gif(430, 310);
  }
  for (int i = 0; i < static_cast<int>(MessageProvider::kMaxEntries); ++i) {
    model += u"CMD/キー" + decimalText(i % keys) + u"\tmodel/p" + decimalText(i % pictureCount) +
             u".gif\t[呼び名]、[コマンド]を開きますね。[改行]行 " + decimalText(i) + u"\r\n";
  }
  const std::string bytes = cp.encode(model);
  files.content[u"C:\\Tools\\Pipit\\model\\model.conf"] = bytes;

  std::size_t sink = 0;
  const double floor = bestOf(5, [&] { sink += splitLines(cp.decode(bytes)).size(); });
  const double load = bestOf(5, [&] {
    if (!provider.loadModel()) std::abort();
  });
  const int calls = 100000;
  // Ten keys without lines: the lookups that find nothing cost too.
  std::vector<Text> askedKeys;
  askedKeys.reserve(static_cast<std::size_t>(keys) + 10);
  for (int k = 0; k < keys + 10; ++k) askedKeys.push_back(u"CMD/キー" + decimalText(k));
  const double lookups = bestOf(3, [&] {
    for (int i = 0; i < calls; ++i) {
      ticks.ticks = static_cast<uint32_t>(i);
      sink += provider.getMessage(askedKeys[i % askedKeys.size()], u"メモ帳").size();
    }
  });

  // The floor of a lookup is a hash-map lookup of the same keys.
  std::unordered_map<Text, std::size_t> lineCounts;
  for (const Text& line : provider.messageLines()) ++lineCounts[line.substr(0, line.find(u'\t'))];
  const double hashLookups = bestOf(3, [&] {
    for (int i = 0; i < calls; ++i) {
      const auto found = lineCounts.find(askedKeys[i % askedKeys.size()]);
      sink += found == lineCounts.end() ? 0 : found->second;
    }
  });

  std::printf("model: %zu entries, %d keys, %zu bytes (sink %zu)\n", provider.messageLines().size(),
              keys, bytes.size(), sink);
  std::printf("floor (decode + split lines): %9.2f ms\n", floor);
  std::printf("loadModel:                    %9.2f ms  ratio %6.2f\n", load, load / floor);
  std::printf("%d getMessage calls:      %9.2f ms  ratio %6.2f  (%.3f us per call)\n", calls,
              lookups, lookups / floor, lookups * 1000.0 / calls);
  bench::reportRow("model load, 32767 entries", load, "ms", floor, "decode and split lines");
  bench::reportRow("100 000 line lookups, 32767 entries", lookups, "ms", hashLookups,
                   "hash-map lookups of the same keys");
  return 0;
}
