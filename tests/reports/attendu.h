// What a test produced against its expected file in attendu/, byte for byte
// (compared line by line to show where they part). With VELMORA_ATTENDU=ecrit
// in the environment the file is written instead, to be read over before it
// is committed.
#pragma once

#include <QDir>
#include <QFile>
#include <QTest>

// The expected file of the current row: "par table, places" and ".TXT" give
// "par-table-places.TXT"; lines of text are kept in UTF-8.
inline QString NomAttendu(const QString &suffixe)
{
    return QString(QTest::currentDataTag()).remove(',').replace(' ', '-') + suffixe;
}
inline QByteArray EnOctets(const QStringList &lignes)
{
    return (lignes.join('\n') + '\n').toUtf8();
}

// The expected bytes, or none when the file has just been written.
inline std::optional<QByteArray> Attendu(const QByteArray &obtenu, const QString &nom)
{
    QFile f(QStringLiteral(DOSSIER_ATTENDU "/") + nom);
    if (qEnvironmentVariable("VELMORA_ATTENDU") != u"ecrit")
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<" + nom.toUtf8() + " absent>");
    QDir().mkpath(QFileInfo(f).path());
    if (!f.open(QIODevice::WriteOnly) || f.write(obtenu) != obtenu.size())
        return QByteArray("<" + nom.toUtf8() + " impossible à écrire>");
    return std::nullopt;
}

#define COMPARE_ATTENDU(obtenu, nom)                                                                                   \
    do {                                                                                                               \
        const QByteArray obtenu_ = obtenu;                                                                             \
        if (const auto attendu_ = Attendu(obtenu_, nom))                                                               \
            QCOMPARE(obtenu_.split('\n'), attendu_->split('\n'));                                                      \
    } while (false)
