#pragma once

// Which named animation each FighterAction shows, and when a fighter's model must restart it.
// GL-free, so the choice is tested without a window.

// Lower-body animation of an action (0 Stand ... 12 Win); null for a value outside the table.
const char* AnimationForAction(int action);

// True when the action differs from the one whose animation was last started: then `shownAction`
// takes the new action and the caller starts its animation. An unchanged action keeps its
// animation running, so a held block or a second hit in pain does not restart it.
bool TakeActionChange(int& shownAction, int action);
