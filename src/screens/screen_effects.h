#pragma once

#include <ctime>
#include <functional>
#include <string>

// What the menu rules set off outside the screens: sounds, music, the fight and the career's
// bookkeeping, the story pictures. The rules call these and nothing of audio, GL or the physics
// world, so a test walks every menu without a device; SetInitialScreen connects the game's own.
// The rules check the sound and music switches themselves before calling a sound or a track.
struct ScreenEffectHooks {
  std::function<void()> menuClick;
  std::function<void()> menuHover;
  std::function<void()> slideInSound;
  std::function<void(int arena)> startFight;  // fighter one at its start, then StartFight
  std::function<void()> endFight;
  std::function<void()> newCareer;
  std::function<bool()> loadCareer;  // true when a career was resumed (now in CareerStory)
  std::function<void()> leaveCareerFight;
  std::function<void()> fightMusicPlay;
  std::function<void()> menuMusicPlay;
  std::function<void()> menuMusicRewind;
  std::function<void()> restartMusicFade;
  std::function<void(int arena)> releaseStoryImages;
  std::function<void()> stopStoryMonolog;
  std::function<bool()> watchLastReplay;  // true when the newest replay started (now in Fight)
  // Online: listen on the user's port, connect to a typed "HOST[:PORT]", close whatever is open.
  // Each sets OnlineScreen.message to what happened.
  std::function<void()> hostOnline;
  std::function<void(const std::string& address)> joinOnline;
  std::function<void()> leaveOnline;
  std::function<void()> onlineSetupChanged;  // this player's pick, the arena or FIGHT changed
  // The current time in seconds, which seeds the draws; a scripted run keeps its own clock.
  std::function<unsigned()> clockSeconds = [] { return static_cast<unsigned>(std::time(nullptr)); };
};

// Empty until connected: an empty hook does nothing.
extern ScreenEffectHooks ScreenEffects;

template <typename Hook, typename... Args>
void RunEffect(const Hook& hook, Args... args) {
  if (hook) hook(args...);
}
