#include "core/Logger.h"

#include "base/Path.h"

namespace pipit {

Logger::Logger(Files& files, const Clock& clock, CodePage codePage)
    : files_(files),
      clock_(clock),
      codePage_(std::move(codePage)),
      path_(appendPathSeparator(files.programFolder()) + u"debug.txt") {}

void Logger::append(TextView label, TextView message) {
  Text record = clock_.nowText();
  record.reserve(record.size() + label.size() + message.size() + 4);
  record += u'\t';
  record += label;
  record += u'\t';
  record += message;
  record += kCrLf;
  (void)files_.append(path_, codePage_.encode(record));
}

}  // namespace pipit
