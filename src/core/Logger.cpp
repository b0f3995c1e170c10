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
  // A path may hold a lone LF, and typed text anything: one record stays
  // one line.
  for (std::size_t i = record.size() - message.size() - label.size() - 1; i < record.size(); ++i) {
    if (record[i] == u'\r' || record[i] == u'\n') record[i] = u' ';
  }
  record += kCrLf;
  (void)files_.append(path_, codePage_.encode(record));
}

}  // namespace pipit
