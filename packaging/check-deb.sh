#!/usr/bin/env bash
# Makes the .deb of a built tree, unpacks it into a scratch root as dpkg -x does (nothing
# is installed on this machine) and runs the programs it holds.
#
#   bash packaging/check-deb.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail

build=$1
scratch=$2
fail() {
  echo "check-deb: $*" >&2
  exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack failed"
fi
debs=("$scratch"/wallcalc_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one wallcalc_*.deb in $scratch"
deb=${debs[0]}
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Architecture Depends

# What the programs link, found by dpkg-shlibdeps, and the faces they are set in.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for need in fonts-wqy-microhei fonts-hanazono qt6-translations-l10n libqt6core6 libqt6gui6 \
  libqt6widgets6 libqt6printsupport6 libdeflate0 libstdc++6 libc6; do
  grep -qxF "$need" <<<"$names" || fail "Depends lacks $need: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
expected="./usr/bin/wallcalc
./usr/bin/wallcalc-cli
./usr/share/applications/wallcalc.desktop
./usr/share/icons/hicolor/256x256/apps/wallcalc.png
./usr/share/icons/hicolor/scalable/apps/wallcalc.svg"
files=$(cd "$root" && find . -type f | LC_ALL=C sort)
[[ $files == "$expected" ]] || fail "the package holds:"$'\n'"$files"$'\n'"expected:"$'\n'"$expected"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/wallcalc.desktop"
fi
if command -v rsvg-convert >/dev/null; then
  rsvg-convert -w 48 -h 48 "$root/usr/share/icons/hicolor/scalable/apps/wallcalc.svg" \
    -o "$scratch/icon-48.png" || fail "the icon does not render"
fi
for program in wallcalc wallcalc-cli; do
  if ldd "$root/usr/bin/$program" | grep -F -e "$build" -e "not found"; then
    fail "$program needs libraries that are not the system's"
  fi
done

# The installed command line on the window's defaults, without a display.
cli() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/wallcalc-cli" "$@"; }
# The default wall does not carry its shear: the design is not satisfied (exit status 3).
status=0
out=$(cli --mode ordinary) || status=$?
[[ $status == 3 ]] || fail "wallcalc-cli --mode ordinary ended with $status, not 3 (shear)"
grep -qF "结论：不满足（受剪）" <<<"$out" || fail "wallcalc-cli --mode ordinary gives no verdict"

for result in "MBk（kN.m）：106.067" "As（mm2）：2602.286" "选用钢筋（mm）：20" \
  "As（mm2）：3463.606" "Wmax（mm）：0.165" "选用钢筋（mm）：21"; do
  grep -qxF "  $result" <<<"$out" || fail "wallcalc-cli --mode ordinary does not show $result"
done
echo "wallcalc-cli --mode ordinary: 106.067, 2602.286, 20, 3463.606, 0.165, 21"
cli --mode ordinary --h5 400 --pdf "$scratch/sheet.pdf" >/dev/null
[[ $(head -c 5 "$scratch/sheet.pdf") == "%PDF-" ]] || fail "wallcalc-cli --pdf wrote no PDF"
echo "wallcalc-cli --pdf: $(wc -c <"$scratch/sheet.pdf") bytes"

# The installed window opens and stays open until it is closed.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/wallcalc" >/dev/null 2>&1 || status=$?
[[ $status -eq 124 ]] || fail "wallcalc ended by itself with status $status"
echo "wallcalc: the window ran until stopped"
