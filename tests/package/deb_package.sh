#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch
# root as dpkg installs it, and checks what a station gets: the program
# folder with the program and the guide only, the default password store,
# the launcher and its icon, the declared dependencies, a postinst that
# puts the store into the folder only when the folder has none, the
# copyright and the Debian changelog, and no error from lintian.
#   deb_package.sh CPACK BUILD_DIR PROGRAM_DIR SOURCE_DIR
set -euo pipefail
cpack="$1" build="$2" program_dir="$3" source="$4"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
expect_same() { # file, reference, what
  [ -f "$1" ] || fail "$3 is missing from the package: $1"
  cmp -s "$1" "$2" || fail "$3 differs from $2"
}

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack could not build the package"
fi
debs=("$scratch"/out/orbisala_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one orbisala_*.deb, found: ${debs[*]}"
deb="${debs[0]}"
root="$scratch/root"
dpkg -x "$deb" "$root"

# The program folder: dpkg owns the program and its guide, never the data
# (lists, archive, settings, password store) that lie beside them.
folder="$root/opt/orbisala"
[ -x "$folder/Orbisala" ] || fail "no executable program at /opt/orbisala/Orbisala"
[ "$(head -c 4 "$folder/Orbisala" | od -An -c | tr -d ' ')" = '177ELF' ] ||
  fail "/opt/orbisala/Orbisala is not an ELF program"
expect_same "$folder/Guida.pdf" "$program_dir/Guida.pdf" "the guide /opt/orbisala/Guida.pdf"
owned="$(cd "$folder" && find . -mindepth 1 | sort | tr '\n' ' ')"
[ "$owned" = "./Guida.pdf ./Orbisala " ] ||
  fail "the package owns files of the program folder beyond the program and the guide: $owned"

# The default password store, which the postinst copies.
default_store="$root/usr/share/orbisala/unins000.dll"
expect_same "$default_store" "$program_dir/unins000.dll" "the default password store"

# The launcher, valid and pointing at the packaged program, and its icon.
launcher="$root/usr/share/applications/orbisala.desktop"
[ -f "$launcher" ] || fail "no launcher /usr/share/applications/orbisala.desktop"
desktop-file-validate "$launcher" || fail "the launcher is not a valid desktop entry"
for line in 'Type=Application' 'Name=Orbisala' 'Exec=/opt/orbisala/Orbisala' 'Icon=orbisala' \
  'Comment=Listini prezzi e comande ai tavoli per ristoranti, trattorie e pizzerie'; do
  grep -qxF "$line" "$launcher" || fail "the launcher lacks the line $line"
done
expect_same "$root/usr/share/icons/hicolor/scalable/apps/orbisala.svg" \
  "$source/resources/icons/logo.svg" "the icon orbisala.svg"

# Dependencies: every library the program links comes from a declared
# package, and so do the X11 platform plugin, Qt's Italian texts and the
# fonts it loads at run time.
depends="$(dpkg-deb -f "$deb" Depends)"
declared=" $(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed -e 's/(.*)//' -e 's/:any//' | tr -d ' ' | sort -u | tr '\n' ' ')"
for package in $declared; do
  dpkg-query -W "$package" >/dev/null 2>&1 || fail "Depends names $package, which no Debian package here is"
done
needed="$(readelf -d "$folder/Orbisala" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')"
[ -n "$needed" ] || fail "readelf found no library the program needs"
# Each library is looked up where the loader finds it: another architecture's
# copy of the same name (libc6-i386's /lib32/libm.so.6) is not the one used.
for library in $needed; do
  path="$(ldd "$folder/Orbisala" | awk -v name="$library" '$1 == name { print $3 }')"
  owner=""
  candidates=("*/$library")
  [ -z "$path" ] || candidates=("$path" "/usr$path" "*/$library")
  for candidate in "${candidates[@]}"; do
    [ -n "$owner" ] || owner="$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1 || true)"
  done
  [ -n "$owner" ] || fail "no Debian package holds $library"
  [[ "$declared" == *" $owner "* ]] || fail "$library comes from $owner, which Depends does not name: $depends"
done
for file in /usr/share/qt6/translations/qtbase_it.qm /usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf \
  /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf '*/qt6/plugins/platforms/libqxcb.so'; do
  owner="$(dpkg -S "$file" 2>/dev/null | head -n 1 | cut -d: -f1)"
  [ -n "$owner" ] || fail "no Debian package holds $file"
  [[ "$declared" == *" $owner "* ]] || fail "$file comes from $owner, which Depends does not name: $depends"
done

# The postinst copies the default store into a folder that has none, and an
# upgrade keeps the store a changed password wrote. (DPKG_ROOT points it at
# the scratch root; the folder's group and mode are set only on a real root.)
control="$scratch/control"
dpkg-deb -e "$deb" "$control"
[ -x "$control/postinst" ] || fail "the package has no executable postinst"
DPKG_ROOT="$root" "$control/postinst" configure
expect_same "$folder/unins000.dll" "$default_store" "the password store the first install puts into /opt/orbisala"
printf '[Accesso]\r\nValore=changed\r\n' >"$folder/unins000.dll"
cp "$folder/unins000.dll" "$scratch/changed_store"
DPKG_ROOT="$root" "$control/postinst" configure 1.0-1
expect_same "$folder/unins000.dll" "$scratch/changed_store" "the changed password store after an upgrade"

# The package's documents: the copyright as written, in the machine-readable
# format, and the Debian changelog, compressed without a name or a time stamp,
# whose latest entry is this version by the package's maintainer.
doc="$root/usr/share/doc/orbisala"
expect_same "$doc/copyright" "$source/packaging/copyright" "the copyright /usr/share/doc/orbisala/copyright"
head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
changelog="$doc/changelog.Debian.gz"
[ -f "$changelog" ] || fail "no Debian changelog /usr/share/doc/orbisala/changelog.Debian.gz"
gzip -t "$changelog" || fail "the Debian changelog is not a valid gzip file"
# gzip header: flags (no file name), modification time zero, "maximum" (-9).
[ "$(od -An -tx1 -j3 -N6 "$changelog" | tr -d ' \n')" = 000000000002 ] ||
  fail "the Debian changelog was not compressed with gzip -9n"
zcat "$changelog" | cmp -s - "$source/packaging/changelog" || fail "the Debian changelog differs from packaging/changelog"
zcat "$changelog" >"$scratch/changelog"
for field in Version Maintainer; do
  entry="$(dpkg-parsechangelog -l "$scratch/changelog" -S "$field")"
  [ "$entry" = "$(dpkg-deb -f "$deb" "$field")" ] ||
    fail "the latest changelog entry's $field, $entry, is not the package's: $(dpkg-deb -f "$deb" "$field")"
done
expect_same "$root/usr/share/lintian/overrides/orbisala" "$source/packaging/lintian-overrides" "the lintian overrides"

# lintian: no error; the warnings and the notes are shown, and the tags the
# overrides hold back with their reasons.
lintian_flags=(--fail-on none --display-info --pedantic --show-overrides)
[ "$(id -u)" -ne 0 ] || lintian_flags+=(--allow-root)
# (TMPDIR: lintian leaves some of its temporary files behind.)
TMPDIR="$scratch" lintian "${lintian_flags[@]}" "$deb" >"$scratch/lintian.log" 2>&1 || {
  cat "$scratch/lintian.log" >&2
  fail "lintian could not check the package"
}
echo "lintian $(basename "$deb"):"
sed 's/^/  /' "$scratch/lintian.log"
if grep -q '^E: ' "$scratch/lintian.log"; then
  fail "lintian reports errors: $(grep '^E: ' "$scratch/lintian.log" | tr '\n' ' ')"
fi
echo "PASS: $(basename "$deb"): Depends: $depends"
