// The character's model file: any bytes, with every picture it names present.
// A model that loads answers each of its keys without reaching past its
// lines or pictures.
#include <algorithm>

#include "FuzzSupport.h"
#include "UiFakes.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "ui/MessageProvider.h"

using namespace pipit;

namespace {

// The model file at its path, and a small picture at every other path.
class ModelFiles : public fakes::FakeFiles {
 public:
  Text modelPath;
  std::string model;
  Outcome<std::string> readAll(const Text& path) const override {
    if (path == modelPath) return model;
    return fakes::FakePictures::gif(4, 4);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const CodePage cp = CodePage::named("CP932");
  ModelFiles files;
  files.modelPath = files.folder + u"\\model\\model.conf";
  files.model = std::string(fuzz::bytesOf(data, size));
  fakes::FakeClock clock;
  Logger logger(files, clock, cp);
  // The log lines build text from the model too, but each costs a
  // conversion: only small models take that path.
  logger.setDebugMode(size < 1024);
  fakes::FakePictures pictures(files);
  fakes::FakeExpressionView view;
  SimpleMode simpleMode;
  fakes::ScriptedRandom random;
  MessageProvider provider(files, pictures, view, simpleMode, random, logger, cp);

  if (!provider.loadModel()) return 0;
  const auto& lines = provider.messageLines();
  PIPIT_FUZZ_CHECK(!lines.empty() && lines.size() <= MessageProvider::kMaxEntries, Text());
  for (std::size_t i = 0; i < provider.pictureNames().size(); ++i) (void)provider.picture(i);
  // Each key at both ends of its candidates, and once with a TAB in it.
  for (std::size_t i = 0; i < std::min<std::size_t>(lines.size(), 64); ++i) {
    const Text key = lines[i].substr(0, lines[i].find(u'\t'));
    random.values = {0.0f, 0.999f};
    (void)provider.getMessage(key, u"[呼び名]");
    (void)provider.getMessage(key, u"x");
    (void)provider.getMessage(lines[i].substr(0, lines[i].rfind(u'\t')), Text());
  }
  return 0;
}
