#include "competition/Chipkarte.h"
#include "competition/Spielerkarte.h"

TSpielerkartenDaten Spielerkarte;

void SpielerkarteFuellen(const TSpielerkartenDaten&, Kartenbild&) {}
bool SpielerkarteAuslesen(const Kartenbild&, TSpielerkartenDaten&) { return false; }
Kartenergebnis SpielerkarteLesen() { return Kartenergebnis::KeineKarte; }
Kartenergebnis SpielerkarteSchreiben(const TSpielerkartenDaten&, const std::function<bool()>&) { return Kartenergebnis::KeineKarte; }
