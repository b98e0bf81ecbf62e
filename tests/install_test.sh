#!/usr/bin/env bash
# Install the build into a temporary prefix and run the installed programs
# from there: the database comes from the prefix into a fresh data directory,
# and the desktop entry, icons, help pages and man page are in place.
#   tests/install_test.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install test: $*" >&2; exit 1; }
db="OVS Test Database (Shareware).db"
for f in bin/ovalspin-cli "share/ovalspin/$db" share/ovalspin/help/index.html share/man/man6/ovalspin-cli.6 \
         share/icons/hicolor/scalable/apps/ovalspin.svg share/icons/hicolor/48x48/apps/ovalspin.png \
         share/icons/hicolor/256x256/apps/ovalspin.png share/doc/ovalspin/copyright; do
  [ -e "$prefix/$f" ] || fail "$f was not installed"
done

"$prefix/bin/ovalspin-cli" --version | grep -q '^ovalspin-cli (Ovalspin) v' || fail "ovalspin-cli --version"
out=$(OVALSPIN_DATA="$tmp/data" "$prefix/bin/ovalspin-cli" db)
grep -q "^Database: $tmp/data/$db" <<<"$out" || fail "db did not use the data directory: $out"
cmp -s "$tmp/data/$db" "$prefix/share/ovalspin/$db" || fail "the database was not copied from the prefix"
grep -q '^Squads: ' <<<"$out" || fail "db printed no squads"
grep -q '^\.TH OVALSPIN-CLI 6' "$prefix/share/man/man6/ovalspin-cli.6" || fail "the man page has no title"

if [ -e "$prefix/bin/ovalspin" ]; then
  [ -e "$prefix/share/applications/ovalspin.desktop" ] || fail "no desktop entry"
  desktop-file-validate "$prefix/share/applications/ovalspin.desktop" || fail "desktop-file-validate"
  "$prefix/bin/ovalspin" --version | grep -q '^ovalspin (Ovalspin) v' || fail "ovalspin --version"
  # The installed game starts on Qt's offscreen platform, takes its database
  # from the prefix, creates its window and waits at its about box.
  QT_QPA_PLATFORM=offscreen "$prefix/bin/ovalspin" --data "$tmp/gui" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 600); do
    grep -q '^MAX_SQUAD' "$tmp/gui/DEBUG.TXT" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.5
  running=0
  kill -0 "$pid" 2>/dev/null && running=1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$running" = 1 ] || fail "ovalspin ended by itself"
  grep -q '^Started Ovalspin' "$tmp/gui/DEBUG.TXT" || fail "ovalspin wrote no log"
  grep -q '^MAX_SQUAD' "$tmp/gui/DEBUG.TXT" || fail "ovalspin did not get as far as its window"
  cmp -s "$tmp/gui/$db" "$prefix/share/ovalspin/$db" || fail "ovalspin did not copy the database"
fi
echo "install test: passed ($prefix)"
