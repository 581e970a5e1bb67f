#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a temporary
# root and starts the unpacked labbench there, offscreen, on a shipped
# circuit of the unpacked tree: test_package.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
debs=("$work"/out/labbench_*.deb)
[ -f "${debs[0]}" ] || fail "no package in $work/out"
deb=${debs[0]}
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
for file in bin/labbench bin/cirtool \
  lib/labbench/liblgsim.so lib/labbench/libdmeterx.so lib/labbench/libdscopex.so \
  share/labbench/ICshape/74LS160.gif share/labbench/ICbmp/74LS160.bmp share/labbench/ICbmp/en/74LS160.bmp \
  share/labbench/circuit/decade_counter.cir share/labbench/circuit/decade_counter.lab \
  share/labbench/translations/labbench_en.qm \
  share/applications/labbench.desktop share/mime/packages/labbench.xml \
  share/icons/hicolor/48x48/apps/labbench.png share/icons/hicolor/256x256/apps/labbench.png; do
  [ -e "$usr/$file" ] || fail "the package lacks /usr/$file"
done
grep -qx 'Exec=labbench %f' "$usr/share/applications/labbench.desktop" || fail "the desktop entry does not pass the file"
grep -q 'MimeType=application/x-labbench-circuit;' "$usr/share/applications/labbench.desktop" ||
  fail "the desktop entry does not open circuit files"
grep -q '<glob pattern="\*.cir"/>' "$usr/share/mime/packages/labbench.xml" || fail "the file type does not name *.cir"

# The unpacked program must take its own libraries, not the build folder's.
libraries=$(env -u LD_LIBRARY_PATH ldd "$usr/bin/labbench")
grep -q "liblgsim.so => $usr/bin/../lib/labbench/liblgsim.so\|liblgsim.so => $usr/lib/labbench/liblgsim.so" <<< "$libraries" ||
  fail "labbench does not find its own liblgsim.so: $(grep lgsim <<< "$libraries")"

run() {  # run LOCALE: the unpacked program loads a shipped circuit and reports
  env -u LD_LIBRARY_PATH -u LANGUAGE LC_ALL="$1" LANG="$1" QT_QPA_PLATFORM=offscreen \
    "$usr/bin/labbench" --report-load "$usr/share/labbench/circuit/decade_counter.cir"
}
report=$(run en_US.UTF-8) || fail "labbench could not load the circuit: $report"
echo "$report"
grep -qx 'chips: 2' <<< "$report" || fail "the circuit did not load two chips"
grep -qx 'chip pictures: 2' <<< "$report" || fail "the chip pictures were not found"
grep -q '^wires: [1-9]' <<< "$report" || fail "the circuit has no wires"
grep -qx "data folder: $usr/share/labbench/" <<< "$report" || fail "the data folder is not the installed one"
grep -qx 'caption: decade_counter.cir - Digital Circuit Lab Bench' <<< "$report" || fail "the English interface is missing"
report=$(run zh_CN.UTF-8) || fail "labbench could not load the circuit under a Chinese locale"
grep -qx 'caption: decade_counter.cir - 数字电路虚拟实验台' <<< "$report" || fail "the Chinese interface is missing: $report"

# A file that is not there is refused with its message.
if out=$(env -u LD_LIBRARY_PATH LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen \
  "$usr/bin/labbench" --report-load "$work/none.cir" 2>&1); then
  fail "a missing file was reported as loaded"
fi
echo "the package installs and its program starts"
