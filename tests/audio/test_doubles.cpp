// Stand-ins for the two things the audio code reads from outside its library: the Settings
// record and the platform's message box, which must never open a real window in a test.
#include "audio/test_doubles.h"

#include "app/settings.h"

GameSettings Settings;

std::vector<ShownMessage> ShownMessages;

void ShowMessageBox(const char* caption, const char* text, MessageIcon icon) {
  ShownMessages.push_back({caption, text, icon});
}
