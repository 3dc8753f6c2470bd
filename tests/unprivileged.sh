#!/bin/sh
# Runs a test program as an unprivileged user: the kernel lets root read any file, so a file
# without read permission is a fault only for another user.
#   unprivileged.sh PROGRAM [ARGUMENTS...]
set -eu
if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: the suite's own run already covers these rows."
    exit 77
fi
# The build folder may lie where that user cannot go (under /root): the program runs from a copy.
here=$(mktemp -d)
trap 'rm -rf "$here"' EXIT
chmod 755 "$here"
cp "$1" "$here/"
program="$here/$(basename "$1")"
shift
cd "$here"
# Leaks are looked for in the suite's own run; the suppressions file may be out of reach too.
setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -u XDG_RUNTIME_DIR -u LSAN_OPTIONS HOME="$here" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    "$program" "$@"
