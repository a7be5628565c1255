# Sourced by the whole-program test scripts: a tally of checks, a wait for a
# window by its exact title, and writers of the settings and lesson files the
# program reads (GBK, as the Windows version writes them).
pass=0 fail=0
check() { if "$@"; then pass=$((pass+1)); else echo "FAILED: $*"; fail=$((fail+1)); fi; }

wait_window() { # name
  for _ in $(seq 300); do # a minute, for a loaded machine
    xdotool search --name "^$1\$" 2>/dev/null | head -n1 && return 0
    sleep 0.2
  done
  return 1
}

picture_shown() { # a photo has thousands of colours, a plain background a handful
  import -window root "$work/shot.png"
  [ "$(convert "$work/shot.png" -format %k info:)" -gt 2000 ]
}

gbk_text() { local b; b=$(printf '%s' "$1" | iconv -f UTF-8 -t GBK); printf "\\x$(printf %02x ${#b})\\0%s" "$b"; }

write_settings() { # file unit stage-subject teacher: record 1 empty, record 2 the three texts
  mkdir -p "$(dirname "$1")"
  { head -c 128 /dev/zero; LC_ALL=C gbk_text "$2"; LC_ALL=C gbk_text "$3"; LC_ALL=C gbk_text "$4"; } >"$1"
}

write_lesson() { # file chapter-title lesson-title: a .spz line file with the other slots empty
  mkdir -p "$(dirname "$1")"
  printf '%s\r\n' "$2" "$3" '' '' '' '' '' '' '' '' '' '' '' '' '' | iconv -f UTF-8 -t GBK >"$1"
}
