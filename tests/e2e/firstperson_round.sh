#!/usr/bin/env bash
# A short round, chosen in the settings file of a home of its own: when its time of play is up the record
# table appears over the overview and the round is in the records file; fire starts a second round, fresh
# (no table, no score), whose end puts a second round in the file.
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"
export HOME=$e2e_tmp/home XDG_CONFIG_HOME="" XDG_DATA_HOME=""
mkdir -p "$HOME/.config/studio3d"
# Four seconds of play.
echo 'round_minutes = 0.0667' >"$HOME/.config/studio3d/settings.toml"
records=$HOME/.local/share/studio3d/records.toml
caption='Studio 3D first-person combat | studio3d.dev'

# Pixels of the window's middle that are white: the table's text, which nothing else in the arena is.
white() {
  /usr/bin/python3 -c '
import sys
from PIL import Image
image = Image.open(sys.argv[1]).convert("RGB")
w, h = image.size
box = image.crop((w // 4, h // 4, 3 * w // 4, 3 * h // 4))
print(sum(1 for r, g, b in box.getdata() if min(r, g, b) > 215))' "$1"
}
rounds_kept() { grep -c '^\[\[round\]\]' "$records" 2>/dev/null || echo 0; }
wait_rounds() {
  local deadline=$((SECONDS + 30))
  while [ "$(rounds_kept)" -lt "$1" ]; do
    [ $SECONDS -lt "$deadline" ] || fail "the records file holds $(rounds_kept) rounds, not $1"
    sleep 0.2
  done
}

start_program "$exe"
win=$(wait_window '^Studio 3D first-person combat')
screenshot "$win" "$e2e_tmp/playing.png"
wait_rounds 1
sleep 0.5
screenshot "$win" "$e2e_tmp/table.png"
playing=$(white "$e2e_tmp/playing.png")
table=$(white "$e2e_tmp/table.png")
echo "white pixels in the middle: $playing playing, $table with the table"
[ "$table" -gt $((playing + 200)) ] || fail "no table over the arena ($playing -> $table white pixels)"
grep -q 'score = 0' "$records" || fail "the round is not in the file: $(cat "$records")"

# Fire (Space) plays again once the table has been seen a moment; the table goes, and the round is fresh.
sleep 1
xdotool key --window "$win" space
fresh=""
for _ in $(seq 30); do
  screenshot "$win" "$e2e_tmp/again.png"
  again=$(white "$e2e_tmp/again.png")
  if [ "$again" -lt $((table - 200)) ]; then
    fresh=yes
    break
  fi
  sleep 0.1
done
[ -n "$fresh" ] || fail "the table stayed after Space ($again white pixels)"
[ "$(xdotool getwindowname "$win")" = "$caption" ] || fail "caption: $(xdotool getwindowname "$win")"
[ "$(rounds_kept)" = 1 ] || fail "a second round was kept at its start"
wait_rounds 2

press_until_exit "$win" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
[ ! -s "$e2e_tmp/stderr" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
echo "PASS"
