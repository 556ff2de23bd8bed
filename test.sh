#!/usr/bin/env bash
# Installe ce qui manque, construit, puis lance tous les tests (CTest, sans affichage).
# Le code de sortie est non nul dès qu'un test échoue ; la sortie se termine par le bilan de CTest.
set -euo pipefail
cd "$(dirname "$0")"

scripts/installe-dependances.sh
scripts/construit.sh

cd build
export QT_QPA_PLATFORM=offscreen
exec ctest -j2 --output-on-failure --no-tests=error
