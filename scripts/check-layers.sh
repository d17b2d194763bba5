#!/usr/bin/env bash
# Fails when the source folders stop being layers: a folder that includes a
# folder that includes it back (directly or round a longer loop), a file
# outside app/ that includes app/, or a file of the model library that
# includes a window's header or Qt's widgets, printing or SVG. The model's
# files are those CMakeLists.txt names. Run by ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

failed=0

# Every project include as "file folder-of-file included-header".
includes=$(grep -rHo '^#include "[a-z]*/[^"]*"' src |
  sed -E 's|^src/(([a-z]+)/[^:]*):#include "(.*)"$|\1 \2 \3|')

# Folder loops: tsort names any loop in the folder graph.
if ! awk '{ split($3, to, "/"); if ($2 != to[1]) print $2, to[1] }' <<<"$includes" |
  sort -u | tsort >/dev/null 2>/tmp/check-layers.$$; then
  echo "Folders include each other:"
  # One line a loop: tsort lists each loop's folders after a heading.
  awk '/input contains a loop/ { if (loop) print "  " loop; loop = ""; next }
       { sub(/^tsort: /, ""); loop = loop ? loop " -> " $0 : $0 }
       END { if (loop) print "  " loop }' /tmp/check-layers.$$
  failed=1
fi
rm -f /tmp/check-layers.$$

# The program block and its windows are the top: nothing else includes app/.
upward=$(awk '$2 != "app" && $3 ~ /^app\// { print "  " $1 " includes " $3 }' <<<"$includes")
if [ -n "$upward" ]; then
  echo "Below app/, a file includes app/:"
  echo "$upward"
  failed=1
fi

# The model library: its folders, then its single files, as CMakeLists.txt sets them.
model_folders=$(sed -nE 's/^set\(ORBISALA_MODEL_FOLDERS (.*)\)$/\1/p' CMakeLists.txt)
model_files=$(sed -n '/^set(ORBISALA_MODEL_FILES$/,/)$/p' CMakeLists.txt |
  sed -e '1d' -e 's/)$//' | tr -s ' \n' '\n' | sed '/^$/d')
if [ -z "$model_folders" ] || [ -z "$model_files" ]; then
  echo "CMakeLists.txt no longer sets ORBISALA_MODEL_FOLDERS and ORBISALA_MODEL_FILES as expected"
  exit 1
fi
is_model() { # a path below src/ without its extension
  local path=$1
  for folder in $model_folders; do
    [ "${path%%/*}" = "$folder" ] && return 0
  done
  grep -qxF "$path" <<<"$model_files"
}

while read -r file _ header; do
  is_model "${file%.*}" || continue
  if ! is_model "${header%.*}"; then
    echo "The model's $file includes the window side's $header"
    failed=1
  fi
done <<<"$includes"

for folder in $model_folders; do
  model_sources+=(src/"$folder"/*.cpp src/"$folder"/*.h)
done
for file in $model_files; do
  model_sources+=(src/"$file".cpp src/"$file".h)
done
if grep -HnE '^#include <Qt(Widgets|PrintSupport|Svg)' "${model_sources[@]}"; then
  echo "The model includes Qt's widgets, printing or SVG (above)"
  failed=1
fi

exit $failed
