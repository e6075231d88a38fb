#include "competition/Chipkarte.h"

ChipkartenZustand chipkartenZustand;
Kartenbild& Kartenpuffer = chipkartenZustand.Kartenpuffer;

void ChipkartenZustand::zuruecksetzen()
{
    Kartenpuffer.fill(0);
    KartenleserTyp = 0;
    KartenleserPort = 0;
    leser.reset();
    kartentyp = '0';
}

void setKartenleserVorgabe(std::function<std::unique_ptr<Kartenleser>()>) {}
void KartenleserOeffnen() {}
void KartenleserSchliessen() {}
bool KarteVorhanden() { return false; }
char KartentypPruefen() { return '0'; }
void KartenLicht(int) {}
bool KarteLesen(u16, u16) { return false; }
bool KarteSchreiben(u16, u16) { return false; }
bool KartentextLesen(QByteArray&, int, int, const Kartenbild&) { return false; }
bool KartenzahlLesen(u16&, int, int, const Kartenbild&) { return false; }
bool KartenJaNeinLesen(u8&, int, const Kartenbild&) { return false; }
void KartentextSchreiben(int, const QByteArray&, int, Kartenbild&) {}
int KartenzahlSchreiben(int, u32, Kartenbild&) { return 0; }
void KartenJaNeinSchreiben(int, bool, Kartenbild&) {}
bool SpielerkarteUebernehmen(int) { return false; }
