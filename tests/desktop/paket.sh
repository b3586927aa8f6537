#!/usr/bin/env bash
# Builds the Debian package as the README says, lets lintian judge it, unpacks it into a scratch folder and runs
# the programs from there (Debian keeps games in /usr/games) on the shipped demo game: the same table as the
# programs of the build folder.
#   paket.sh BAUORDNER VERSION
set -euo pipefail
bau=$1 version=$2
ablage=$(mktemp -d)
trap 'rm -rf "$ablage"' EXIT
cpack --config "$bau/CPackConfig.cmake" -B "$ablage" >/dev/null
deb=$ablage/ovikuvela_${version}_amd64.deb
test -f "$deb"

# Dependencies come from the binaries.
abh=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libfontconfig1 libc6; do
    [[ ", $abh" == *", $lib "* ]] || { echo "$lib fehlt in Depends: $abh"; exit 1; }
done
test "$(dpkg-deb -f "$deb" Package Version Architecture Section)" = "$(printf 'Package: ovikuvela\nVersion: %s\nArchitecture: amd64\nSection: games' "$version")"

lintian --fail-on error --tag-display-limit 0 "$deb"

mkdir "$ablage/wurzel"
dpkg-deb -x "$deb" "$ablage/wurzel"
cd "$ablage/wurzel/usr"
for f in share/applications/org.example.ovikuvela.desktop share/mime/packages/ovikuvela.xml \
         share/metainfo/org.example.ovikuvela.metainfo.xml share/icons/hicolor/scalable/apps/ovikuvela.svg; do
    test -f "$f" || { echo "$f fehlt im Paket"; exit 1; }
done
# The menu entry starts the program where the package puts it, with no help from PATH.
desktop-file-validate share/applications/org.example.ovikuvela.desktop
grep -qx 'Exec=/usr/games/ovikuvela %f' share/applications/org.example.ovikuvela.desktop
test -x "$ablage/wurzel/usr/games/ovikuvela"
spiel=share/ovikuvela/wm2006-ergebnisse.gowet
games/ovikuvela-auswertung --weltmeister Italien "$spiel" >"$ablage/tabelle"
"$bau/bin/ovikuvela-auswertung" --weltmeister Italien "$bau/data/wm2006-ergebnisse.gowet" >"$ablage/soll"
diff -u "$ablage/soll" "$ablage/tabelle"
test "$(wc -l <"$ablage/tabelle")" -ge 7
test "$(env -u DISPLAY -u QT_QPA_PLATFORM games/ovikuvela --version)" = "ovikuvela $version"
echo "Paket in Ordnung: $(basename "$deb")"
