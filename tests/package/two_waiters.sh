#!/usr/bin/env bash
# Two waiters of one station, two accounts of the group that owns the
# installed program folder, save in turn into the same files: a price list, a
# ticket and a value of Orbisala.ini. Each must be able to replace what the
# other saved, with the usual umask 022; a file its owner made read-only on
# purpose must still be refused.
#
# The folder is a scratch one laid out as the postinst leaves /opt/orbisala
# (owner, group and mode taken from its dpkg-statoverride line), given to a
# temporary group; the accounts are temporary too and go on exit. Creating
# them needs root: without it the test is skipped (exit 77).
#   two_waiters.sh WAITER_SAVE SOURCE_DIR
set -euo pipefail
helper="$1" source="$2"
skip=77

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: creating the two waiter accounts and their group needs root (running as $(id -un))"
  exit "$skip"
fi

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The folder's owner and mode as the package sets them.
read -r owner package_group mode < <(sed -n \
  's|.*dpkg-statoverride --update --add \([^ ]*\) \([^ ]*\) \([0-7]*\) /opt/orbisala.*|\1 \2 \3|p' \
  "$source/packaging/postinst") || true
[ -n "${mode:-}" ] || fail "found no dpkg-statoverride line for /opt/orbisala in packaging/postinst"
[ "$package_group" = orbisala ] || fail "the postinst gives /opt/orbisala to $package_group, not to the group orbisala"

group="orbw-$$"
waiters=("orbw1-$$" "orbw2-$$")
created_users=()
created_group=""
scratch="$(mktemp -d)"
cleanup() {
  for account in "${created_users[@]}"; do
    userdel "$account" || echo "could not remove the account $account" >&2
  done
  if [ -n "$created_group" ]; then
    groupdel "$created_group" || echo "could not remove the group $created_group" >&2
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

groupadd "$group"
created_group="$group"
for account in "${waiters[@]}"; do
  useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
    --gid "$group" "$account"
  created_users+=("$account")
done

# The accounts reach the scratch root and run their own copy of the helper
# (the build folder may lie where they cannot read).
chmod 0755 "$scratch"
install -m 0755 "$helper" "$scratch/waiter_save"
folder="$scratch/orbisala"
mkdir "$folder"
chown "$owner:$group" "$folder"
chmod "$mode" "$folder"
echo "program folder: $(stat -c '%A %U:%G' "$folder") (postinst: $owner:orbisala $mode), waiters ${waiters[*]}, umask 022"

umask 022
ticket="Comanda al tavolo 1 del giorno 01.01.2026 alle ore 12.00.00.eur"
files=("Listino_Pizze.lst" "$ticket" "Orbisala.ini")
out="$scratch/out"

# as ACCOUNT COMMAND...: runs the command with the account's ids and groups,
# in a bare environment.
as() {
  local account="$1"
  shift
  setpriv --reuid="$account" --regid="$group" --init-groups \
    env -i PATH=/usr/bin:/bin HOME=/nonexistent LANG=C.UTF-8 "$@"
}

# save ACCOUNT TEXT: the account's station saves TEXT into the three files.
save() {
  local status=0
  as "$1" "$scratch/waiter_save" "$folder" "$2" >"$out" 2>&1 || status=$?
  sed 's/^/    /' "$out"
  return "$status"
}

# expect_saved TEXT ACCOUNT: each file holds what the save of TEXT writes,
# byte for byte.
expect_saved() {
  local text="$1" account="$2" expected="$scratch/expected"
  printf '%s\r\n' "$text" >"$expected"
  cmp "$folder/${files[0]}" "$expected" || fail "the price list does not hold what $account saved"
  cmp "$folder/${files[1]}" "$expected" || fail "the ticket does not hold what $account saved"
  printf '[Destinatari Comande]\r\nIndirizzi Email=%s\r\n' "$text" >"$expected"
  cmp "$folder/${files[2]}" "$expected" || fail "Orbisala.ini does not hold what $account saved"
}

describe() {
  for file in "${files[@]}"; do
    echo "    $(stat -c '%a %U:%G' "$folder/$file")  $file"
  done
}

# 1. The first waiter saves into an empty folder: the files take the
#    folder's group.
first="Margherita di ${waiters[0]}"
echo "${waiters[0]} saves: $first"
save "${waiters[0]}" "$first" || fail "${waiters[0]} could not save into the empty program folder"
expect_saved "$first" "${waiters[0]}"
describe
for file in "${files[@]}"; do
  [ "$(stat -c %G "$folder/$file")" = "$group" ] || fail "$file did not take the folder's group $group"
done

# 2. The second waiter replaces the three files the first one made.
second="Capricciosa di ${waiters[1]}"
echo "${waiters[1]} saves: $second"
save "${waiters[1]}" "$second" ||
  fail "${waiters[1]}, of the folder's group, could not replace the files ${waiters[0]} saved"
expect_saved "$second" "${waiters[1]}"
describe

# 3. And the first waiter in turn replaces the second one's files.
third="Diavola di ${waiters[0]}"
echo "${waiters[0]} saves: $third"
save "${waiters[0]}" "$third" ||
  fail "${waiters[0]} could not replace the files ${waiters[1]} saved"
expect_saved "$third" "${waiters[0]}"
describe

# 4. The first waiter makes its files read-only: the second one's save is
#    refused for each of them, and they keep their content.
for file in "${files[@]}"; do
  as "${waiters[0]}" chmod a-w "$folder/$file"
done
refused="Marinara di ${waiters[1]}"
echo "${waiters[0]} makes the files read-only; ${waiters[1]} saves: $refused"
describe
if save "${waiters[1]}" "$refused"; then
  fail "${waiters[1]} replaced files ${waiters[0]} made read-only"
fi
for file in "${files[@]}"; do
  grep -qiF "$file: " "$out" || fail "the save was not refused for $file"
  grep -iF "$file: " "$out" | grep -qi 'read-only' || fail "$file was refused for another reason than its read-only mode"
done
expect_saved "$third" "${waiters[0]}"
echo "PASS: two waiters of the group replace each other's files in the program folder; read-only files are refused"
