#include "competition/Spielerkarte.h"

#include "core/Boxes.h"

TSpielerkartenDaten Spielerkarte;

void SpielerkarteFuellen(const TSpielerkartenDaten& d, Kartenbild& bild)
{
    for (int i = 0; i < SpielerkarteEinheiten; ++i) bild[i] = 0;
    KartentextSchreiben(0, SpielerkartenKennung, 8, bild);
    SpielerkartenFelder(d, [&](int einheit, int breite, const QByteArray& text) {
        KartentextSchreiben(einheit, text, breite, bild);
    });
}

bool SpielerkarteAuslesen(const Kartenbild& bild, TSpielerkartenDaten& d)
{
    TSpielerkartenDaten gelesen;
    bool ok = true;
    SpielerkartenFelder(gelesen, [&](int einheit, int breite, QByteArray& text) {
        if (!KartentextLesen(text, einheit, breite, bild)) ok = false;
    });
    if (ok) d = gelesen;
    return ok;
}

Kartenergebnis SpielerkarteLesen()
{
    if (!KarteVorhanden()) return Kartenergebnis::KeineKarte;
    LichtAusAmEnde lichtAus;
    KartenLicht(2);
    KartentypPruefen();
    if (!KarteLesen(0, SpielerkarteEinheiten)) return Kartenergebnis::Fehler;
    if (!KartenkennungIst(SpielerkartenKennung)) {
        boxen().hinweis(QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
        return Kartenergebnis::FalscheKarte;
    }
    return SpielerkarteAuslesen(Kartenpuffer, Spielerkarte) ? Kartenergebnis::Ok : Kartenergebnis::Fehler;
}

Kartenergebnis SpielerkarteSchreiben(const TSpielerkartenDaten& d, const std::function<bool()>& ueberschreiben)
{
    if (!KarteVorhanden()) return Kartenergebnis::KeineKarte;
    LichtAusAmEnde lichtAus;
    KartenLicht(2);
    KartentypPruefen();
    if (!KarteLesen(0, SpielerkarteEinheiten)) return Kartenergebnis::Fehler;
    TSpielerkartenDaten neu = d;
    if (KartenkennungIst(SpielerkartenKennung))
        KartentextLesen(neu.Reserviert, SpielerkarteReserviert, SpielerkarteReserviertBreite);
    else if (!(ueberschreiben && ueberschreiben()))
        return Kartenergebnis::Abgebrochen;
    KartenLicht(1);
    Spielerkarte = neu;
    SpielerkarteFuellen(Spielerkarte, Kartenpuffer);
    return KarteSchreiben(0, SpielerkarteEinheiten) ? Kartenergebnis::Ok : Kartenergebnis::Fehler;
}
