# Sourced by scripts/test: names its stages and, when the script ends (passed
# or failed), prints how long each took, so the next person sees where the
# time goes. Usage: stage "NAME"; ...; on_exit FUNCTION runs FUNCTION first.
stage_lines=()
stage_name=
stage_start=$SECONDS
exit_hook=:

stage_end() {
  [ -n "$stage_name" ] || return 0
  stage_lines+=("$(printf '%5d s  %s' $((SECONDS - stage_start)) "$stage_name")")
  stage_name=
}

stage() {
  stage_end
  stage_name=$1
  stage_start=$SECONDS
  echo "== $1"
}

on_exit() { exit_hook=$1; }

stages_report() {
  local status=$?
  "$exit_hook"
  stage_end
  echo "== time per stage"
  printf '%s\n' "${stage_lines[@]}"
  printf '%5d s  in all (%dm %02ds)\n' "$SECONDS" $((SECONDS / 60)) $((SECONDS % 60))
  return "$status"
}
trap stages_report EXIT
