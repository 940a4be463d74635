#!/usr/bin/env bash
# Installs an already built tree into a scratch prefix with cmake --install and checks that the
# program, its desktop entry, its icons in every drawn size, its software-centre metadata, its manual
# page and its copyright land where a desktop and a user look for them, the desktop files named by
# the application id. Then makes the Debian package from the tree with cpack, as script/package
# does, and checks it as a distribution would: its name, Depends and Recommends, the desktop entry
# and the AppStream metadata with their validators, lintian without errors, and the program unpacked
# from it started on a virtual display to the entry window and out again with Exit and Yes.
# Exits 77, which ctest counts as skipped, where a tool of the package's checks is missing, except
# under CI (CI=true).
set -uo pipefail
build=${1:?usage: package_test.sh build-dir work-dir source-dir}
work=${2:?}
source=${3:?}
source "$source/tests/support/desktop.bash"
desktop_time_limit 150
id=io.github.orvanta.Orvanta

rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install failed: $(cat "$work/install.log")"
[ -x "$prefix/bin/orvanta" ] || fail "the program is not in bin/"
for file in share/metainfo/$id.metainfo.xml share/man/man1/orvanta.1.gz share/doc/orvanta/copyright; do
  [ -f "$prefix/$file" ] || fail "no $file"
done
entry=$prefix/share/applications/$id.desktop
[ -f "$entry" ] || fail "no desktop entry in share/applications/"
for expected in "Exec=orvanta" "Icon=$id" "Name=Orvanta"; do
  grep -qxF "$expected" "$entry" || fail "the desktop entry lacks $expected"
done
# A PNG keeps its width and height as 32-bit numbers from byte 16 on.
for size in 16 32 48 64 128; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$icon" ] || fail "no ${size}x$size icon"
  measured=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
  [ "$measured" = "0 0 0 $size 0 0 0 $size" ] || fail "the ${size}x$size icon measures $measured (bytes 16 to 23)"
done
echo "installed where a desktop looks"

need cpack dpkg-shlibdeps lintian desktop-file-validate appstreamcli Xvfb xdotool xprop
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  fail "cpack did not make the package"
}
deb="$work/orvanta_1.00_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work")"
echo "made $(basename "$deb")"

# The packages that hold, on this system, the libraries the program links against.
packages_of_libraries() {
  ldd "$1" | awk '$3 ~ /^\// { print $3 }' | grep -E '/lib(Qt6Widgets|Qt6Gui|Qt6Core|c)\.so' |
    while read -r library; do  # by the path as found or as resolved, whichever dpkg knows (merged /usr)
      dpkg-query -S "$library" 2>/dev/null || dpkg-query -S "$(readlink -f "$library")"
    done | cut -d: -f1 | sort -u
}
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 $(packages_of_libraries "$build/ui/app/orvanta"); do
  tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qx "$needed" || fail "Depends lacks $needed: $depends"
done
echo "Depends: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
tr ',' '\n' <<<"$recommends" | awk '{ print $1 }' | grep -qx qt6-wayland || fail "Recommends lacks qt6-wayland: $recommends"
echo "Recommends: $recommends"

root="$work/root"
dpkg -x "$deb" "$root" || fail "dpkg -x could not unpack the package"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "the desktop entry is not valid"
# validate-tree also finds the desktop entry that the metadata names as its launchable.
# AppStream 1.0 asks for the <developer> element, which 0.16 does not know yet.
appstream_before_1=()
appstreamcli --version | grep -q 'version: 0\.' && appstream_before_1=(--override=unknown-tag=pedantic)
appstreamcli validate-tree --no-net --strict "${appstream_before_1[@]}" "$root" ||
  fail "the AppStream metadata is not valid"
for picture in "$source"/docs/*.png; do
  grep -q "/docs/$(basename "$picture")</image>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metadata shows no screenshot docs/$(basename "$picture")"
done
echo "desktop entry and metadata valid"

lintian --fail-on error "$deb" || fail "lintian reports errors"
echo "lintian: no errors"

start_display
QT_QPA_PLATFORM=xcb "$root/usr/bin/orvanta" &
pid=$!
splash=$(await_window frmSplash) || fail "the unpacked program showed no credits window"
xdotool windowfocus --sync "$splash" key space
await_gone frmSplash || fail "a key did not dismiss the credits window"
entry=$(await_window frmMain) || fail "no entry window"
echo "entry window shown"

# From Amount the Tab order runs Rate, Terms, "Next >" and "Exit".
xdotool windowfocus --sync "$entry" key Tab Tab Tab Tab space
question=$(await_window other) || fail "Exit did not ask whether to leave"
xdotool windowfocus --sync "$question" key Return
ended_with_status_0 || fail "$why"
echo "ended with status 0"
