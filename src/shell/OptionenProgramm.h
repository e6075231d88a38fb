#pragma once
// The program-wide pages of the options dialog without their controls: the
// keys each page writes, in their order, and what OK applies to the running
// program after the settings are stored.

#include "core/Records.h"
#include "shell/Optionen.h"

#include <QString>

std::vector<Optionsschluessel> AllgemeinSchluessel();
// The window options, the colours of the program, the large display and the
// info terminal, then the keyboard and score options.
std::vector<Optionsschluessel> AnsichtSchluessel();
std::vector<Optionsschluessel> SystemSchluessel();
std::vector<Optionsschluessel> ProgrammeSchluessel();
std::vector<Optionsschluessel> InternetSchluessel();
std::vector<Optionsschluessel> EmailSchluessel();
std::vector<Optionsschluessel> AnzeigeSchluessel();

// The double-tap time of the on-screen keyboard, in ms.
constexpr int DoppelclickMin = 300;
constexpr int DoppelclickMax = 3000;

// The chip-card reader closed and opened anew after its type or port
// changed: the status text, the reader's state and the card poll follow the
// new settings (type 0: "Chipkarte nicht vorhanden !", the poll off).
void KartenleserNeuOeffnen();

// The time update of the network module by ZeitUpdate and ZeitUpInterv
// (hours); a first update counts from now.
void ZeitUpdateAnwenden();

// The display windows created or freed by their switches.
void AnzeigefensterAnwenden();

// The throw-time step of CSpielzeit: the decimal of the text, 6 when it is no number.
u8 SpielzeitAusText(const QString& text);
