#!/usr/bin/env bash
# Fails when the program loads Qt Multimedia or Qt Network as it starts:
# sounds and sockets are modules beside it (platform/late_module.h), loaded
# on first use, so that a start loads neither those libraries nor the many
# that they bring.
#
#   check-late-libraries.sh GRISK
set -euo pipefail
early=$(ldd "$1" | grep -oE 'libQt6(Multimedia|Network)[^ ]*' || true)
if [ -n "$early" ]; then
    echo "The program loads at start what it should load on first use:"
    echo "$early"
    exit 1
fi
echo "The program starts without Qt Multimedia and Qt Network."
