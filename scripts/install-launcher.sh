#!/usr/bin/env bash
# Puts the desktop launcher of a portable install into the user's
# applications menu: the launcher starts the program of the given folder,
# its icon is the program's logo. Prints the launcher's path.
#   scripts/install-launcher.sh ~/Orbisala
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
folder="$(cd "${1:?usage: $0 PROGRAM_FOLDER}" && pwd)"
program="$folder/Orbisala"
if [[ "$program" == *$'\n'* ]]; then
  echo "A launcher cannot name a folder whose name holds a line break: $folder" >&2
  exit 1
fi

data_home="${XDG_DATA_HOME:-$HOME/.local/share}"
applications="$data_home/applications"
icons="$data_home/icons/hicolor/scalable/apps"
mkdir -p "$applications" "$icons"

# The program as one quoted argument of Exec: inside the quotes \ " ` $ take
# a backslash, then the value's own escaping doubles every backslash, and %
# is doubled so that no part of the path reads as a field code.
exec_value="$(printf '%s' "$program" | sed -e 's/[\\"`$]/\\&/g' -e 's/^/"/' -e 's/$/"/' \
  -e 's/\\/\\\\/g' -e 's/%/%%/g')"

launcher="$applications/orbisala.desktop"
while IFS= read -r line; do
  if [[ "$line" == Exec=* ]]; then
    printf 'Exec=%s\n' "$exec_value"
  else
    printf '%s\n' "$line"
  fi
done <"$source_dir/packaging/orbisala.desktop.in" >"$launcher.new"
mv "$launcher.new" "$launcher"
cp "$source_dir/resources/icons/logo.svg" "$icons/orbisala.svg.new"
mv "$icons/orbisala.svg.new" "$icons/orbisala.svg"
echo "$launcher"
