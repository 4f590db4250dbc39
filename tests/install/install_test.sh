#!/usr/bin/env bash
# Installs the program into a DESTDIR as a package would, checks that every
# desktop file is in place, runs the validators of the desktop entry, the
# AppStream metadata and the manual page, and checks that the installed MIME
# package names the right type for a sample of each document and the address
# book, by name and by content alone. With cpack and dpkg-deb it also builds
# the Debian package and checks its contents and dependencies.
#
#   install_test.sh BUILD_DIR SOURCE_DIR MIMETYPE_PROBE
set -uo pipefail
build=$1 source=$2 probe=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

DESTDIR="$root/dest" cmake --install "$build" --prefix /usr > "$root/install.log" 2>&1 ||
  { cat "$root/install.log"; fail "cmake --install"; }
usr="$root/dest/usr"
app=de.norvak.tarvelomark
types="cmr national kombi forwarding addresses"

expected=(
  bin/tarvelomark bin/tarvelomark-cli
  share/applications/$app.desktop
  share/metainfo/$app.metainfo.xml
  share/mime/packages/$app.xml
  share/man/man1/tarvelomark-cli.1.gz
  share/bash-completion/completions/tarvelomark-cli
  share/icons/hicolor/scalable/apps/$app.svg
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app.png")
  for t in $types; do
    expected+=("share/icons/hicolor/${size}x${size}/mimetypes/application-x-tarvelomark-$t.png")
  done
done
for t in $types; do
  expected+=("share/icons/hicolor/scalable/mimetypes/application-x-tarvelomark-$t.svg")
done
for f in "${expected[@]}"; do
  [ -s "$usr/$f" ] || fail "missing $f"
done
[ -x "$usr/bin/tarvelomark" ] && [ -x "$usr/bin/tarvelomark-cli" ] || fail "programs not executable"

# Validators.
desktop-file-validate "$usr/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml" ||
  fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root/dest" > "$root/tree.log" 2>&1 ||
  { cat "$root/tree.log"; fail "appstreamcli validate-tree"; }
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/tarvelomark-cli.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man page warnings: $warnings"
# Every type the desktop entry claims is defined by the MIME package.
for t in $(sed -n 's/^MimeType=//p' "$usr/share/applications/$app.desktop" | tr ';' ' '); do
  grep -q "type=\"$t\"" "$usr/share/mime/packages/$app.xml" || fail "$t not in the MIME package"
done

# The MIME database of the installed tree, before the system's.
update-mime-database "$usr/share/mime" || fail "update-mime-database"
samples="$root/samples"
mkdir -p "$samples"
declare -A sample=(
  [cmr.cmr]=cmr [cmr-legacy-110.cmr]=cmr
  [national-2009.fbr]=national [national-legacy-102.fbr]=national
  [kombi.fb1]=kombi [kombi-legacy-102.fb1]=kombi
  [forwarding.spa]=forwarding [forwarding-s883.spa]=forwarding
  [forwarding-s883-2004.spa]=forwarding
  [addresses.dat]=addresses [addresses-old.dat]=addresses
)
files=()
for name in "${!sample[@]}"; do
  cp "$source/tests/data/$name" "$samples/$name"
  cp "$source/tests/data/$name" "$samples/${name%.*}" # no extension: content only
  files+=("$samples/$name" "$samples/${name%.*}")
done
XDG_DATA_DIRS="$usr/share:/usr/share" XDG_DATA_HOME="$root/nohome" "$probe" "${files[@]}" \
  > "$root/types.txt" || fail "mimetype probe"
for name in "${!sample[@]}"; do
  want="application/x-tarvelomark-${sample[$name]}"
  while read -r file byname bycontent; do
    case "$file" in
      "$samples/$name" | "$samples/${name%.*}")
        # The address book's name is free, so only its content tells.
        if [ "${sample[$name]}" != addresses ] || [ "$file" = "$samples/${name%.*}" ]; then
          [ "$byname" = "$want" ] || fail "$(basename "$file"): $byname, expected $want"
        fi
        [ "$bycontent" = "$want" ] || fail "$(basename "$file") by content: $bycontent, expected $want"
        ;;
    esac
  done < "$root/types.txt"
done
# The magic claims no foreign file.
echo "kein Frachtbrief" > "$samples/text.txt"
XDG_DATA_DIRS="$usr/share:/usr/share" "$probe" "$samples/text.txt" | grep -q ' text/plain text/plain$' ||
  fail "a plain text is taken for a document"

# The Debian package.
if command -v cpack > /dev/null && command -v dpkg-deb > /dev/null && command -v dpkg-shlibdeps > /dev/null; then
  if (cd "$build" && cpack -G DEB -B "$root/pkg" > "$root/cpack.log" 2>&1); then
    deb=$(ls "$root"/pkg/*.deb 2>/dev/null | head -n 1)
    if [ -z "$deb" ]; then
      fail "cpack made no package"
    else
      depends=$(dpkg-deb -f "$deb" Depends)
      for need in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins shared-mime-info; do
        [[ "$depends" == *"$need"* ]] || fail "package does not depend on $need: $depends"
      done
      contents=$(dpkg-deb -c "$deb")
      for f in "${expected[@]}"; do
        grep -q "\./usr/$f\$" <<< "$contents" || fail "package lacks /usr/$f"
      done
    fi
  else
    cat "$root/cpack.log"
    fail "cpack -G DEB"
  fi
else
  echo "cpack, dpkg-deb or dpkg-shlibdeps missing: Debian package not checked"
  failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
  echo "install test: $failures failure(s)"
  exit 1
fi
echo "install test passed"
