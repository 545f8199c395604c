#include "screens/character_pick.h"

int PickPrevious(int self, int other) {
  int pick = (self - 1 == other) ? self - 2 : self - 1;
  if (pick < 0) pick = (other == kHighestRosterIndex) ? kHighestRosterIndex - 1 : kHighestRosterIndex;
  return pick;
}

int PickNext(int self, int other) {
  int pick = (self + 1 == other) ? self + 2 : self + 1;
  if (pick > kHighestRosterIndex) pick = (other == 0) ? 1 : 0;
  return pick;
}
