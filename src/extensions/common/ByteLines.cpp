#include "extensions/common/ByteLines.h"

namespace pipit::ext {
namespace {
constexpr std::size_t kPiece = std::size_t{64} * 1024;
}

bool ByteLines::refill() {
  if (end_ || failed_) return false;
  buffer_.resize(kPiece);
  std::size_t filled = 0;
  // The first piece is read whole, however the source hands it out: the
  // file's form is judged on it. A failure keeps what came before it.
  do {
    const auto got = source_.read(buffer_.data() + filled, buffer_.size() - filled);
    if (!got) {
      failed_ = true;
      break;
    }
    if (*got == 0) {
      end_ = true;
      break;
    }
    filled += *got;
  } while (!started_ && filled < buffer_.size());
  buffer_.resize(filled);
  position_ = 0;
  if (!started_) {
    started_ = true;
    form_ = detectSettingsForm(buffer_, end_);
    position_ = form_.bomSize;
  }
  return position_ < buffer_.size();
}

ByteLines::Result ByteLines::next(std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (position_ == buffer_.size() && !refill()) {
      if (failed_) return Result::Failed;
      return any ? Result::Line : Result::End;
    }
    if (skipLf_) {
      skipLf_ = false;
      if (buffer_[position_] == '\n') {
        ++position_;
        continue;
      }
    }
    any = true;
    const auto cr = buffer_.find_first_of(form_.lfEndsLines ? "\r\n" : "\r", position_);
    const auto stop = cr == std::string::npos ? buffer_.size() : cr;
    const auto room = maxLine_ > line.size() ? maxLine_ - line.size() : 0;
    line.append(buffer_, position_, std::min(stop - position_, room));
    if (cr == std::string::npos) {
      position_ = buffer_.size();
      continue;
    }
    position_ = cr + 1;
    skipLf_ = buffer_[cr] == '\r';
    return Result::Line;
  }
}

}  // namespace pipit::ext
