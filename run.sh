#!/usr/bin/env bash
# Installe ce qui manque, construit, puis lance Velmora.
# Les arguments sont transmis au programme, par exemple : ./run.sh --dossier ~/tournois
# Sans --dossier, le programme travaille dans le répertoire courant.
set -euo pipefail
racine="$(cd "$(dirname "$0")" && pwd)"

"$racine/scripts/installe-dependances.sh"
"$racine/scripts/construit.sh"
exec "$racine/build/velmora" "$@"
