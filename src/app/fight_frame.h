#pragma once

// The fight frame: its music, one fight tick on this frame's commands (recorded for the match's
// replay), the scene, the overlays, and a finished match handed to the screens, which may draw their
// menu in this same frame. While a replay plays, its recorded frames stand in for the players.
void RunFightFrame();
