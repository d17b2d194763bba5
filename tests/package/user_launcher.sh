#!/usr/bin/env bash
# The per-user launcher of a portable install (scripts/install-launcher.sh):
# for program folders with plain and awkward names, the launcher lands in
# the user's applications folder, is a valid desktop entry whose Exec names
# the program as one quoted argument, and the icon beside it is the logo.
#   user_launcher.sh SOURCE_DIR
set -euo pipefail
source="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

check() { # folder name, expected Exec line, data home (empty: the default)
  local folder="$scratch/$1" expected="$2" data_home="$3" printed
  mkdir -p "$folder"
  if [ -n "$data_home" ]; then
    printed="$(XDG_DATA_HOME="$data_home" HOME="$scratch/home" bash "$source/scripts/install-launcher.sh" "$folder")"
  else
    data_home="$scratch/home/.local/share"
    printed="$(env -u XDG_DATA_HOME HOME="$scratch/home" bash "$source/scripts/install-launcher.sh" "$folder")"
  fi
  local launcher="$data_home/applications/orbisala.desktop"
  [ "$printed" = "$launcher" ] || fail "the script said '$printed', the launcher belongs at $launcher"
  [ -f "$launcher" ] || fail "no launcher at $launcher"
  desktop-file-validate "$launcher" || fail "the launcher for '$1' is not a valid desktop entry"
  [ "$(grep '^Exec=' "$launcher")" = "$expected" ] ||
    fail "for '$1' the launcher has $(grep '^Exec=' "$launcher"), expected $expected"
  for line in 'Name=Orbisala' 'Icon=orbisala' 'Type=Application'; do
    grep -qxF "$line" "$launcher" || fail "the launcher lacks the line $line"
  done
  cmp -s "$data_home/icons/hicolor/scalable/apps/orbisala.svg" "$source/resources/icons/logo.svg" ||
    fail "the icon orbisala.svg beside $launcher is not the logo"
}

check "Orbisala" "Exec=\"$scratch/Orbisala/Orbisala\"" "$scratch/data"
check "Sala 1" "Exec=\"$scratch/Sala 1/Orbisala\"" ""
# Inside the quotes \ " \` \$ take a backslash, which the value doubles; % doubles.
check 'Sala "2" $HOME \x `y` 100%' \
  "Exec=\"$scratch/Sala \\\\\"2\\\\\" \\\\\$HOME \\\\\\\\x \\\\\`y\\\\\` 100%%/Orbisala\"" "$scratch/data"
# A reinstall replaces the launcher: one launcher, naming the last folder.
[ "$(ls "$scratch/data/applications")" = "orbisala.desktop" ] || fail "a reinstall left more than one launcher"
echo "PASS"
