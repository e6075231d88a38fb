#include "report/formulare/Formular.h"

#include "core/SettingsFile.h"
#include "report/Unterschriften.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

bool BerichtBmpSchreiben(TWettkampfDaten& w, int index, const QString& datei, QString* grund)
{
    const std::optional<Berichtsaufnahme> a = BerichtAufnehmen(w, index);
    if (!a) {
        if (grund)
            *grund = QStringLiteral("Formular %1 ist kein eingebautes Formular; als Bild lassen sich nur die "
                                    "Formulare 0 bis 8 speichern")
                         .arg(index);
        return false;
    }
    return BerichtBmpSchreiben(*a, datei, grund);
}

bool BerichtBmpSchreiben(const Berichtsaufnahme& a, const QString& datei, QString* grund)
{
    auto fehler = [&](const QString& text) {
        if (grund) *grund = text;
        return false;
    };
    const FormularBild f = BerichtZeichnen(a);
    if (f.bild.isNull()) return fehler(f.fehler);

    // 256 colours: a tenth of the true-colour size, small enough for a mail.
    const QImage palette = f.bild.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "bmp");
    if (!schreiber.write(palette)) return fehler(schreiber.errorString());
    QDir().mkpath(QFileInfo(datei).absolutePath());
    QSaveFile ziel(datei);
    QString ursache;
    if (DateiVorbereiten(ziel, daten, &ursache) && TextdateiAbschliessen(ziel, &ursache)) return true;
    return fehler(ursache);
}

bool FormularBildSpeichern(TWettkampfDaten& w, int index, const QString& datei, QString* fehler)
{
    QString grund;
    if (BerichtBmpSchreiben(w, index, datei, &grund)) return true;
    if (fehler)
        *fehler = QStringLiteral("Die Datei „%1“ konnte nicht exportiert werden (%2).\n"
                                 "Eine vorhandene Datei dieses Namens bleibt unverändert.")
                      .arg(QDir::toNativeSeparators(datei), grund);
    return false;
}
