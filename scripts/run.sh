#!/usr/bin/env bash
# Installs what is missing, builds into build/, creates the demo database and opens the desk.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
bin=build/bin
if [ ! -f "$bin/Data/zur.db" ]; then
  mkdir -p "$bin/Data"
  "$bin/zur-db" create-demo "$bin/Data/zur.db"
fi
if [ ! -f "$bin/Data/ZUR" ]; then
  "$bin/zur-db" write-credentials "$bin/Data/ZUR" --user zur_tech --password tech \
    --server "sqlite:Data/zur.db" --database ZUR
fi
echo "Demo logins: kassir / kassir1 (cashier), starshiy / starshiy1 (senior cashier, terminal rights)"
exec "$bin/zur-kassa"
