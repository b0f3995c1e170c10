#include "base/Failure.h"

#include "base/Number.h"

namespace pipit {

Text Failure::toText() const { return decimalText(number) + u":" + description; }

}  // namespace pipit
