#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it without installing it:
#   - it holds every file a desktop install needs;
#   - its dependencies were computed and name the Qt SQLite driver;
#   - lintian finds no errors; the desktop entry and the AppStream data validate;
#   - unpacked into a scratch folder, the programs answer --version / --help;
#   - every manual page renders without a warning.
#
#   bash scripts/check-package.sh [PACKAGE.deb]      (default: build it first)
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "check-package: $*" >&2; exit 1; }
if [ $# -ge 1 ]; then
  deb=$1
else
  deb=$(bash scripts/package.sh | tail -n 1)
fi
[ -f "$deb" ] || fail "no package at '$deb'"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "check-package: $deb"

# The files, as dpkg-deb lists them ("./usr/bin/vimo" in the last column).
dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$scratch/contents"
expected=(
  /usr/bin/vimo /usr/bin/vimo-cli /usr/bin/vimo-sim
  /usr/share/applications/vimo.desktop
  /usr/share/metainfo/io.github.brennick.vimo.metainfo.xml
  /usr/share/man/man1/vimo.1.gz /usr/share/man/man1/vimo-cli.1.gz /usr/share/man/man1/vimo-sim.1.gz
  /usr/share/bash-completion/completions/vimo-cli
  /usr/share/doc/vimo/README.md /usr/share/doc/vimo/copyright /usr/share/doc/vimo/changelog.gz
  /usr/share/doc/vimo/docs/screenshots/flight.png
  /usr/share/vimo/VimoManual.pdf
)
for size in 16 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/vimo.png")
done
for file in "${expected[@]}"; do
  grep -qxF "$file" "$scratch/contents" || fail "the package lacks $file"
done

depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6core6* ]] || fail "the dependencies were not computed: $depends"
[[ $depends == *libqt6sql6-sqlite* ]] || fail "the dependencies lack the Qt SQLite driver: $depends"

# lintian fails on errors only; its warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"

dpkg -x "$deb" "$scratch/root"
root=$scratch/root
desktop-file-validate "$root/usr/share/applications/vimo.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.brennick.vimo.metainfo.xml"

# Qt comes from the system, so the unpacked programs run as they are.
version=$(dpkg-deb --field "$deb" Version)
"$root/usr/bin/vimo-cli" --version | grep -q "^vimo-cli $version" || fail "vimo-cli --version does not say $version"
"$root/usr/bin/vimo" --version | grep -q "^vimo $version" || fail "vimo --version does not say $version"
"$root/usr/bin/vimo-sim" --help >/dev/null || fail "vimo-sim --help failed"

for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page") renders with warnings: $warnings"
done
bash -n "$root/usr/share/bash-completion/completions/vimo-cli" || fail "the bash completion does not parse"

installed=$(dpkg-deb --field "$deb" Installed-Size)
echo "check-package: $(basename "$deb") $(du -k "$deb" | cut -f1) KiB, installed $installed KiB"
echo "check-package: Depends: $depends"
