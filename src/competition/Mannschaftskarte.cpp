#include "competition/Mannschaftskarte.h"

void MannschaftskarteFuellen(const TWettkampfDaten&, Kartenbild&) {}
Kartenergebnis MannschaftskarteSpeichern(const Kartenuebertragung&) { return Kartenergebnis::KeineKarte; }
Kartenergebnis MannschaftskarteLaden(const Kartenuebertragung&) { return Kartenergebnis::KeineKarte; }
Kartenergebnis GastkarteLaden(const Kartenuebertragung&) { return Kartenergebnis::KeineKarte; }
