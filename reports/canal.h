#pragma once

#include <QString>
#include <QStringList>

class Modele;

// The text channel of every report: the lines are written to the file of the
// program directory (Windows-1252, each line ended by CR LF), then the text
// editor is started on it, without waiting, when asked. False, after the
// error box naming the file and the reason, when the file cannot be written.
bool ImprimeTexte(Modele &m, const QString &fichier, const QStringList &lignes, bool ouvrirEditeur = true);
// The same with the bytes of the file already made.
bool ImprimeTexte(Modele &m, const QString &fichier, const QByteArray &contenu, bool ouvrirEditeur = true);
