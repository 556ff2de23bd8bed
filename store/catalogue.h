#pragma once

#include <QStringList>

class Modele;
class Plateforme;

// The tournaments of the program directory, T01.DAT to T99.DAT, listed as
// "nn : name" in ascending order of number.
QStringList ListeCatalogue(const Modele &m);
// Number of a catalogue entry: its first two characters.
inline QString NumeroEntree(const QString &entree) { return entree.left(2); }
// The lowest number not in use, as two digits ("100" when all 99 are taken).
QString PremierNumeroLibre(const QStringList &catalogue);
// Deletes the files of tournament n, then renames those of n + 1 to `dernier`
// one number down. False, after the error box, when a file cannot be moved.
bool SupprimeTournoi(Modele &m, int n, int dernier);
// The word-processor probe, as its diagnostic tells it: " Word trouvé dans "
// and the folder, for each of the Windows paths that exists; when none does,
// " Traitement de texte trouvé : " and the application the platform offers.
// Empty when there is no word processor.
QStringList TraitementsDeTexte(Plateforme &plateforme);
