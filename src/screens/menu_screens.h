#pragma once

// The flat menu screens, each drawn by DrawMenus when its GameState is current.
void DrawMainMenu();
void DrawQuitConfirm();
void DrawCareerMenu();
void DrawDifficultySelect();
void DrawPauseMenu();
void DrawTrainingMenu();  // the pause-style menu of a training fight
void DrawOptionsScreen();
void DrawMoreOptionsScreen();
void DrawControlsScreen();
void DrawOnlineMenu();
void DrawOnlineJoin();
void DrawOnlineWaiting();
void DrawOnlineSetupNotice();  // over the two-player and versus screens: who still has to press FIGHT or NEXT
void DrawVersusScreen();
void DrawTwoPlayerScreen();
void DrawTwoPlayerPreviews();
void DrawCareerStory();
