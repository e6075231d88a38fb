#include "report/Formular.h"

#include "core/SettingsFile.h"
#include "report/Unterschriften.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

bool FormularBildSpeichern(TWettkampfDaten& w, int index, const QString& datei, QString* fehler)
{
    auto melden = [&](const QString& grund) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei „%1“ konnte nicht exportiert werden (%2).\n"
                                     "Eine vorhandene Datei dieses Namens bleibt unverändert.")
                          .arg(QDir::toNativeSeparators(datei), grund);
        return false;
    };
    if (!FormularMasse(index))
        return melden(QStringLiteral("Formular %1 ist kein eingebautes Formular; als Bild lassen sich nur die "
                                     "Formulare 0 bis 8 speichern")
                          .arg(index));
    const FormularBild f = BerichtZeichnen(w, index);
    if (f.bild.isNull()) return melden(f.fehler);

    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "bmp");
    if (!schreiber.write(f.bild)) return melden(schreiber.errorString());
    QSaveFile ziel(datei);
    QString grund;
    if (DateiVorbereiten(ziel, daten, &grund) && TextdateiAbschliessen(ziel, &grund)) return true;
    return melden(grund);
}
