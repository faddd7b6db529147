#!/usr/bin/env bash
# Checks the Debian package that the build made: its control fields and Depends, that it holds
# what a user needs and nothing else, that its menu entry and icons are sound, and that its
# launcher seeds a new user's working directory and leaves an existing user's files alone.
# Usage: check-deb.sh <package.deb> <source dir> <scratch dir>
set -euo pipefail
deb=$1
src=$2
scratch=$3

passed=0
failed=0
ok() {
    passed=$((passed + 1))
}
fail() {
    echo "FAIL: $*" >&2
    failed=$((failed + 1))
}
# expect <description> <command...>: the command must succeed.
expect() {
    local what=$1
    shift
    if "$@"; then ok; else fail "$what"; fi
}
same() { # same <description> <actual> <expected>
    if [ "$2" = "$3" ]; then ok; else fail "$1: got '$2', expected '$3'"; fi
}

if [ ! -f "$deb" ]; then
    echo "FAIL: the build made no package at $deb" >&2
    exit 1
fi
rm -rf "$scratch"
mkdir -p "$scratch"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
defaults_src=$src/resources/defaults
defaults=$root/usr/share/quipsender/defaults

# --- control fields ---------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
same "Package" "$(field Package)" quipsender
same "Version" "$(field Version)" 1.0.0
same "Section" "$(field Section)" utils
same "Architecture" "$(field Architecture)" "$(dpkg --print-architecture)"
expect "Maintainer is a name and an address: $(field Maintainer)" \
    grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)"
description=$(field Description)
same "the changelog's latest version" \
    "$(zcat "$root/usr/share/doc/quipsender/changelog.gz" | sed -n '1s/^quipsender (\(.*\)).*/\1/p')" \
    "$(field Version)"
expect "the description is in English" grep -q "Quipsender keeps seven tab pages" <<<"$description"
expect "the description is in German" grep -q "Quipsender hält sieben Seiten" <<<"$description"

# Every library the program links directly must come from a package that Depends names.
depends=" $(field Depends | tr ',|' '\n\n' | sed -E 's/\(.*\)//; s/:.*//; s/ //g' | tr '\n' ' ') "
program=$root/usr/bin/quipsender
needed=$(objdump -p "$program" | awk '/NEEDED/ { print $2 }')
expect "the program links libraries" test -n "$needed"
for lib in $needed; do
    path=$(ldd "$program" | awk -v lib="$lib" '$1 == lib { print $3 }')
    if [ -z "$path" ] || [ ! -e "$path" ]; then
        fail "$lib is not found on this system"
        continue
    fi
    # With merged /usr, dpkg may know the file under /lib or under /usr/lib.
    owner=
    for candidate in "$path" "/usr${path#/usr}" "${path#/usr}"; do
        owner=$(dpkg -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1) && [ -n "$owner" ] && break
    done
    if [ -z "$owner" ]; then
        fail "no package owns $path"
    elif [[ "$depends" != *" $owner "* ]]; then
        fail "$lib comes from $owner, which Depends does not name:$depends"
    else
        ok
    fi
done

# --- contents: exactly what a user needs ---------------------------------------------------
expected=(
    ./usr/bin/quipsender
    ./usr/bin/quipsender-launcher
    ./usr/share/applications/quipsender.desktop
    ./usr/share/applications/quipsender-kwin.desktop
    ./usr/share/doc/quipsender/changelog.gz
    ./usr/share/doc/quipsender/copyright
    ./usr/share/man/man1/quipsender.1.gz
    ./usr/share/man/man1/quipsender-launcher.1.gz
    ./usr/share/icons/hicolor/scalable/apps/quipsender.svg
)
for png in "$src"/packaging/icons/quipsender-*.png; do
    size=$(basename "$png" .png)
    size=${size#quipsender-}
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/quipsender.png")
done
for f in "$defaults_src"/*; do
    expected+=("./usr/share/quipsender/defaults/$(basename "$f")")
done
listing=$(dpkg-deb -c "$deb")
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
same "the package's files" "$files" "$(printf '%s\n' "${expected[@]}" | sort)"
owners=$(awk '{ print $2 }' <<<"$listing" | sort -u)
same "owner of every entry" "$owners" root/root
for exe in ./usr/bin/quipsender ./usr/bin/quipsender-launcher; do
    same "mode of $exe" "$(awk -v f="$exe" '$6 == f { print $1 }' <<<"$listing")" -rwxr-xr-x
done
same "modes of the other files" \
    "$(awk '$1 !~ /^d/ && $6 !~ /^\.\/usr\/bin\// { print $1 }' <<<"$listing" | sort -u)" -rw-r--r--

expect "the program is an ELF executable" grep -q "ELF .* executable" <<<"$(file -b "$program")"
expect "the program is stripped" grep -q ", stripped" <<<"$(file -b "$program")"
expect "every library of the program is found" \
    test -z "$(ldd "$program" | grep 'not found' || true)"

# --- menu entry and icons ---------------------------------------------------------------------
desktop=$root/usr/share/applications/quipsender.desktop
expect "desktop-file-validate accepts the menu entry" desktop-file-validate "$desktop"
exec_word=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
same "the menu entry runs the launcher" "$exec_word" quipsender-launcher
same "the menu entry's icon" "$(sed -n 's/^Icon=//p' "$desktop")" quipsender
# KWin's permission: a hidden entry that names the installed program itself.
kwin_entry=$root/usr/share/applications/quipsender-kwin.desktop
expect "desktop-file-validate accepts KWin's entry" desktop-file-validate "$kwin_entry"
same "KWin's entry names the program" "$(sed -n 's/^Exec=//p' "$kwin_entry")" /usr/bin/quipsender
same "KWin's entry is hidden from menus" "$(sed -n 's/^NoDisplay=//p' "$kwin_entry")" true
same "KWin's entry grants what sending needs" \
    "$(sed -n 's/^X-KDE-Wayland-Interfaces=//p' "$kwin_entry")" \
    org_kde_kwin_fake_input,org_kde_plasma_window_management,org_kde_kwin_keystate
for png in "$root"/usr/share/icons/hicolor/*/apps/quipsender.png; do
    dir=$(basename "$(dirname "$(dirname "$png")")")
    expect "$dir icon is a PNG of that size" \
        grep -q "PNG image data, ${dir%x*} x ${dir#*x}," <<<"$(file -b "$png")"
done
expect "the scalable icon is an SVG" \
    grep -q "SVG" <<<"$(file -b "$root/usr/share/icons/hicolor/scalable/apps/quipsender.svg")"

for f in "$defaults_src"/*; do
    expect "installed default $(basename "$f") equals the source" cmp -s "$f" "$defaults/$(basename "$f")"
done

# --- the launcher ----------------------------------------------------------------------------
# A copy of the installed tree whose program only records where and how it was started.
stubroot=$scratch/stubroot
cp -a "$root" "$stubroot"
record=$scratch/started
cat >"$stubroot/usr/bin/quipsender" <<EOF
#!/bin/sh
{ pwd; printf '%s\n' "\$@"; } >"$record"
EOF
chmod +x "$stubroot/usr/bin/quipsender"
launcher=$stubroot/usr/bin/quipsender-launcher

# launch <home> [VAR=value...] -- [args...]: the launcher in a clean environment, as a menu
# would start it. It must come back: the stub program returns at once.
launch() {
    local home=$1
    shift
    local env=(HOME="$home" PATH=/usr/bin:/bin)
    while [ "$1" != -- ]; do
        env+=("$1")
        shift
    done
    shift
    rm -f "$record"
    env -i "${env[@]}" timeout 30 "$launcher" "$@"
}
# seeded <dir>: every default file is there and equal to the installed one, writable by the
# user, and nothing else was left behind.
seeded() {
    local dir=$1 f
    for f in "$defaults"/*; do
        cmp -s "$f" "$dir/$(basename "$f")" && [ -w "$dir/$(basename "$f")" ] || return 1
    done
    [ "$(ls -A "$dir" | sort)" = "$(ls -A "$defaults" | sort)" ]
}

# A new user, with blanks in the path of the home directory.
home="$scratch/new user"
mkdir -p "$home"
workdir=$home/.local/share/quipsender
expect "the launcher starts the program for a new user" launch "$home" -- --flag "two words"
expect "a new user's directory holds the defaults" seeded "$workdir"
same "the program starts in the user's directory with the arguments" \
    "$(cat "$record" 2>/dev/null)" "$(printf '%s\n' "$workdir" --flag "two words")"

# The user's own files stay as they are; only what is missing is copied again.
echo "my own page" >"$workdir/Gitter_1.txt"
rm "$workdir/Gitter_2.txt"
chmod a-w "$workdir/quipsender.INI"
echo "Options changed" >>"$workdir/Gitter_3.txt"
ln -sf "$scratch/nowhere" "$workdir/Help.rtf"
expect "the launcher starts the program again" launch "$home" --
same "a changed phrase file is kept" "$(cat "$workdir/Gitter_1.txt")" "my own page"
expect "a phrase file the user added to is kept" grep -q "Options changed" "$workdir/Gitter_3.txt"
expect "a missing phrase file is copied again" cmp -s "$defaults/Gitter_2.txt" "$workdir/Gitter_2.txt"
same "a read-only settings file is left alone" "$(stat -c %a "$workdir/quipsender.INI")" 444
expect "a link of the user's is left alone, even a dangling one" test -L "$workdir/Help.rtf"
expect "nothing of the user's comes to be where a link points" test ! -e "$scratch/nowhere"
same "the program starts in the user's directory" "$(cat "$record" 2>/dev/null)" "$workdir"

# XDG_DATA_HOME chooses the directory when it is absolute and is ignored when it is not.
home2=$scratch/home2
mkdir -p "$home2"
expect "the launcher starts with XDG_DATA_HOME" launch "$home2" XDG_DATA_HOME="$scratch/xdg" --
expect "XDG_DATA_HOME's directory holds the defaults" seeded "$scratch/xdg/quipsender"
same "the program starts in XDG_DATA_HOME's directory" "$(cat "$record" 2>/dev/null)" \
    "$scratch/xdg/quipsender"
expect "the home directory stays untouched" test ! -e "$home2/.local"
if (cd "$home2" && launch "$home2" XDG_DATA_HOME=relative --); then ok; else
    fail "the launcher starts with a relative XDG_DATA_HOME"
fi
expect "a relative XDG_DATA_HOME is ignored" seeded "$home2/.local/share/quipsender"
expect "no directory is made for a relative XDG_DATA_HOME" test ! -e "$home2/relative"

# Started by name through PATH, as the menu entry does, from a link to the launcher.
mkdir -p "$scratch/links"
ln -sf "$launcher" "$scratch/links/quipsender-launcher"
home3=$scratch/home3
mkdir -p "$home3"
expect "the launcher starts through PATH and a link" \
    env -i HOME="$home3" PATH="$scratch/links:/usr/bin:/bin" timeout 30 quipsender-launcher
expect "the linked launcher finds the defaults" seeded "$home3/.local/share/quipsender"

# The real program, through the real launcher: still running when the time is up, so it
# started; the offscreen platform needs no display.
home4=$scratch/home4
mkdir -p "$home4"
status=0
env -i HOME="$home4" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
    timeout 5 "$root/usr/bin/quipsender-launcher" >"$scratch/program.log" 2>&1 || status=$?
same "the installed program runs until it is stopped (see $scratch/program.log)" "$status" 124

echo "package checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
