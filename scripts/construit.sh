#!/usr/bin/env bash
# Construit Velmora dans build/ : configure la première fois, puis construction incrémentale.
# Résultat : build/velmora et les pages d'aide dans build/help/.
set -euo pipefail
cd "$(dirname "$0")/.."

# Configuration seulement si build/ n'est pas encore configuré.
if [ ! -f build/CMakeCache.txt ] || { [ ! -f build/Makefile ] && [ ! -f build/build.ninja ]; }; then
    generateur=()
    if command -v ninja >/dev/null; then
        generateur=(-G Ninja)
    fi
    cmake -S . -B build "${generateur[@]}"
fi

cmake --build build -j"$(nproc)"
