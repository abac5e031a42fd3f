#!/usr/bin/env bash
# Installs the build into a scratch root: every file in its place, the desktop
# files valid, the thumbnailer entry run as a file manager runs it; then builds
# the Debian package, lists it and has lintian check it.
# usage: check_install.sh BUILD-DIR CMAKE CPACK
set -euo pipefail
build=$1 cmake=$2 cpack=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install: $*" >&2; exit 1; }
root=$work/root
share=$root/usr/share
type=application/x-orvane-maze
type_icon=application-x-orvane-maze
desktop=org.orvane.orvane.desktop

# The sample mazes, each with its thumbnail in the help's gallery.
samples=(01-first-steps 01-on-the-wind 02-cherry-lane 02-mine-carts 03-stepping-stones
  03-woodland-stream 04-crossing-the-river 04-ice-cave 05-climb-the-tower 05-golden-maze
  05-great-labyrinth 05-red-castle)
mazes=("${samples[@]/%/.mdt}") thumbnails=("${samples[@]/%/.png}")
installed=(
  usr/games/orvane usr/bin/orvane-mdt
  usr/share/applications/$desktop
  usr/share/doc/orvane/changelog.gz usr/share/doc/orvane/copyright
  usr/share/doc/orvane/help/{check,editor,index,menu,player,samples,tools}.html
  usr/share/doc/orvane/help/style.css
  usr/share/doc/orvane/help/en/{check,editor,index,menu,player,samples,tools}.html
  "${thumbnails[@]/#/usr/share/doc/orvane/help/mazes/}"
  usr/share/doc/orvane/help/tools/{delete,flood,generate,ghost,line,mirror,outline,paste,turn,walks}.png
  usr/share/doc-base/orvane usr/share/doc-base/orvane-en usr/share/lintian/overrides/orvane
  usr/share/games/orvane/mazes/{chocho,greensleeves,minuet,ode-to-joy,sakura}.mid
  "${mazes[@]/#/usr/share/games/orvane/mazes/}"
  usr/share/icons/hicolor/256x256/apps/orvane.png
  usr/share/icons/hicolor/256x256/mimetypes/$type_icon.png
  usr/share/icons/hicolor/32x32/apps/orvane.png
  usr/share/icons/hicolor/32x32/mimetypes/$type_icon.png
  usr/share/man/man1/orvane-mdt.1.gz usr/share/man/man6/orvane.6.gz
  usr/share/metainfo/org.orvane.orvane.metainfo.xml
  usr/share/mime/packages/orvane.xml
  usr/share/thumbnailers/orvane.thumbnailer
)
expected() { printf '%s\n' "${installed[@]}" | sort; }
entry() { sed -n "s/^$2=//p" "$1" | head -n 1; } # file key
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
validate() { # tool args... file, where the tool is installed
  command -v "$1" >/dev/null || { echo "install: $1 is not installed; not run" && return; }
  "$@" || fail "$1 refuses ${*: -1}"
}

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
diff <(expected) <(cd "$root" && find . -type f | sed 's|^\./||' | sort) ||
  fail "installed files differ (<: expected, >: installed)"
for size in 32 256; do
  for icon in apps/orvane mimetypes/$type_icon; do
    [[ $(png_size "$share/icons/hicolor/${size}x$size/$icon.png") == "${size}x$size" ]] ||
      fail "$icon.png is not $size pixels square"
  done
done

validate desktop-file-validate "$share/applications/$desktop"
# The metainfo against the installed tree: its launchable names an installed desktop entry.
validate appstreamcli validate-tree --pedantic --no-net "$root"
# Reports a definition it cannot read on stderr, yet succeeds.
errors=$(XDG_DATA_DIRS=$share update-mime-database "$share/mime" 2>&1 >/dev/null)
[[ -z $errors ]] || fail "MIME definition: $errors"
grep -q ":$type:\*\.mdt$" "$share/mime/globs2" || fail "no *.mdt glob for $type"
grep -q 'xml:lang="ja">ORVANE 迷路ファイル<' "$share/mime/$type.xml" || fail "no Japanese comment"

# Both entries run an installed program on a file of the type.
for file in applications/$desktop thumbnailers/orvane.thumbnailer; do
  program=$(entry "$share/$file" Exec)
  program=${program%% *}
  [[ -x $root/usr/bin/$program || -x $root/usr/games/$program ]] ||
    fail "$file runs $program, which is not installed"
  [[ $(entry "$share/$file" MimeType) == "$type;" ]] || fail "$file names another type"
done
[[ $(entry "$share/applications/$desktop" Exec) == *' %f' ]] || fail "the desktop entry takes no file"

# A 32 x 32 maze, every cell chip 0: the 18-byte header, then the whole grid.
maze="$work/a maze.mdt"
{ printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\040\0\040\0' && head -c 71824 /dev/zero; } >"$maze"
command=()
for word in $(entry "$share/thumbnailers/orvane.thumbnailer" Exec); do
  case $word in
  %s) word=64 ;;
  %i) word=$maze ;;
  %o) word=$work/thumb.png ;;
  esac
  command+=("$word")
done
PATH=$root/usr/bin:$PATH "${command[@]}" || fail "the thumbnailer failed"
[[ $(png_size "$work/thumb.png") == 64x64 ]] || fail "the thumbnail is not 64 pixels square"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null
deb=$(echo "$work"/deb/orvane_*.deb)
diff <(expected) <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print substr($6, 3) }' | sort) ||
  fail "the package holds other files than the install (<: expected, >: packed)"
depends=$(dpkg-deb --field "$deb" Depends)
for need in libqt6widgets6 libfluidsynth3 'timgm6mb-soundfont | sf2-soundfont-gm' \
  fonts-ipafont-gothic qt6-translations-l10n; do
  [[ $depends == *"$need"* ]] || fail "the package does not depend on $need: $depends"
done
# No error and no warning; the informational tags are shown, not refused.
validate lintian --fail-on error,warning --display-info "$deb"
echo "install: every file placed and valid, the thumbnailer ran, $(basename "$deb") built"
