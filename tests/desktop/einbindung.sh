#!/usr/bin/env bash
# Installs the build into a scratch root and checks what the desktop reads: the file list, the menu entry,
# the file type, the store description; each with the validator Debian uses for it.
#   einbindung.sh BAUORDNER VERSION
set -euo pipefail
bau=$1 version=$2
wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
cmake --install "$bau" --prefix "$wurzel/usr" >/dev/null
cd "$wurzel/usr"

diff -u - <(find . -type f | sort) <<'LISTE'
./bin/ovikuvela
./bin/ovikuvela-auswertung
./share/applications/org.example.ovikuvela.desktop
./share/doc/ovikuvela/changelog.gz
./share/doc/ovikuvela/copyright
./share/icons/hicolor/scalable/apps/ovikuvela.svg
./share/man/man6/ovikuvela-auswertung.6.gz
./share/man/man6/ovikuvela.6.gz
./share/metainfo/org.example.ovikuvela.metainfo.xml
./share/mime/packages/ovikuvela.xml
./share/ovikuvela/spielplan-wm2006.gowet
./share/ovikuvela/wm2006-1-nach-gruppenphase.gowet
./share/ovikuvela/wm2006-2-nach-achtelfinale.gowet
./share/ovikuvela/wm2006-3-nach-viertelfinale.gowet
./share/ovikuvela/wm2006-4-nach-halbfinale.gowet
./share/ovikuvela/wm2006-5-nach-finale.gowet
./share/ovikuvela/wm2006-ergebnisse.gowet
LISTE

desktop-file-validate share/applications/org.example.ovikuvela.desktop
appstreamcli validate --no-net --pedantic share/metainfo/org.example.ovikuvela.metainfo.xml
xmllint --noout share/mime/packages/ovikuvela.xml

# The file type is known by its ending once the MIME database is built from the installed package file.
update-mime-database share/mime
grep -qx 'application/x-ovikuvela:\*\.gowet' share/mime/globs
grep -qx 'application/x-ovikuvela:ovikuvela' share/mime/icons
# The menu entry opens exactly that type with the installed program, by its path (a file manager's PATH may lack
# the folder), and names the installed icon.
diff -u - <(grep -E '^(Exec|Icon|MimeType)=' share/applications/org.example.ovikuvela.desktop) <<EINTRAG
Exec=$wurzel/usr/bin/ovikuvela %f
Icon=ovikuvela
MimeType=application/x-ovikuvela;
EINTRAG
test -x "$(sed -n 's/^Exec=\(.*\) %f$/\1/p' share/applications/org.example.ovikuvela.desktop)"

# A new version needs its own entry in the release history of the store description and of the package.
grep -q "<release version=\"$version\" date=" share/metainfo/org.example.ovikuvela.metainfo.xml
zcat share/doc/ovikuvela/changelog.gz | head -1 | grep -qx "ovikuvela ($version) unstable; urgency=medium"
for seite in share/man/man6/*.6.gz; do
    test -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$seite" 2>&1 >/dev/null)"
done
echo "Einbindung in Ordnung"
