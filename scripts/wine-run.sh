#!/usr/bin/env bash
# Runs a Windows program under the project's Wine: scripts/wine-run.sh program.exe [args...]
# CTest uses it to start the Windows test programs.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
