#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

// What the audio code asked the platform to show; the tests link this in place of the platform.
struct ShownMessage {
  std::string caption;
  std::string text;
  MessageIcon icon;
};
extern std::vector<ShownMessage> ShownMessages;
