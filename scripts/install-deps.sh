#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages this project builds, tests and runs with.
# Idempotent: packages already present are left alone; apt is only called when
# something is missing.  Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  # the wall panels' plate analysis: Eigen's sparse solvers (header-only, also for the web)
  libeigen3-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # Qt's own texts in Chinese: the standard buttons and the file and print dialogs
  qt6-translations-l10n
  fonts-wqy-microhei
  # the faces for characters WenQuanYi Micro Hei lacks (Ⓐ, CJK Extensions A to F):
  # HanaMinA and HanaMinB
  fonts-hanazono
  # the program's own PDF writer: HarfBuzz shapes the text and its subsetter cuts the faces
  # down, fontconfig finds the faces' files, libdeflate compresses the streams
  libharfbuzz-dev libfontconfig-dev libdeflate-dev
  xvfb xauth imagemagick
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
  # the sheets' PDFs read back in the tests: text, fonts, pages rendered, the file checked
  poppler-utils qpdf
  # the .deb: dpkg-shlibdeps and file for CPack, desktop-file-validate and
  # rsvg-convert to check the menu entry and the icon it installs
  dpkg-dev file desktop-file-utils librsvg2-bin
  # the web edition: Emscripten, fast_float for its standard library's missing
  # floating-point from_chars, and a real browser for its tests
  emscripten libfast-float-dev
  chromium chromium-driver python3-selenium
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

SUDO=""
if [[ $(id -u) -ne 0 ]]; then
  SUDO="sudo"
fi

echo "installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
