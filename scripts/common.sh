# Shared by ./play and ./run-tests: install what is missing, then build.
# Sourced, not run; expects $ROOT to be the checkout.

PACKAGES=(build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libfreetype-dev libfontconfig-dev fonts-liberation
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libpng-dev
  libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev)
# The tests of the installed game and of its Debian package.
PACKAGES+=(desktop-file-utils appstream lintian dpkg-dev file x11-utils)
# bench/sound_levels.sh measures the sound effects.
PACKAGES+=(sox)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_tree DIR [cmake options...] [--target T...]: configure with these
# options, then build the targets named, or everything.
build_tree() {
  local dir="$1"; shift
  local options=() targets=()
  while [ $# -gt 0 ]; do
    case "$1" in
      --target) targets+=(--target "$2"); shift 2 ;;
      *) options+=("$1"); shift ;;
    esac
  done
  cmake -S "$ROOT" -B "$dir" -G Ninja "${options[@]}" >/dev/null
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
