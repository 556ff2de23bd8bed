#!/usr/bin/env bash
# Installe les paquets Debian 12 manquants pour construire, tester et lancer Velmora.
# Quand tout est déjà là, le script ne fait rien (pas d'apt-get update).
set -euo pipefail

# Compilateur, CMake, Qt 6 (Core, Gui, Widgets, Test) et Qt Multimedia.
# qt6-base-dev tire aussi les greffons de plateforme (xcb, offscreen) et les en-têtes OpenGL.
# QuaZip écrit les documents de traitement de texte (conteneurs zip) ; les traductions
# françaises de Qt habillent les boîtes standard ; Ninja construit plus vite que make.
paquets=(cmake g++ make ninja-build qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libquazip1-qt6-dev)

manquants=()
for paquet in "${paquets[@]}"; do
    if ! dpkg -s "$paquet" 2>/dev/null | grep -q '^Status: install ok installed'; then
        manquants+=("$paquet")
    fi
done

if [ "${#manquants[@]}" -eq 0 ]; then
    exit 0
fi

# apt-get directement en root, sinon par sudo.
if [ "$(id -u)" -eq 0 ]; then
    root=()
else
    root=(sudo)
fi

echo "Installation des paquets manquants : ${manquants[*]}"
"${root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${manquants[@]}"
