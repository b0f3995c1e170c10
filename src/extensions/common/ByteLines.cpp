#include "extensions/common/ByteLines.h"

namespace pipit::ext {
namespace {
constexpr std::size_t kPiece = std::size_t{64} * 1024;
}

bool ByteLines::refill() {
  if (end_ || failed_) return false;
  buffer_.resize(kPiece);
  const auto got = source_.read(buffer_.data(), buffer_.size());
  if (!got) {
    failed_ = true;
    buffer_.clear();
  } else {
    buffer_.resize(*got);
    end_ = *got == 0;
  }
  position_ = 0;
  return !buffer_.empty();
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
    const auto cr = buffer_.find('\r', position_);
    const auto stop = cr == std::string::npos ? buffer_.size() : cr;
    const auto room = maxLine_ > line.size() ? maxLine_ - line.size() : 0;
    line.append(buffer_, position_, std::min(stop - position_, room));
    if (cr == std::string::npos) {
      position_ = buffer_.size();
      continue;
    }
    position_ = cr + 1;
    skipLf_ = true;
    return Result::Line;
  }
}

}  // namespace pipit::ext
