# Sourced by the scripts: a private Xvfb on a free display, stopped by its PID.
# Usage: . scripts/xvfb-env.sh; xvfb_start; ...; xvfb_stop
xvfb_pid=

xvfb_start() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -displayfd: Xvfb picks a free display and writes its number once ready.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  local display
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
}

xvfb_stop() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  fi
}
