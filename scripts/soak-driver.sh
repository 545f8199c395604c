#!/usr/bin/env bash
# Quick fights back to back through the scripted driver, walked from the main menu, with the real
# renderer (offscreen) and sound (OpenAL Soft's null device); the arena and both fighters are drawn
# at random for each fight, as the game draws them. After every fight the game's resident memory
# and its live GL textures and display lists and OpenAL sources and buffers are recorded, and the
# run fails unless they stay flat.
#   scripts/soak-driver.sh              100 whole matches (about an hour on two cores)
#   scripts/soak-driver.sh 3            a short check
#   scripts/soak-driver.sh --quick 3    fights left from the pause menu after a few seconds of blows
#                                       (the default suite's DriverSoakQuick, well under a minute)
# Needs the built game: cmake --build build --target content brelloch-driver (BRELLOCH_BUILD_DIR
# names another build folder). The counts are kept in <build>/soak/resources.txt, the driver's
# standard error in <build>/soak/errors.txt.
# GL and AL counts after the last fight must equal those after the first; resident memory may grow by
# at most 16 MiB (allocator and driver caches) from the second fight to the last.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quick=0
if [ "${1:-}" = "--quick" ]; then
  quick=1
  shift
fi
fights=${1:-100}
build=${BRELLOCH_BUILD_DIR:-$root/build}
soak=$build/soak
[ -x "$build/brelloch-driver" ] && [ -d "$build/base" ] || {
  echo "soak: build the game first (cmake --build build --target content brelloch-driver)" >&2
  exit 2
}
rm -rf "$soak"
mkdir -p "$soak"
# The game writes menu.inf and fight.inf inside base/: the soak's base/ is folders of links to the
# content files, so the build's own tree is never written.
cp -rs "$build/base" "$soak/base"
find "$soak/base" -name '*.inf' -delete

{
  echo "step 45"                      # the longest frame the fight still runs
  echo "until loaded within 1000"
  echo "frames 30"
  echo "resources resources.txt"
  for ((fight = 1; fight <= fights; ++fight)); do
    echo "# fight $fight"
    echo "expect state MainMenu"
    echo "click 211 440"              # FIGHT: a quick fight
    echo "expect state PreFight"
    echo "click 740 566"              # NEXT
    echo "expect state Fight"
    echo "wait 4"
    echo "key down B"                 # fighter one walks in and strikes at the head
    if [ "$quick" = 1 ]; then
      echo "wait 1.2"                 # the round intro ends
      for ((strike = 0; strike < 12; ++strike)); do echo "key press Z"; echo "frames 4"; done
      echo "key up B"
      echo "key press Escape"
      echo "expect state Pause"
      echo "click 400 376"            # EXIT
    else
      echo "repeat 200 until state MainMenu"
      echo "key press Z"
      echo "frames 16"
      echo "end"
      echo "key up B"
    fi
    echo "until state MainMenu within 6000"
    echo "frames 30"
    echo "resources resources.txt"
  done
  echo "close"
} >"$soak/soak.script"

# The smallest window (640 × 480, sound and music on): what is counted does not depend on the size,
# and the frames cost the least.
mkdir -p "$soak/config/brelloch"
echo "windowed=1" >"$soak/config/brelloch/options.cfg"
printf '\0\0\0\0\040\0\0\0\030\0\0\0\001\0\0\0\001\0\0\0\0\0\0\0' >"$soak/config/brelloch/menu.inf"

echo "soak: $fights fights$([ "$quick" = 1 ] && echo " left from the pause menu")"
(cd "$soak" && ALSOFT_DRIVERS=null DISPLAY= XDG_CONFIG_HOME="$soak/config" XDG_DATA_HOME="$soak/data" \
   "$build/brelloch-driver" soak.script 2>errors.txt) || {
  echo "soak: the driver failed (exit $?):" >&2
  tail -n 20 "$soak/errors.txt" >&2
  exit 1
}

# Line 1 is the main menu before any fight, line 2 after the first fight.
awk -v fights="$fights" '
  { for (i = 1; i <= NF; ++i) { split($i, kv, "="); v[NR, kv[1]] = kv[2] } }
  END {
    if (NR != fights + 1) { printf "soak: %d resource lines for %d fights\n", NR, fights; exit 1 }
    printf "%-12s %10s %10s %10s\n", "", "menu", "1st fight", "last fight"
    bad = 0
    n = split("rss_kb gl_textures gl_lists al_sources al_buffers", keys, " ")
    for (k = 1; k <= n; ++k) {
      key = keys[k]
      printf "%-12s %10s %10s %10s\n", key, v[1, key], v[2, key], v[NR, key]
      if (key != "rss_kb" && v[NR, key] != v[2, key]) { printf "soak: %s grew\n", key; bad = 1 }
    }
    if (NR > 2 && v[NR, "rss_kb"] - v[3, "rss_kb"] > 16384) { print "soak: resident memory grew"; bad = 1 }
    exit bad
  }' "$soak/resources.txt"
echo "soak: flat after $fights fights"
