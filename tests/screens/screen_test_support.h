#pragma once

#include <string>
#include <vector>

// Puts every record the menu rules touch back to its program-start value and installs effect hooks
// that write what they were asked to do into a log, with the GameState at the time of the call.

void ResetScreenRecords();
void RecordScreenEffects(std::vector<std::string>& log, bool loadCareerResumes = false);
void ClickAt(int x, int y);
void MoveTo(int x, int y);
