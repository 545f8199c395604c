#pragma once

// The story slideshow's clock and its end. GL-free; DrawCareerStory shows what these decide.

// Runs while the story screen is drawn; 0 at program start and whenever the story is left.
extern float StoryClock;

constexpr float kStoryEnd = 550;

// How many pictures an arena's story has: five for arena 1, three for arenas 2 to 8, else none.
int StoryPictureCount(int arena);

// Alpha of picture k at the given clock (values above 1 act as 1), or a negative value outside
// the picture's window of the clock.
float StoryPictureAlpha(int arena, int k, float clock);

// How fast the story clock runs, in units per second (arena 1 has more pictures to show).
float StoryClockRate(int arena);

// One frame of the story clock. When it passes its end the story is left as by its clock.
// Returns true if the story was left this frame.
bool RunStoryClock(float step);

enum class StoryExit { Skip, Clock };

// Leaves the story: to the versus screen, or, once the career is complete (arena 8), to the main
// menu with the career over. The pictures and the monologue are released and the clock is reset.
void LeaveCareerStory(StoryExit how);
