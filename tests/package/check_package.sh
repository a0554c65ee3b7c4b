#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as a user's system
# would meet it: the files it installs, its dependencies, the menu entry, the
# AppStream metainfo, the icons, the manual pages, lintian, and the installed
# programs reading the installed sample family.
# Usage: check_package.sh BUILD_DIR
set -uo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in cpack dpkg-deb desktop-file-validate appstreamcli lintian man file; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (run scripts/install-deps)"; exit 1; }
done

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"; echo "FAIL: cpack could not build the package"; exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb, got: ${debs[*]}"; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

# The file list: everything a desktop needs, and nothing else.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\./, "", $6); print $6}' | sort >"$work/files"
expected=(
  /usr/bin/kinmora /usr/bin/kinmora-cli /usr/bin/kinmora-mkfamily
  /usr/libexec/kinmora/kinmora-reader /usr/libexec/kinmora/kinmora-picture
  /usr/share/kinmora/sample-family.mdb
  /usr/share/applications/org.kinmora.Kinmora.desktop
  /usr/share/mime/packages/org.kinmora.Kinmora.xml
  /usr/share/metainfo/org.kinmora.Kinmora.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/kinmora.svg
  /usr/share/man/man1/kinmora.1.gz /usr/share/man/man1/kinmora-cli.1.gz
  /usr/share/man/man1/kinmora-mkfamily.1.gz
  /usr/share/doc/kinmora/copyright /usr/share/doc/kinmora/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/kinmora.png")
done
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
missing=$(comm -13 "$work/files" "$work/expected")
extra=$(comm -23 "$work/files" "$work/expected")
[ -z "$missing" ] || fail "the package lacks: $missing"
[ -z "$extra" ] || fail "the package holds files nobody asked for: $extra"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in 'libmdb3' 'libqt6widgets6' 'libqt6core6' 'libsqlite3-0' 'fonts-thai-tlwg' 'qt6-qpa-plugins'; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
for field in Section Maintainer Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the control file has no $field"
done

root=$work/root
dpkg-deb -x "$deb" "$root"

desktop=$root/usr/share/applications/org.kinmora.Kinmora.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "the menu entry starts '$exec_line', which the package does not install"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the menu entry's icon $icon is not installed"
for mime in application/x-msaccess application/vnd.ms-access application/x-ms-accdb; do
  grep -q "^MimeType=.*$mime;" "$desktop" || fail "the menu entry does not open $mime"
done

appstreamcli validate --no-net "$root/usr/share/metainfo/org.kinmora.Kinmora.metainfo.xml" ||
  fail "appstreamcli rejects the metainfo"
grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\"" "$root/usr/share/metainfo/org.kinmora.Kinmora.metainfo.xml" ||
  fail "the metainfo's release is not the package's version"

for png in "$root"/usr/share/icons/hicolor/*x*/apps/kinmora.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  file -b "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not a ${size} PNG: $(file -b "$png")"
done

# As a terminal shows a page: piping through col, as man does by default when
# not on a terminal, would drop Thai vowel and tone marks.
show_page() {
  LC_ALL=C.UTF-8 MANWIDTH=$2 MAN_KEEP_FORMATTING=1 man -l "$1" 2>/dev/null |
    LC_ALL=C.UTF-8 sed -e 's/\x1b\[[0-9;]*m//g' -e 's/.\x08//g'
}
for page in "$root"/usr/share/man/man1/*.1.gz; do
  name=$(basename "$page" .1.gz)
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$name.1 renders with warnings: $warnings"
  text=$(show_page "$page" 80)
  grep -q "^NAME" <<<"$text" || fail "man -l shows no page for $name"
  grep -q "ศรีสุข" <<<"$text" || fail "$name.1 does not show its Thai example names intact"
  # The pages name the folder the sample family is really installed in.
  grep -q "/usr/share/kinmora/sample-family.mdb" <<<"$text" || [ "$name" = kinmora-mkfamily ] ||
    fail "$name.1 does not say where the sample family is"
  for option in --help --version; do
    grep -q -- "$option" <<<"$text" || fail "$name.1 does not describe $option"
  done
done
cli_page=$(show_page "$root/usr/share/man/man1/kinmora-cli.1.gz" 200)
for command in chart search person gedcom csv picture relation; do
  grep -q "^       $command " <<<"$cli_page" || fail "kinmora-cli.1 does not describe the command $command"
done

# The installed programs run from the installed tree and name no build folder.
hard_coded=$(grep -rlF "$build" "$root")
[ -z "$hard_coded" ] || fail "installed files name the build folder $build: $hard_coded"
"$root/usr/bin/kinmora-cli" search "$root/usr/share/kinmora/sample-family.mdb" ศรีสุข >"$work/search.txt" 2>&1 &&
  [ -s "$work/search.txt" ] ||
  fail "the installed kinmora-cli cannot search the installed sample family: $(cat "$work/search.txt")"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/kinmora-cli" picture "$root/usr/share/kinmora/sample-family.mdb" \
  -o "$work/chart.png" >"$work/picture.txt" 2>&1 && [ -s "$work/chart.png" ] ||
  fail "the installed kinmora-cli cannot draw the installed sample family: $(cat "$work/picture.txt")"
# As GNU programs do: --help and --version print on standard output and succeed.
for program in kinmora kinmora-cli kinmora-mkfamily; do
  version=$(QT_QPA_PLATFORM=offscreen timeout 20 "$root/usr/bin/$program" --version 2>/dev/null) ||
    fail "$program --version fails"
  grep -q "$(dpkg-deb -f "$deb" Version)" <<<"$version" || fail "$program --version says '$version'"
  help=$(QT_QPA_PLATFORM=offscreen timeout 20 "$root/usr/bin/$program" --help 2>/dev/null) ||
    fail "$program --help fails"
  grep -qi "usage:" <<<"$help" || fail "$program --help shows no usage: '$help'"
done

lintian --fail-on none --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1
cat "$work/lintian.txt"
! grep -Eq '^[EW]: ' "$work/lintian.txt" || fail "lintian reports errors or warnings"

[ $failures -eq 0 ] && echo "the package is sound" || echo "$failures check(s) failed"
[ $failures -eq 0 ]
