#!/usr/bin/env bash
# Mesure ce que les tests attrapent : applique une à une les mutations de scripts/mutations.txt
# aux sources du programme (jamais aux tests), reconstruit dans build-mutations/ les seuls
# exécutables des tests visés, les lance, puis remet le fichier d'origine.
# Une mutation est « attrapée » quand un test échoue, « survivante » quand tous passent ;
# celles qui ne se construisent pas ou dont le texte d'origine ne se trouve pas exactement une
# fois dans son fichier sont comptées à part. À la fin : le tableau et le total.
#
#   scripts/mutations.sh              toutes les mutations de la liste
#   scripts/mutations.sh RO1 SC4      seulement celles-ci
#   scripts/mutations.sh --verifie    vérifie la liste sans rien construire (après un déplacement de code)
#
# Le fichier modifié est remis en place après chaque mutation, et aussi sur Ctrl+C ou sur une
# erreur du script (trap). Seul un arrêt brutal (kill -9) peut en laisser un : git diff le montre.
set -euo pipefail
cd "$(dirname "$0")/.."

liste=scripts/mutations.txt
rep=build-mutations
# Un test qui boucle sans fin sous une mutation échoue au bout de ce délai : la mutation est attrapée.
delai=120

travail=$(mktemp -d)
fichier_en_cours=""

restaure() {
    if [ -n "$fichier_en_cours" ] && [ -f "$travail/sauvegarde" ]; then
        # Réécrit plutôt que renomme : le fichier garde ses droits et prend une date récente,
        # si bien que la construction suivante le recompile (le cache le retrouve aussitôt).
        cat "$travail/sauvegarde" >"$fichier_en_cours"
        fichier_en_cours=""
    fi
}
fin() {
    restaure
    rm -rf "$travail"
}
trap fin EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Le découpage de la liste et le remplacement exact sont plus sûrs en Python qu'avec sed.
cat >"$travail/outil.py" <<'PYTHON'
import os, sys

def decoupe(liste, dossier):
    """Range chaque mutation de la liste dans dossier/NNN/{id,fichier,tests,description,avant,apres}."""
    mutations, courante, section = [], None, None
    with open(liste, encoding="utf-8") as f:
        lignes = f.read().split("\n")
    for numero, ligne in enumerate(lignes, 1):
        if ligne.startswith("##"):
            continue
        if ligne.startswith("== "):
            courante = {"id": ligne[3:].strip(), "ligne": numero, "avant": [], "apres": []}
            mutations.append(courante)
            section = None
        elif ligne in ("--- avant", "--- après", "--- apres"):
            if courante is None:
                sys.exit(f"{liste}:{numero}: texte hors d'une mutation")
            section = "avant" if ligne == "--- avant" else "apres"
        elif section is not None:
            courante[section].append(ligne)
        elif not ligne.strip():
            continue
        elif courante is not None and ":" in ligne:
            cle, valeur = ligne.split(":", 1)
            courante[cle.strip()] = valeur.strip()
        else:
            sys.exit(f"{liste}:{numero}: ligne incomprise : {ligne}")
    vus = set()
    for i, mu in enumerate(mutations, 1):
        ou = f"{liste}:{mu['ligne']}"
        for cle in ("fichier", "tests", "description"):
            if not mu.get(cle):
                sys.exit(f"{ou}: champ « {cle} » manquant pour {mu['id']}")
        if mu["id"] in vus:
            sys.exit(f"{ou}: identifiant {mu['id']} en double")
        vus.add(mu["id"])
        if mu["fichier"].startswith("tests/"):
            sys.exit(f"{ou}: {mu['id']} vise un test ; seules les sources du programme se mutent")
        for section in ("avant", "apres"):
            # Les lignes vides qui séparent les blocs n'appartiennent pas au texte.
            while mu[section] and not mu[section][-1].strip():
                mu[section].pop()
        if not mu["avant"]:
            sys.exit(f"{ou}: texte d'origine vide pour {mu['id']}")
        d = os.path.join(dossier, f"{i:03d}")
        os.makedirs(d)
        for cle in ("id", "fichier", "tests", "description"):
            with open(os.path.join(d, cle), "w", encoding="utf-8") as f:
                f.write(mu[cle])
        for section in ("avant", "apres"):
            with open(os.path.join(d, section), "wb") as f:
                f.write("\n".join(mu[section]).encode("utf-8"))

def applique(source, avant, apres, sauvegarde):
    """Remplace le texte d'origine, qui doit s'y trouver une seule fois ; code 3 sinon."""
    contenu = open(source, "rb").read()
    a, b = open(avant, "rb").read(), open(apres, "rb").read()
    if b"\r\n" in contenu:
        a, b = a.replace(b"\n", b"\r\n"), b.replace(b"\n", b"\r\n")
    nombre = contenu.count(a)
    if nombre != 1:
        print(f"trouvé {nombre} fois")
        sys.exit(3)
    if sauvegarde != "-":
        # La copie est complète avant que la source ne change : un arrêt en cours de route
        # laisse soit la source intacte, soit une copie fidèle pour la remettre.
        open(sauvegarde + ".tmp", "wb").write(contenu)
        os.replace(sauvegarde + ".tmp", sauvegarde)
        with open(source, "r+b") as f:
            f.write(contenu.replace(a, b))
            f.truncate()

def tableau(resultats):
    """Imprime le tableau des résultats (colonnes alignées sur les caractères, pas les octets)."""
    lignes = [l.split("\t") for l in open(resultats, encoding="utf-8").read().splitlines()]
    titres = ["id", "fichier", "description", "résultat"]
    largeurs = [max(len(x[k]) for x in lignes + [titres]) for k in range(3)]
    def ecrit(x):
        print("  ".join(x[k].ljust(largeurs[k]) for k in range(3)) + "  " + x[3])
    ecrit(titres)
    ecrit(["-" * n for n in largeurs] + ["-" * 8])
    for x in lignes:
        ecrit(x)
    compte = lambda debut: sum(1 for x in lignes if x[3].startswith(debut))
    attrapees, survivantes = compte("attrapée"), compte("survivante")
    print()
    print(f"attrapées : {attrapees} sur {attrapees + survivantes}")
    print(f"non construites : {compte('non construite')} ; non applicables : {compte('non applicable')}")

commande = sys.argv[1]
if commande == "decoupe":
    decoupe(*sys.argv[2:])
elif commande == "applique":
    applique(*sys.argv[2:])
elif commande == "tableau":
    tableau(*sys.argv[2:])
PYTHON
outil() { python3 "$travail/outil.py" "$@"; }

verifie=0
choisies=()
for argument in "$@"; do
    case "$argument" in
        --verifie) verifie=1 ;;
        -*) echo "Option inconnue : $argument" >&2; exit 2 ;;
        *) choisies+=("$argument") ;;
    esac
done

outil decoupe "$liste" "$travail/liste"
mutations=()
for d in "$travail"/liste/*/; do
    id=$(<"$d/id")
    if [ "${#choisies[@]}" -eq 0 ] || [[ " ${choisies[*]} " == *" $id "* ]]; then
        mutations+=("$d")
    fi
done
for id in "${choisies[@]}"; do
    if ! grep -qx "$id" "$travail"/liste/*/id; then
        echo "Mutation inconnue : $id" >&2
        exit 2
    fi
done

if [ "$verifie" -eq 1 ]; then
    erreurs=0
    for d in "${mutations[@]}"; do
        fichier=$(<"$d/fichier")
        if [ ! -f "$fichier" ]; then
            echo "$(<"$d/id") : $fichier n'existe pas"
            erreurs=$((erreurs + 1))
        elif ! message=$(outil applique "$fichier" "$d/avant" "$d/apres" -); then
            echo "$(<"$d/id") : texte d'origine $message dans $fichier"
            erreurs=$((erreurs + 1))
        fi
    done
    echo "${#mutations[@]} mutation(s), $erreurs à corriger."
    [ "$erreurs" -eq 0 ]
    exit
fi

# Le type de construction de build/ (assertions de Qt éteintes, comme pour ./test.sh), mais sans
# optimisation ni informations de débogage : chaque recompilation et chaque édition de liens va
# plus vite, et le cache du compilateur resservira d'un arbre de travail à l'autre.
if [ ! -f "$rep/CMakeCache.txt" ] || { [ ! -f "$rep/Makefile" ] && [ ! -f "$rep/build.ninja" ]; }; then
    generateur=()
    if command -v ninja >/dev/null; then
        generateur=(-G Ninja)
    fi
    cmake -S . -B "$rep" "${generateur[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -DNDEBUG" >/dev/null
fi
export QT_QPA_PLATFORM=offscreen
journaux="$rep/journaux"
rm -rf "$journaux"
mkdir -p "$journaux"

# Les tests visés par une mutation : ceux dont l'étiquette (le dossier du test) est dans la liste.
etiquettes() { echo "^($(tr -s ' ' '|' <<<"$1"))\$"; }
# Le nom d'un test est celui de son exécutable (voir tests/CMakeLists.txt).
tests_de() { (cd "$rep" && ctest -N -L "$1") | sed -n 's/^ *Test *#[0-9]*: *//p'; }

# Sans mutation, les tests visés doivent passer : sinon le compte ne voudrait rien dire.
toutes=$(for d in "${mutations[@]}"; do tr -s ' ' '\n' <"$d/tests"; echo; done | sed '/^$/d' | sort -u | paste -sd ' ')
filtre=$(etiquettes "$toutes")
mapfile -t cibles < <(tests_de "$filtre")
echo "Construction des tests ($toutes) et passage sans mutation..."
if [ "${#cibles[@]}" -eq 0 ] || ! cmake --build "$rep" -j2 --target "${cibles[@]}" >"$journaux/reference.log" 2>&1 \
    || ! (cd "$rep" && ctest -j2 --timeout "$delai" -L "$filtre") >>"$journaux/reference.log" 2>&1; then
    echo "Les tests échouent sans mutation : voir $journaux/reference.log" >&2
    exit 1
fi

resultats="$travail/resultats.tsv"
: >"$resultats"
for d in "${mutations[@]}"; do
    id=$(<"$d/id")
    fichier=$(<"$d/fichier")
    description=$(<"$d/description")
    filtre=$(etiquettes "$(<"$d/tests")")
    journal="$journaux/$id.log"
    printf '%s %s... ' "$id" "$fichier"

    rm -f "$travail/sauvegarde"
    [ ! -f "$fichier" ] || fichier_en_cours=$fichier
    if [ ! -f "$fichier" ] || ! outil applique "$fichier" "$d/avant" "$d/apres" "$travail/sauvegarde" >"$journal"; then
        fichier_en_cours=""
        resultat="non applicable"
    else
        mapfile -t cibles < <(tests_de "$filtre")
        if [ "${#cibles[@]}" -eq 0 ]; then
            restaure
            echo "Aucun test n'a l'étiquette $(<"$d/tests") ($id)" >&2
            exit 1
        fi
        if ! cmake --build "$rep" -j2 --target "${cibles[@]}" >>"$journal" 2>&1; then
            resultat="non construite"
        elif rm -f "$rep/Testing/Temporary/LastTestsFailed.log" && (cd "$rep" && ctest -j2 --timeout "$delai" -L "$filtre") >>"$journal" 2>&1; then
            resultat="survivante"
        else
            echoues=$(sed 's/^[0-9]*://' "$rep/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | paste -sd ' ' || true)
            resultat="attrapée ($echoues)"
        fi
        restaure
    fi
    echo "$resultat"
    printf '%s\t%s\t%s\t%s\n' "$id" "$fichier" "$description" "$resultat" >>"$resultats"
done

echo
outil tableau "$resultats"
echo "durée : $((SECONDS / 60)) min $((SECONDS % 60)) s ; journaux dans $journaux/"
