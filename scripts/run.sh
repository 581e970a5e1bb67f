#!/usr/bin/env bash
# Sets up, builds and starts labbench.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
if [ -x build/bin/labbench ]; then
  exec build/bin/labbench
else
  echo "built: the engine and tools are in build/bin (the labbench window is not part of this build yet)"
fi
