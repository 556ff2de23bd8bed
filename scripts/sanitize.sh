#!/usr/bin/env bash
# Construit tous les tests dans build-sanitize/ avec AddressSanitizer et UndefinedBehaviorSanitizer
# (configuration la première fois, puis construction incrémentale), puis les lance par CTest.
# Le code de sortie est non nul dès qu'un test échoue ou qu'un sanitizer signale quelque chose,
# y compris AddressSanitizer dans un programme lancé par un test (velmora sous test_commande).
set -euo pipefail
cd "$(dirname "$0")/.."

rep=build-sanitize
drapeaux="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"

if [ ! -f "$rep/CMakeCache.txt" ] || { [ ! -f "$rep/Makefile" ] && [ ! -f "$rep/build.ninja" ]; }; then
    generateur=()
    if command -v ninja >/dev/null; then
        generateur=(-G Ninja)
    fi
    # Debug : pas d'optimisation, des piles d'appels exactes et une compilation plus rapide.
    cmake -S . -B "$rep" "${generateur[@]}" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="$drapeaux" -DCMAKE_EXE_LINKER_FLAGS="$drapeaux"
fi
cmake --build "$rep" -j2

# AddressSanitizer écrit ses rapports dans des fichiers : ceux d'un programme lancé par un test
# seraient sinon perdus avec sa sortie. UBSan, lui, ne sait pas le faire quand il accompagne
# AddressSanitizer (GCC) : ses rapports restent dans la sortie des tests, que CTest garde.
rapports="$PWD/$rep/rapports"
rm -rf "$rapports"
mkdir -p "$rapports"

# Fuites : LeakSanitizer reste allumé. Il ne signale que les blocs que plus rien n'atteint ; les
# allocations faites une seule fois par Qt (greffon de plateforme, polices) restent atteintes par
# ses variables statiques et ne sont pas signalées : toute la suite passe sans fuite avec Qt 6.4.
# Si une autre version de Qt en signalait, une liste de suppressions (LSAN_OPTIONS) les écarterait.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:log_path=$rapports/asan:log_exe_name=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

statut=0
(cd "$rep" && ctest -j2 --output-on-failure --no-tests=error) || statut=$?

shopt -s nullglob
fichiers=("$rapports"/*)
for rapport in "${fichiers[@]}"; do
    echo "===== $(basename "$rapport")"
    cat "$rapport"
done
# Un rapport UBSan dans la sortie d'un test qui passe quand même compte aussi.
ubsan=$(grep -c 'runtime error:' "$rep/Testing/Temporary/LastTest.log" || true)
echo "Sanitizers : ${#fichiers[@]} rapport(s) AddressSanitizer, $ubsan rapport(s) UBSan."
if [ "${#fichiers[@]}" -gt 0 ] || [ "$ubsan" -gt 0 ]; then
    [ "$statut" -ne 0 ] || statut=1
fi
exit "$statut"
