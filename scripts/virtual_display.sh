# SPDX-License-Identifier: MIT
# Sourced: start_virtual_display [WIDTHxHEIGHT] [Xvfb options...] starts an
# Xvfb on a display number the server picks itself (-displayfd), so two
# tests starting one at the same moment never end up sharing a display, and
# returns once it takes clients. Exports DISPLAY and sets VIRTUAL_DISPLAY_PID;
# returns 1 when no server could start within a minute.
start_virtual_display() {
  local size=${1:-1920x1080} file n= end=$((SECONDS + 60))
  shift || true
  file=$(mktemp)
  # -noreset: otherwise Xvfb resets whenever its last client leaves, and a
  # client connecting in that moment is refused.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset "$@" 3>"$file" >/dev/null 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  # The number is written, with a newline, once the server is ready.
  while [ $SECONDS -lt $end ] && kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null; do
    if [ "$(wc -l <"$file")" -ge 1 ]; then n=$(head -n1 "$file"); break; fi
    sleep 0.05
  done
  rm -f "$file"
  if [ -z "$n" ]; then
    kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    return 1
  fi
  export DISPLAY=":$n"
}
