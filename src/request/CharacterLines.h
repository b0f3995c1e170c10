#pragma once
// The character's lines as request handling asks for them.
#include "base/Text.h"
#include "core/LauncherParts.h"

namespace pipit {

class CharacterLines : public ModelLoader {
 public:
  // A line for the response key with its placeholders filled; also switches
  // the character's picture to the line's own. Never fails: a key without
  // lines gives empty text.
  virtual Text getMessage(TextView key, TextView parameter) = 0;
  // Whether some line answers the key, without saying it.
  virtual bool hasLine(TextView key) const = 0;
};

}  // namespace pipit
