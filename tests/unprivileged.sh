#!/bin/sh
# Runs a test program as an unprivileged user: the kernel lets root read any file, so a file
# without read permission is a fault only for another user.
if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: the suite's own run already covers these rows."
    exit 77
fi
exec env -u XDG_RUNTIME_DIR HOME=/tmp setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
