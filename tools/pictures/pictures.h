#pragma once

#include <string>

#include "common/canvas.h"

// The painters of every picture the game shows, one function per picture or family. Each returns
// the finished canvas at the size it is written; pictures.cpp writes them into base/.

// Screens (full-screen, 800 x 600 so that the menu coordinates are pixel coordinates).
Canvas MainMenuPicture();      // bank 15 (mask 1 is all cover)
Canvas PlainBackground();      // bank 22: options, quit, career, difficulty, pause, versus
Canvas TwoPlayerBackground();  // bank 21
Canvas FirstLoadingScreen();   // bank 16
Canvas SecondLoadingScreen();  // bank 55
Canvas NeutralDark();          // bank 0
Canvas FullCoverMask();        // banks 1 and 7: the picture covers the whole screen

// Widgets: layers with alpha, turned into mask and face by the caller.
Canvas ButtonLayer();                 // banks 17 / 18
Canvas SideArrowLayer(bool next);     // banks 12 / 13 (next), 26 / 27 (previous)
Canvas ArenaArrowLayer(bool up);      // banks 28 / 29 (up, next arena), 53 / 54 (down)
Canvas PointerPicture();              // bank 14
Canvas MarkPicture();                 // bank 64
Canvas LifeBarFill();                 // bank 66
Canvas TirednessBarFill();            // bank 2
Canvas StatBarPattern();              // bank 65

// Announcements, bright on black for additive drawing.
Canvas RoundBanner(int round);                // banks 56..58
Canvas CountInPicture(const std::string& word);  // banks 60, 59, 6
Canvas WinnerBanner(const std::string& text);    // banks 38..45, 61, 62, 63

// Pictures of the places.
Canvas ArenaPicture(int arena);  // banks 46..52
Canvas QuietTexture(int entry);  // entries the game never shows

// TGA sprites.
Canvas SparkSprite();            // tex00.tga
Canvas DustSprite(int variant);  // tex01..05.tga (loaded, not drawn)
Canvas BarFrame();               // tex06.tga

// Story picture k (0-based) of an arena, with its caption.
Canvas StoryPicture(int arena, int k, const std::string& caption);
