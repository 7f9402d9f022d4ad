#!/usr/bin/env bash
# Builds the Debian package from this build folder, unpacks it into a scratch folder and
# starts the installed program headless against a fresh root folder.
set -euo pipefail
build_dir="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cd "$build_dir"
cpack -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; exit 1; }
deb="$(ls "$scratch"/pkg/*.deb)"
echo "package: $(basename "$deb")"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for lib in libqt6widgets6 libqt6charts6 libmdb3 libsqlite3-0; do
    grep -q "$lib" <<<"$depends" || { echo "missing runtime dependency $lib"; exit 1; }
done

dpkg -x "$deb" "$scratch/root"
for f in usr/bin/terrasond usr/bin/terrasond-mdb usr/share/applications/org.terrasond.Terrasond.desktop \
         usr/share/metainfo/org.terrasond.Terrasond.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.terrasond.Terrasond.svg \
         usr/share/icons/hicolor/48x48/apps/org.terrasond.Terrasond.png; do
    [ -e "$scratch/root/$f" ] || { echo "not installed: $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$scratch/root/usr/share/applications/org.terrasond.Terrasond.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/org.terrasond.Terrasond.metainfo.xml"
fi

"$scratch/root/usr/bin/terrasond" --version
data="$scratch/data"
QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/terrasond" --root "$data" --check
for f in port.DAT porttype.DAT languaje.DAT sett.DAT; do
    [ -f "$data/$f" ] || { echo "settings file not created: $f"; exit 1; }
done
echo "installed program started, created its settings files and found its bundled data"
