// Loading a model of 32767 entries and answering 100 000 lines from it,
// against a floor measured in the same run: decoding the file and splitting
// it into lines, which every load has to do anyway. Then the check of her
// shipped pictures' data that every start makes, against decoding their
// pixels.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include "BenchReport.h"
#include "base/Number.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "platform/GifDecoder.h"
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

// The GIFs a start reads at `percent`: her model's expressions, then the
// window's own four (main.gif once more). Beyond 100 % the file the model
// names is checked before the set drawn for the scale.
std::vector<std::string> startUpGifs(int percent) {
  auto read = [](const std::string& file) {
    std::ifstream in(std::string(PIPIT_ASSETS_DIR) + "/model/" + file + ".gif", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty()) std::abort();
    return bytes;
  };
  std::vector<std::string> gifs;
  for (const char* name : {"main", "sleepy", "smiling", "surprised", "troubled", "winking", "main",
                           "eyes_closed", "balloon_model", "balloon_user"}) {
    gifs.push_back(read(name));
    if (percent != 100) gifs.push_back(read(name + ("@" + std::to_string(percent))));
  }
  return gifs;
}

void reportPictureCheck(int percent, std::size_t& sink) {
  const std::vector<std::string> gifs = startUpGifs(percent);
  const double check = bestOf(200, [&] {
    for (const std::string& gif : gifs) {
      if (!readGifSize(gif)) std::abort();
      ++sink;
    }
  });
  std::vector<Pixel> pixels;
  const double decode = bestOf(50, [&] {
    for (const std::string& gif : gifs) {
      const GifSize size = *readGifSize(gif);
      pixels.resize(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
      if (!decodeGif(gif, pixels, kKeyPixel)) std::abort();
    }
  });
  const std::string figure = "picture data check at start-up, " + std::to_string(percent) + " % (" +
                             std::to_string(gifs.size()) + " GIFs)";
  bench::reportRow(figure.c_str(), check * 1000, "us", decode * 1000, "decoding their pixels");
}

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
      sink +=
          provider.getMessage(askedKeys[static_cast<std::size_t>(i) % askedKeys.size()], u"メモ帳")
              .size();
    }
  });

  // The floor of a lookup is a hash-map lookup of the same keys.
  std::unordered_map<Text, std::size_t> lineCounts;
  for (const Text& line : provider.messageLines()) ++lineCounts[line.substr(0, line.find(u'\t'))];
  const double hashLookups = bestOf(3, [&] {
    for (int i = 0; i < calls; ++i) {
      const auto found = lineCounts.find(askedKeys[static_cast<std::size_t>(i) % askedKeys.size()]);
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
  reportPictureCheck(100, sink);
  reportPictureCheck(200, sink);
  return 0;
}
