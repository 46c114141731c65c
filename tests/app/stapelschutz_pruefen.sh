#!/bin/sh
# stapelschutz_pruefen.sh [EMULATOR...] PROGRAM  (PROGRAM: stapelschutz_test.cpp)
# The Windows program's stack protector: each start draws another guard value, and an
# overrun stack ends the process at once with STATUS_STACK_BUFFER_OVERRUN (0xC0000409, of
# which a Unix exit status keeps the low byte, 9).
set -u
erster=$("$@")
zweiter=$("$@")
if [ -z "$erster" ] || [ "$erster" = "$zweiter" ] || [ "$erster" = 2b992ddfa232 ]; then
  echo "FAIL the guard value is not drawn at each start: '$erster', then '$zweiter'"
  exit 1
fi
"$@" 0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz >/dev/null
status=$?
if [ "$status" -ne 9 ]; then
  echo "FAIL an overrun stack ended the process with $status, not STATUS_STACK_BUFFER_OVERRUN"
  exit 1
fi
echo "ok   guard values $erster and $zweiter; an overrun ends the process with 0xC0000409"
