#pragma once

#include <QString>

class Modele;

// The import of a prepared list once its file is chosen: one entrant a line,
// numbered by his line, the name before the first semicolon and the first
// name (or second team member) after it. The whole file is read and checked
// before the question that drops the present entrants; a file that cannot
// serve is refused with the error box naming the file or the line, and
// nothing changes. True once the new list is installed.
bool ImporteCsv(Modele &m, const QString &chemin);
