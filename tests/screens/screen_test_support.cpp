#include "screen_test_support.h"

#include "app/settings.h"
#include "fight/fight.h"
#include "screens/career_story_rules.h"
#include "screens/menu_clocks.h"
#include "screens/online_screen_rules.h"
#include "screens/prefight_slides.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"
#include "screens/slide_offsets.h"

void ResetScreenRecords() {
  ScreenFlow = ScreenFlowState{};
  MatchState = MatchRecord{};
  Settings = GameSettings{};
  Settings.width = 800;
  Settings.height = 600;
  Settings.colourBits = 32;
  Settings.depthBits = 24;
  Settings.soundOn = true;
  Settings.musicOn = true;
  MenuClocks = MenuClockSet{};
  SlideOffsets = SlideOffsetSet{};
  PreFightSlides = PreFightSlideState{};
  StoryClock = 0;
  OnlineScreen = OnlineScreenState{};
}

void RecordScreenEffects(std::vector<std::string>& log, bool loadCareerResumes) {
  auto note = [&log](std::string what) {
    return [&log, what] { log.push_back(what); };
  };
  auto noteArena = [&log](std::string what) {
    return [&log, what](int arena) { log.push_back(what + " " + std::to_string(arena)); };
  };
  ScreenEffectHooks& e = ScreenEffects;
  e.menuClick = note("click");
  e.menuHover = note("hover");
  e.slideInSound = note("slide-in");
  e.startFight = [&log](int arena) {
    log.push_back("start fight " + std::to_string(arena) + " in state " +
                  std::to_string(static_cast<int>(ScreenFlow.gameState)));
  };
  e.endFight = [&log] {
    log.push_back("end fight in state " + std::to_string(static_cast<int>(ScreenFlow.gameState)));
  };
  e.newCareer = note("new career");
  e.loadCareer = [&log, loadCareerResumes] {
    log.push_back("load career");
    return loadCareerResumes;
  };
  e.leaveCareerFight = note("leave career fight");
  e.fightMusicPlay = note("fight music play");
  e.menuMusicPlay = note("menu music play");
  e.menuMusicRewind = note("menu music rewind");
  e.restartMusicFade = note("music fade");
  e.releaseStoryImages = noteArena("release story");
  e.stopStoryMonolog = note("stop story monolog");
  e.hostOnline = note("host online");
  e.joinOnline = [&log](const std::string& address) { log.push_back("join " + address); };
  e.leaveOnline = note("leave online");
  e.onlineSetupChanged = note("setup changed");
}

void ClickAt(int x, int y) {
  ScreenFlow.PointerX = x;
  ScreenFlow.PointerY = y;
  HandleClick();
}

void MoveTo(int x, int y) {
  ScreenFlow.PointerX = x;
  ScreenFlow.PointerY = y;
  UpdateHover();
}
