#!/usr/bin/env bash
# Builds the Debian package from a built tree (default: build) and checks
# it: its files, its relations, lintian, the desktop entry, the AppStream
# metadata, and that installing it pulls no -dev package.
set -euo pipefail
cd "${1:-build}"

fail() { echo "package check failed: $*" >&2; exit 1; }

cpack -G DEB > cpack.log || { cat cpack.log; fail "cpack"; }
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' cpack.log)
[ -f "$deb" ] || fail "no package in cpack's output"

echo "== contents of $deb"
contents=$(dpkg-deb -c "$deb")
echo "$contents"
expected=(
  "./usr/bin/quenvo -> ../lib/quenvo/quenvo"
  ./usr/lib/quenvo/quenvo ./usr/lib/quenvo/ravlin ./usr/lib/quenvo/libTesso.so
  ./usr/lib/quenvo/libKorrin.so ./usr/lib/quenvo/Mirel.html
  ./usr/share/applications/org.quenvo.Quenvo.desktop
  ./usr/share/metainfo/org.quenvo.Quenvo.metainfo.xml
  ./usr/share/dbus-1/services/org.quenvo.Quenvo.service
  ./usr/share/man/man1/quenvo.1.gz
  ./usr/share/doc/quenvo/copyright ./usr/share/doc/quenvo/changelog.gz
  ./usr/share/lintian/overrides/quenvo
)
for size in 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.quenvo.Quenvo.png")
done
for path in "${expected[@]}"; do
  grep -qF -- " $path" <<< "$contents" || fail "missing $path"
done
# The user's files never go into the application folder of a package.
! grep -q '/usr/lib/quenvo/Config' <<< "$contents" || fail "Config in the package"

echo "== relations"
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Depends: $depends"
echo "Recommends: $recommends"
for name in libqt6gui6 libmpv2 libavformat fonts-dejavu-core fonts-dejavu-extra; do
  grep -q "$name" <<< "$depends" || fail "Depends lacks $name"
done
grep -q qt6-wayland <<< "$recommends" || fail "Recommends lacks qt6-wayland"
! grep -q -- '-dev\b' <<< "$depends" || fail "Depends names a -dev package"

echo "== lintian"
lintian --fail-on error,warning,info "$deb" || fail "lintian reports a tag"

echo "== desktop entry and AppStream metadata"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.quenvo.Quenvo.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.quenvo.Quenvo.metainfo.xml"

echo "== what installing it on a system without any package pulls in"
: > "$root/status"
pulled=$(apt-get -s -o Dir::State::status="$root/status" -o Debug::NoLocking=1 \
  install "$deb" | sed -n 's/^Inst \([^ ]*\).*/\1/p')
[ -n "$pulled" ] || fail "apt-get could not resolve the package's relations"
! grep -- '-dev$' <<< "$pulled" || fail "installing pulls -dev packages"
echo "$(wc -l <<< "$pulled") packages, none of them -dev"
