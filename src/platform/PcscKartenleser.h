#pragma once
// The PC/SC back-end of the chip-card reader (pcsc-lite).

#include "platform/Kartenleser.h"

// The n-th reader pcscd knows (`port` from 1; below 1: the first). Null with
// the German reason when pcscd does not run or the reader is not there.
std::unique_ptr<Kartenleser> PcscKartenleserOeffnen(int port, QString* fehler);

inline const QString PcscDienstFehlt = QStringLiteral("Der Chipkartendienst (pcscd) läuft nicht !");
inline const QString PcscKeinLeser = QStringLiteral("Kein Chipkartenleser angeschlossen !");
