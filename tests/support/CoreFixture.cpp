#include "CoreFixture.h"

#include "base/Path.h"
#include "fakes/LogRecords.h"

namespace pipit::fakes {

CoreFixture::CoreFixture()
    : ownFiles_(std::make_unique<FakeFiles>()),
      files(*ownFiles_),
      configPath(appendPathSeparator(files.folder) + u"config.txt") {}

CoreFixture::CoreFixture(FakeFiles& folder)
    : files(folder), configPath(appendPathSeparator(files.folder) + u"config.txt") {}

void CoreFixture::writeConfig(TextView text) { files.content[configPath] = cp.encode(text); }

Text CoreFixture::config() const {
  const auto it = files.content.find(configPath);
  return it == files.content.end() ? Text() : cp.decode(it->second);
}

std::vector<Text> CoreFixture::log() const { return logRecords(files, cp); }

}  // namespace pipit::fakes
