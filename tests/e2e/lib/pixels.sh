# Judging screenshots, shared by the Linux and the Wine end-to-end checks. Sourced; the caller defines fail.

# stat FILE KEY: one figure from the pixel statistics of a screenshot (analysed once, then looked up).
stat() {
  [ -f "$1.stats" ] || /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/pixel_stats.py" "$1" >"$1.stats"
  sed -n "s/^$2=//p" "$1.stats"
}

# expect_van_view FILE: the viewer's start view, the magenta and cyan van at the centre of a black picture.
# Sets lit to the lit pixels of the whole picture.
expect_van_view() {
  local total magenta cyan all
  total=$(stat "$1" centre_total)
  magenta=$(stat "$1" centre_magenta)
  cyan=$(stat "$1" centre_cyan)
  echo "centre: total $total, magenta $magenta, cyan $cyan"
  [ "$magenta" -gt $((total / 100)) ] || fail "too little magenta at the centre ($magenta of $total)"
  [ "$cyan" -gt $((total / 500)) ] || fail "too little cyan at the centre ($cyan of $total)"
  all=$(stat "$1" total)
  lit=$(stat "$1" lit)
  [ "$lit" -lt $((all / 2)) ] || fail "the background is not black ($lit of $all lit)"
}
