#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the freedesktop and
# AppStream validators over its desktop entries, metainfo and icons: any
# error or warning fails. usage: scripts/check-desktop-files.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check-desktop-files.sh BUILD_DIR}" && pwd)
for tool in desktop-file-validate appstreamcli; do
  command -v $tool > /dev/null || { echo "$tool is missing (scripts/setup.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log"

status=0
for desktop in "$prefix"/share/applications/*.desktop; do
  out=$(desktop-file-validate "$desktop" 2>&1) || status=1
  if [ -n "$out" ]; then echo "$out"; status=1; fi
  echo "desktop-file-validate $(basename "$desktop"): ${out:-clean}"
done
for metainfo in "$prefix"/share/metainfo/*.metainfo.xml; do
  out=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) || status=1
  echo "appstreamcli validate $(basename "$metainfo"):"
  echo "$out" | sed 's/^/  /'
  # Errors (E:) and warnings (W:) fail; pedantic notes are only shown.
  if echo "$out" | grep -qE '^\s*[EW]:'; then status=1; fi
done
# The whole tree: each metainfo with its desktop entry and icons.
out=$(appstreamcli validate-tree --no-net --pedantic --no-color "$prefix" 2>&1) || status=1
echo "appstreamcli validate-tree:"
echo "$out" | sed 's/^/  /'
if echo "$out" | grep -qE '^\s*[EW]:'; then status=1; fi
[ $status -eq 0 ] && echo "desktop files and metainfo: no errors, no warnings"
exit $status
