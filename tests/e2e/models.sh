#!/usr/bin/env bash
# Each model the viewer is asked for is the one on screen: its colours at the centre of the black window,
# none of the van's magenta unless it is the van, and a clean exit on Escape.
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"

# model, the colour it shows most, and whether magenta may show
while read -r model colour magenta_allowed; do
  start_program "$exe" "$model"
  win=$(wait_window '^Studio 3D model viewer')
  sleep 1.5
  shot="$e2e_tmp/$model.png"
  screenshot "$win" "$shot"
  total=$(stat "$shot" centre_total)
  seen=$(stat "$shot" "centre_$colour")
  magenta=$(stat "$shot" centre_magenta)
  echo "$model: centre total=$total $colour=$seen magenta=$magenta"
  [ "$seen" -gt $((total / 100)) ] || fail "$model: too little $colour at the centre ($seen of $total)"
  [ "$magenta_allowed" = yes ] || [ "$magenta" = 0 ] || fail "$model: magenta at the centre ($magenta)"
  [ "$(stat "$shot" lit)" -lt $(($(stat "$shot" total) / 2)) ] || fail "$model: the background is not black"
  press_until_exit "$win" Escape
  [ "$exit_status" = 0 ] || fail "$model: exit status $exit_status"
  [ ! -s "$e2e_tmp/stderr" ] || fail "$model: standard error: $(cat "$e2e_tmp/stderr")"
done <<'MODELS'
van magenta yes
tank green no
triplane magenta yes
garden-tree cyan no
conifer cyan no
MODELS
echo "PASS"
