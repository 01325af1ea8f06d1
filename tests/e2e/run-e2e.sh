#!/usr/bin/env bash
# Runs an end-to-end test program under Wine on a private X server, then ends
# every process of the Wine prefix. The exit code is the test program's.
# Usage: run-e2e.sh <program.exe> [arguments...]
# $WINEPREFIX chooses the prefix (ctest gives each build folder its own). It
# is never the shared build/wineprefix by default, since every process of the
# prefix is ended here. $QUORVANE_E2E_TIMEOUT (seconds, default 540) bounds
# the whole run.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$(cd "$here/../.." && pwd)/build/wineprefix-e2e}"
# shellcheck source=../../scripts/lib/wine-env.sh
source "$here/../../scripts/lib/wine-env.sh"

if [ "${1:-}" = "--inside-xvfb" ]; then
  shift
  "$WINE" "$@"
  status=$?
  # Nothing may outlive the run, and the X server goes away with us.
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w 2>/dev/null
  exit "$status"
fi

[ $# -ge 1 ] || { echo "usage: $0 <program.exe> [arguments...]" >&2; exit 2; }
for tool in xvfb-run timeout; do
  command -v "$tool" >/dev/null || { echo "run-e2e.sh: $tool is missing (scripts/setup installs it)" >&2; exit 2; }
done

# A server left over from an interrupted run would hold a dead display.
"$WINESERVER" -k 2>/dev/null
"$WINESERVER" -w 2>/dev/null
wine_prepare_prefix

# Others run X servers on this machine too: start the search for a free
# display at a number of our own, so two runs rarely race for the same one.
timeout --kill-after=15 "${QUORVANE_E2E_TIMEOUT:-540}" \
  xvfb-run -a -n $((100 + $$ % 400)) -s "-screen 0 1280x800x24" "$BASH" "$here/run-e2e.sh" --inside-xvfb "$@"
status=$?
"$WINESERVER" -k 2>/dev/null
[ "$status" -eq 124 ] && echo "run-e2e.sh: timed out" >&2
exit "$status"
