#!/usr/bin/env bash
# What the package says of the program agrees everywhere: one maker, one
# release date, the number of notations the program has.
# Usage: release_facts_test.sh SOURCE_FOLDER
set -uo pipefail
top=$1
source "$top/tests/e2e/e2e_lib.sh"
resources=$top/src/resources
maker="Dunmoore Software"
year=2026

check "the copyright file names the maker" grep -qx "Copyright: $year $maker" "$resources/debian/copyright"
check "and its contact" grep -q "^Upstream-Contact: $maker <" "$resources/debian/copyright"
check "the changelog's signature is the maker's, on the release date" \
  grep -q "^ -- $maker <.*>  Thu, 10 Dec $year " "$resources/debian/changelog.in"
check "the metainfo names the maker" grep -q "<developer_name>$maker</developer_name>" \
  "$resources/desktop/org.pigmentrix.Pigmentrix.metainfo.xml"
check "and the release date" grep -q "<release version=\"1.0\" date=\"$year-12-10\"/>" \
  "$resources/desktop/org.pigmentrix.Pigmentrix.metainfo.xml"
for page in pigmentrix.1 pigmentrix-cli.1; do
  check "$page is of the release month" grep -q "^\.TH [A-Z-]* 1 \"December $year\"" "$resources/$page"
done
check "the About window's line names the year and the maker" \
  grep -q "Copyright \\\\u00A9 $year $maker" "$top/src/update/about_window.cpp"
check "the package's vendor is the maker" grep -q "CPACK_PACKAGE_VENDOR \"$maker\"" "$top/cmake/Packaging.cmake"
check "the read-me names the maker" grep -q "$maker" "$resources/readme.txt"

notations=$(grep -c '^| [0-9]* | ' "$top/README.md")
check "the README's table has twenty-two notations" test "$notations" = 22
for file in README.md src/resources/readme.txt src/resources/pigmentrix.1 src/resources/pigmentrix-cli.1 \
  src/resources/desktop/org.pigmentrix.Pigmentrix.desktop src/resources/desktop/org.pigmentrix.Pigmentrix.metainfo.xml \
  cmake/Packaging.cmake; do
  check "$file gives no other number of notations" test "$(grep -ciE 'fifteen (colour )?notations' "$top/$file")" = 0
done
check "the desktop entry names the window's class" grep -qx 'StartupWMClass=pigmentrix' \
  "$resources/desktop/org.pigmentrix.Pigmentrix.desktop"
finish
