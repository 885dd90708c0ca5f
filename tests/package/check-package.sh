#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as a distribution
# would: its files, its control fields, its metainfo, manual page and menu
# entry, and lintian.  Usage: check-package.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$work/kestrix_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work")"

# Its files: the program where Debian keeps games, what it reads, what desktops and man read.
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
for file in ./usr/games/kestrix ./usr/share/kestrix/main.jpg ./usr/share/kestrix/skins/Daylight/main.jpg \
            ./usr/share/kestrix/sounds/beep1.wav ./usr/share/kestrix/help/index.html \
            ./usr/share/applications/org.kestrix.Kestrix.desktop \
            ./usr/share/metainfo/org.kestrix.Kestrix.metainfo.xml ./usr/share/man/man6/kestrix.6.gz \
            ./usr/share/doc/kestrix/copyright ./usr/share/doc/kestrix/changelog.gz \
            ./usr/share/icons/hicolor/256x256/apps/kestrix.png; do
  grep -qx "$file" "$work/files" || fail "$file is not in the package"
done
# A player's files stay with the player: the package ships none of them.
misplaced='^./usr/bin/|^./usr/local/|/(skinfolder|scorelist|guide)\.ehf$'
! grep -qE "$misplaced" "$work/files" || fail "files out of place: $(grep -E "$misplaced" "$work/files")"

# Its control fields: the libraries it links, worked out from the program.
[ "$(dpkg-deb -f "$deb" Package Version Section | tr '\n' ' ')" = "Package: kestrix Version: $version Section: games " ] ||
  fail "control fields: $(dpkg-deb -f "$deb" Package Version Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libc6 fonts-dejavu-core; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.kestrix.Kestrix.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log"; fail "the metainfo is not valid"; }
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/org.kestrix.Kestrix.metainfo.xml" ||
  fail "the metainfo has no release $version"
desktop-file-validate "$work/root/usr/share/applications/org.kestrix.Kestrix.desktop" || fail "the menu entry is not valid"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
           "$work/root/usr/share/man/man6/kestrix.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
# The program says the version the package has, and its credits name the same.
said=$(QT_QPA_PLATFORM=offscreen "$work/root/usr/games/kestrix" --version)
[ "$said" = "Kestrix $version" ] || fail "the program says \"$said\" of its version"
grep -aq "Kestrix ${version%.*}"$'\r\n' "$work/root/usr/games/kestrix" || fail "the credits do not name Kestrix ${version%.*}"
[ "$(zcat "$work/root/usr/share/doc/kestrix/changelog.gz" | head -1)" = "kestrix ($version) unstable; urgency=medium" ] ||
  fail "the changelog does not begin with $version"

# lintian, run as root here, says so; errors fail the package, warnings are listed.
lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian found errors"
echo "package: $(basename "$deb") is sound"
