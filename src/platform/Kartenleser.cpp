#include "platform/Kartenleser.h"

#include "platform/PcscKartenleser.h"

#include <QFileInfo>

std::unique_ptr<Kartenleser> KartenleserErzeugen(int typ, int port, const QString& schnittstelle, QString* fehler)
{
    auto melden = [fehler](const QString& text) {
        if (fehler) *fehler = text;
        return nullptr;
    };
    if (typ < 1 || typ > 4) return melden(QStringLiteral("Chipkarte nicht vorhanden !"));

    const QString wert = schnittstelle.trimmed();
    const QString dateiVorsatz = QStringLiteral("datei:");
    if (wert.startsWith(dateiVorsatz, Qt::CaseInsensitive)) {
        const QString pfad = wert.mid(dateiVorsatz.size()).trimmed();
        if (pfad.isEmpty())
            return melden(
                QStringLiteral("Keine Datei für die Chipkarte angegeben (Schnittstelle \"%1\") !").arg(wert));
        return DateiKartenleser(QFileInfo(pfad).absoluteFilePath());
    }
    if (wert.isEmpty() || wert.compare(QStringLiteral("pcsc"), Qt::CaseInsensitive) == 0)
        return PcscKartenleserOeffnen(port, fehler);
    return melden(QStringLiteral("Unbekannte Chipkarten-Schnittstelle \"%1\" !").arg(wert));
}
