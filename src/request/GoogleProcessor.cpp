#include "request/GoogleProcessor.h"

#include "base/UrlEncode.h"

namespace pipit {
namespace {
constexpr TextView kLabel = u"GoogleProcessor.process()";
}  // namespace

ExecutionResponse GoogleProcessor::process(const Text& input) {
  logger_.writeMethodStart(kLabel);
  // Only the question mark goes: a blank after it is part of the search.
  const TextView search = input.empty() ? TextView() : TextView(input).substr(1);
  if (logger_.enabled()) logger_.writeLog(kLabel, u"検索文字列：" + Text(search));
  // The setting ends where the query text goes, so nothing is put between.
  const Text address = core_.getConfiguration().getGoogleURL() + urlEncode(search);
  if (logger_.enabled()) logger_.writeLog(kLabel, u"URLProcessorで処理します：" + address);
  ExecutionResponse response = urls_.process(address);
  if (logger_.enabled()) logger_.writeLog(kLabel, response.toLogText());
  logger_.writeMethodEnd(kLabel);
  return response;
}

}  // namespace pipit
