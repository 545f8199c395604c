#pragma once

// What the frame loop, the window procedure, the fight frame and the fight's hooks may call of the
// screens: the menu state machine, the menu frame, the fight overlays and the career story.

#include <cstddef>
#include <string>

#include "screens/screen_flow.h"

// --- start-up and input (the app) ---

// The first screen and the default selections; once, during the renderer start-up.
void SetInitialScreen();

// A left-button press while the GameState is not Fight; acts at PointerX/PointerY, which the window
// procedure has set to the press's own place.
void HandleClick();

// A key pressed while the GameState is not Fight (a virtual-key code): the JOIN screen's address
// entry, Enter connects.
void HandleOnlineKey(int virtualKey, bool shift);

// Every other window message while the GameState is not Fight: the hover flags and their sound.
// Every other window message while the GameState is not Fight: the hover flags and their sound,
// from the pointer, or from the keyboard and pad focus when the keys were used last.
void UpdateHover();

// Clears the hover flags, restarts the fade from black and the slide-in of the next screen.
void ResetMenuTransition();

// New random start offsets for the sliding menu elements, seeded with the time in seconds.
// After loading, and by every screen change.
void RandomizeSlideOffsets();

// Puts the versus screen's previews, picture and title back to their start and re-arms both
// slide-in sounds. By the versus screen's BACK/NEXT, Escape in a fight and EndFight.
void ResetPreFightSlides();

// --- the menu frame (every frame whose GameState is not Fight) ---
// `overClearFrame`: nothing was drawn since the frame's clear (false in the frame a fight ended,
// whose picture the menu is drawn over).
void DrawMenus(bool overClearFrame);

// --- the fight's overlays, drawn from ShownFight after the arena ---
// The HUD, then the round intro or the knock-out banner where the fight tick shows them.
void DrawFightOverlays();
// Two short lines between the life bars over the fight (the online ping and rollback depth).
void DrawFightStatusLines(const char* first, const char* second);
void DrawHud();
void DrawRoundIntro();
void DrawKnockoutOverlay();

// --- career story pictures (LOAD GAME and the career's match end) ---

// Releases whatever story pictures are still held (a won match loads the next arena's without
// showing them), then loads the arena's (render's LoadStoryImages). The game's FightHooks
// LoadStoryImages should call this, so a long career does not pile up textures.
void LoadStoryPictures(int arena);

// Where a subtitle prints, in the 800 × 600 overlay: a dark strip from `left` to `right` whose
// lowest row stands on `baseline`, rows of at most `columns` letters of the small font.
struct SubtitleBox {
  float left, right, baseline;
  std::size_t columns;
};
constexpr SubtitleBox kSubtitlesUnderPictures{40, 760, 100, 64};  // the story and the fight
constexpr SubtitleBox kSubtitlesAboveTheCaption{40, 760, 556, 64};  // the versus screen

// The line heard `seconds` into a recording of base/monologs/ ("4.wav", "4_.wav"), printed as a
// subtitle, centred in the box over whatever is drawn (the depth test is left as it was); nothing
// between lines or for no recording. Overlay projection.
void DrawSpokenLine(const std::string& recording, double seconds, const SubtitleBox& box);
// Arena 1 releases its five pictures, arenas 2 and above their three, below 1 nothing.
void ReleaseStoryImages(int arena);

// The monologues (StartStoryMonolog, StopStoryMonolog, StartFightMonolog, StopFightMonolog)
// belong to the audio subsystem (audio/audio.h).
