#pragma once

// The title of an arena on the versus and two-player screens; null for arena 8 and others.
const char* ArenaTitle(int arena);

// TextureBank entry of an arena's picture (46 to 52 for arenas 1 to 7); -1 for any other arena.
int ArenaPictureTexture(int arena);
