#!/usr/bin/env bash
# Installs what is needed, builds, and checks the sample toolbox.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh
exec build/zorozod check examples/sample.box
