# Sourced by the scripts: installs the Debian packages the build and the tests
# need, only those missing, quietly. Usage: . scripts/install-deps.sh; install_deps PKG...
install_deps() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
    "${missing[@]}" >/dev/null
}

# What every build needs: native and cross compilers, GoogleTest, Wine with
# its fonts (Marlett draws the caption buttons), Xvfb, and python3 for the
# scripts' checks.
base_packages=(cmake make g++ googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb python3)

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
# Chromium (driven by Playwright from npm) is the browser of its tests.
web_packages=(emscripten nodejs chromium)

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
