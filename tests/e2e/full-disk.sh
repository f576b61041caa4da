#!/usr/bin/env bash
# A full disk for the end-to-end tests: mounts a tiny tmpfs at DIR and fills
# it, leaving a marker; "umount" takes it away again. Needs the right to
# mount (root); without it the marker is missing and the test that needs the
# full disk is skipped.
#   full-disk.sh mount|umount DIR
set -u
dir=$2
case "$1" in
mount)
    mkdir -p "$dir"
    mountpoint -q "$dir" && umount "$dir"
    if mount -t tmpfs -o size=64k tmpfs "$dir" 2>/dev/null; then
        touch "$dir/full-disk.marker"
        dd if=/dev/zero of="$dir/fill" bs=4k >/dev/null 2>&1 || true
    else
        echo "full-disk.sh: cannot mount a tmpfs here; the full-disk case will be skipped"
    fi
    ;;
umount)
    mountpoint -q "$dir" && umount "$dir"
    ;;
esac
exit 0
