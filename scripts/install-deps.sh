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
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# What every build needs: native and cross compilers, GoogleTest, Wine, Xvfb.
base_packages=(cmake make g++ googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb)
