#!/usr/bin/env bash
# Installs the build tree BUILD into a scratch DESTDIR under /usr and checks what a desktop
# needs: the files, the validators' verdicts, the .dat association the desktop databases
# compute, the man pages against --help, and that the installed program keeps its settings in
# the user's configuration directory.
set -uo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" || {
    cat "$work/install.log"
    exit 1
}
usr=$root/usr
share=$usr/share

for file in bin/kestra bin/kestra-cli share/applications/kestra.desktop \
    share/metainfo/kestra.metainfo.xml share/mime/packages/kestra.xml share/kestra/README \
    share/man/man1/kestra.1 share/man/man1/kestra-cli.1 \
    share/icons/hicolor/scalable/apps/kestra.svg; do
    [ -f "$usr/$file" ] || fail "$file not installed"
done
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/kestra.png
    # The PNG header's width and height, big-endian at bytes 16..23.
    dims=$(od -An --endian=big -tu4 -j16 -N8 "$png" 2>/dev/null | tr -s ' ' | sed 's/^ //')
    [ "$dims" = "$size $size" ] || fail "$png is not ${size}x$size ($dims)"
done

verdict=$(desktop-file-validate "$share/applications/kestra.desktop" 2>&1) ||
    fail "desktop-file-validate: $verdict"
appstream-util validate-relax --nonet "$share/metainfo/kestra.metainfo.xml" >"$work/as.log" ||
    fail "appstream-util: $(cat "$work/as.log")"
xmllint --noout "$share/mime/packages/kestra.xml" || fail "MIME XML is not well-formed"

# The databases a desktop builds from the installed files: .dat is the image type and the
# image type opens with the program, the file given as its argument.
XDG_DATA_DIRS=$share update-mime-database "$share/mime" || fail "update-mime-database"
grep -qx '50:application/x-kestra-image:\*\.dat' "$share/mime/globs2" ||
    fail ".dat is not application/x-kestra-image"
update-desktop-database "$share/applications" || fail "update-desktop-database"
grep -qx 'application/x-kestra-image=kestra.desktop;' "$share/applications/mimeinfo.cache" ||
    fail "kestra.desktop does not open application/x-kestra-image"
grep -qx 'Exec=kestra %f' "$share/applications/kestra.desktop" || fail "Exec is not 'kestra %f'"

# The man pages: clean roff, and every command and option --help names is described.
for page in "$share"/man/man1/*.1; do
    warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
commands=$("$usr/bin/kestra-cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "kestra-cli --help lists no commands"
for command in $commands; do
    grep -q "^\.B ${command//-/\\\\-}\( \|$\)" "$share/man/man1/kestra-cli.1" ||
        fail "kestra-cli.1 does not describe $command"
done
for command in $(sed -n '/^\.SH COMMANDS/,/^\.SH/{/^\.TP/{n;s/^\.B \([a-z\\-]*\).*/\1/p}}' \
    "$share/man/man1/kestra-cli.1" | sed 's/\\-/-/g'); do
    grep -qx "$command" <<<"$commands" || fail "kestra-cli.1 describes unknown command $command"
done
for option in $(QT_QPA_PLATFORM=offscreen "$usr/bin/kestra" --help | grep -o -- '--[a-z-]*'); do
    grep -q -- "${option//-/\\\\-}" "$share/man/man1/kestra.1" ||
        fail "kestra.1 does not describe $option"
done

# The installed program started: its settings file appears in the user's configuration
# directory, never beside the executable (which root could write).
export XDG_CONFIG_HOME=$work/config HOME=$work/home QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
"$usr/bin/kestra" >"$work/kestra.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ -f "$XDG_CONFIG_HOME/kestra/Program.ini" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ -f "$XDG_CONFIG_HOME/kestra/Program.ini" ] ||
    fail "no ~/.config/kestra/Program.ini: $(cat "$work/kestra.log")"
[ ! -e "$usr/bin/Program.ini" ] || fail "Program.ini written beside the installed program"

[ $failures -eq 0 ] && echo "install tree: all checks passed"
exit $((failures > 0))
