// Two games under brelloch-driver on this machine, one hosting on 127.0.0.1:7710 and one joining:
// through the handshake, the online set-up and the versus screen into the fight, which the host
// leaves with Escape and the joiner sees left; and a joiner whose content differs refused on both sides. One test, so the two scenarios never share the port at once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "support/driver_run.h"

namespace {

namespace fs = std::filesystem;

struct Game {
  fs::path folder;
  int exitCode = -1000;
  std::string errors;
};

Game Prepare(const std::string& name, const std::string& script) {
  Game game;
  game.folder = fs::temp_directory_path() / ("brelloch-online-" + std::to_string(::getpid()) + "-" + name);
  fs::remove_all(game.folder);
  driver_run::MirrorContent(BRELLOCH_BASE_DIR, game.folder / "base");
  std::ofstream(game.folder / "test.script") << script;
  return game;
}

void Run(Game& game) {
  const std::string folder = game.folder.string();
  // Each game plays (and hashes) the content of its own folder, not the one beside the driver.
  const std::string command = "cd '" + folder + "' && env ALSOFT_DRIVERS=null BRELLOCH_DATA_DIR=. XDG_CONFIG_HOME='" + folder +
                              "/config' XDG_DATA_HOME='" + folder + "/data' timeout 120 '" + BRELLOCH_DRIVER +
                              "' test.script 2> errors.txt";
  const int status = std::system(command.c_str());
  if (WIFEXITED(status)) game.exitCode = WEXITSTATUS(status);
  std::ifstream errors(game.folder / "errors.txt");
  game.errors.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
}

// Whether a UDP socket is bound to port 7710 (the system's table has the port in hex).
bool SomeoneListensOn7710() {
  std::ifstream table("/proc/net/udp");
  const std::string text((std::istreambuf_iterator<char>(table)), std::istreambuf_iterator<char>());
  return text.find(":1E1E ") != std::string::npos;
}

// The host starts first; the joiner once the host listens.
void RunBoth(Game& host, Game& joiner) {
  ASSERT_FALSE(SomeoneListensOn7710()) << "port 7710 is taken";
  std::thread hosting([&host] { Run(host); });
  for (int i = 0; i < 600 && !SomeoneListensOn7710(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  Run(joiner);
  hosting.join();
  fs::remove_all(host.folder);
  fs::remove_all(joiner.folder);
}

const char* const kHostStart =
    "step 40\n"
    "until loaded within 300\n"
    "click 337 491\n"  // ONLINE
    "click 400 276\n"  // HOST
    "expect online \"Waiting for a player on port 7710\"\n";

const char* const kJoinStart =
    "step 40\n"
    "until loaded within 300\n"
    "click 337 491\n"  // ONLINE
    "click 400 326\n"  // JOIN
    "key press L\nkey press O\nkey press C\nkey press A\nkey press L\n"
    "key press H\nkey press O\nkey press S\nkey press T\n"
    "key press Return\n"
    "expect online \"Connecting to localhost\"\n";

TEST(OnlineEndToEnd, TwoGamesFightUntilOneLeavesAndAMismatchIsRefusedOnBothSides) {
  Game host = Prepare("host", std::string(kHostStart) +
                                  "until state OnlineSetup within 100000\n"
                                  "click 192 416\n"  // the host's own fighter
                                  "click 740 566\n"  // FIGHT
                                  "until state PreFight within 100000\n"
                                  "click 740 566\n"  // NEXT on the versus screen
                                  "until state Fight within 100000\n"
                                  "frames 5\n"
                                  "key press Escape\n"  // no pause online: the host leaves
                                  "until state OnlineWaiting within 1000\n"
                                  "expect online \"You left the match.\"\n");
  Game joiner = Prepare("joiner", std::string(kJoinStart) +
                                      "until state OnlineSetup within 100000\n"
                                      "click 760 416\n"
                                      "click 740 566\n"
                                      "until state PreFight within 100000\n"
                                      "click 740 566\n"
                                      "until state Fight within 100000\n"
                                      "until state OnlineWaiting within 100000\n"
                                      "expect online \"The other player left the match.\"\n");
  RunBoth(host, joiner);
  EXPECT_EQ(host.exitCode, 0) << host.errors;
  EXPECT_EQ(joiner.exitCode, 0) << joiner.errors;

  host = Prepare("host", std::string(kHostStart) +
                             "until online \"Refused a player: their game content differs from this one's.\" within 100000\n"
                             "expect state OnlineWaiting\n");
  joiner = Prepare("modded", std::string(kJoinStart) +
                                 "until online \"The host refused: its game content differs from this one's.\" within 100000\n");
  std::ofstream(joiner.folder / "base" / "extra.txt") << "one more file";
  RunBoth(host, joiner);
  EXPECT_EQ(host.exitCode, 0) << host.errors;
  EXPECT_EQ(joiner.exitCode, 0) << joiner.errors;
}

}  // namespace
