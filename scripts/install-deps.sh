# Sourced by the scripts: installs the Debian packages the build and the tests
# need, only those missing, quietly. Usage: . scripts/install-deps.sh; install_deps PKG...
missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      echo "$pkg"
  done
}

install_deps() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
    "${missing[@]}" >/dev/null
}

# Runs install_deps PKG... in the background, output to build/installs.log,
# so the downloads overlap the first builds; wait_for_background_deps then
# waits for it and fails as it did. Nothing else may use apt meanwhile.
install_deps_in_background() {
  mkdir -p build
  # sudo asks for a password here, in the foreground, if it must.
  if [ "$(id -u)" -ne 0 ] && [ -n "$(missing_packages "$@")" ]; then sudo -v; fi
  install_deps "$@" >build/installs.log 2>&1 &
  background_deps_pid=$!
}
wait_for_background_deps() {
  [ -n "${background_deps_pid:-}" ] || return 0
  local status=0
  wait "$background_deps_pid" || status=$?
  background_deps_pid=
  cat build/installs.log
  return "$status"
}

# What the native trees need: compiler, GoogleTest (Debian's built library,
# and its sources for the cross builds), python3 for the scripts' checks.
native_packages=(cmake make g++ googletest libgtest-dev python3)
# The Windows trees: the cross compiler, Wine with its fonts (Marlett draws
# the caption buttons) and Xvfb.
windows_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine xvfb)
# What every build needs.
base_packages=("${native_packages[@]}" "${windows_packages[@]}")

# Hardening: clang with libFuzzer and the sanitizer run-times (scripts/fuzz
# and the corpus replays), wrestool for the checks of the Windows program.
fuzz_packages=(clang libclang-rt-14-dev)
exe_check_packages=(icoutils)

# scripts/release: the Windows cross build, git for the commit's date,
# python3 to write the zip.
release_packages=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 git python3)

# Node runs the black-box check of reacalc-cli against the JavaScript model.
node_packages=(nodejs)

# The web page: Emscripten builds it, Node (with its own npm) runs its tests
# and serves it,
# Chromium (driven by Playwright from npm) is the browser of its tests;
# cmark-gfm, GitHub's own Markdown renderer, reads the CLI's Markdown back.
web_packages=(emscripten nodejs chromium cmark-gfm)

# The npm packages of package.json at the versions package-lock.json fixes;
# never a browser of their own (Debian's chromium serves). A stamp holds the
# hash of the lock they came from, so a changed lock installs them again.
install_npm_packages() {
  local stamp=node_modules/.reacalc-lock.sha256 lock
  lock=$(sha256sum package-lock.json | cut -d' ' -f1)
  [ "$(cat "$stamp" 2>/dev/null)" = "$lock" ] && return 0
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null
  echo "$lock" >"$stamp"
}
