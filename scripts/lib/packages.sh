# Helpers for the scripts: make sure Debian packages are installed.
# ensure_packages PKG...: installs the missing ones with apt-get when run as
# root, saying which, with apt-get's own output in a log that is shown only
# when it fails; otherwise prints the apt-get line to run and stops.

ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing with apt-get: ${missing[*]}" >&2
    local log
    log=$(mktemp)
    export DEBIAN_FRONTEND=noninteractive
    if apt-get -o DPkg::Lock::Timeout=600 update -q >"$log" 2>&1 &&
      apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}" \
        >>"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    tail -n 20 "$log" >&2
    echo "apt-get failed; its whole output: $log" >&2
    exit 1
  else
    echo "Missing packages. Run as root (or with sudo):" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
}

# What building the programs needs (rsvg-convert renders the icon's sizes
# from its drawing), and with the tests.
BUILD_PACKAGES=(cmake make g++ librsvg2-bin)
CORE_PACKAGES=("${BUILD_PACKAGES[@]}" libgtest-dev)
# The tests' own FUSE file systems, one that fails on purpose and one that
# stops answering: libfuse3 to build them (pkg-config finds it), fusermount3
# to unmount them.
FAILING_FS_PACKAGES=(pkg-config libfuse3-dev fuse3)

# What the desktop program needs to build and to show its window: Qt 6
# Widgets (with QTest and the offscreen platform) and its font.
QT_PACKAGES=(qt6-base-dev fonts-dejavu-core)
# To run the window where there is no display, and to take a screenshot of
# it there.
HEADLESS_DISPLAY_PACKAGES=(xvfb xauth)
SCREENSHOT_PACKAGES=(imagemagick)

# Building the Debian package (cpack: dpkg-shlibdeps finds the libraries,
# with file and objdump; gzip for its change log and manual page) and
# checking what it carries (the validators of the menu entry and of the
# AppStream description, and Debian's package checker lintian).
DEB_PACKAGES=(dpkg-dev file binutils gzip desktop-file-utils appstream lintian)

# Opening the collection report's page in a real browser engine (headless).
BROWSER_PACKAGES=(chromium)

# Building the Windows program Zbk.exe: the MinGW-w64 cross compiler.
# icotool puts the icon file of Zbk.exe together.
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix icoutils)
# Running its tests: Wine (on a virtual screen, HEADLESS_DISPLAY_PACKAGES).
WINDOWS_TEST_PACKAGES=(wine wine64 fonts-wine)

# The packages the libFuzzer build needs (clang and its runtime libraries).
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
