#!/usr/bin/env bash
# Builds the Debian package build/zorozod-editor_<version>_amd64.deb, then
# checks it as an installation would see it: unpacked into a fresh folder,
# every library of its programs found in Debian's packages, the tool run on
# the installed example, the editor started and closed on the offscreen
# platform.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/zorozod-editor_*_amd64.deb)
echo "package: $deb"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "the package does not depend on Qt's runtime"; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for program in zorozod zorozod-editor; do
  binary="$root/usr/bin/$program"
  [ -x "$binary" ] || { echo "missing: /usr/bin/$program"; exit 1; }
  if ldd "$binary" | grep -q "not found"; then echo "$program: a library is not found"; ldd "$binary"; exit 1; fi
  for lib in $(ldd "$binary" | awk '/=> \// { print $3 }'); do
    dpkg -S "$(readlink -f "$lib")" >/dev/null 2>&1 || dpkg -S "$lib" >/dev/null 2>&1 ||
      { echo "$program: $lib comes from no Debian package"; exit 1; }
  done
done
for file in usr/share/applications/zorozod-editor.desktop usr/share/icons/hicolor/scalable/apps/zorozod-editor.svg \
            usr/share/icons/hicolor/48x48/apps/zorozod-editor.png usr/share/man/man1/zorozod.1 \
            usr/share/zorozod-editor/examples/sample.box usr/share/zorozod-editor/examples/sample.LIS; do
  [ -f "$root/$file" ] || { echo "missing: /$file"; exit 1; }
done

set +e
check=$("$root/usr/bin/zorozod" check "$root/usr/share/zorozod-editor/examples/sample.box")
status=$?
set -e
[ "$status" -eq 1 ] && [ "$(printf '%s\n' "$check" | wc -l)" -eq 2 ] ||
  { echo "zorozod check on the installed example: status $status"; printf '%s\n' "$check"; exit 1; }

# The editor runs until it is asked to stop: it must still be running after 5 seconds.
set +e
QT_QPA_PLATFORM=offscreen timeout -s TERM 5 "$root/usr/bin/zorozod-editor" 2>"$root/editor.err"
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the installed editor ended early with status $status"; cat "$root/editor.err"; exit 1; }
echo "package checked: libraries from Debian packages, the tool on the example, the editor started and closed"
