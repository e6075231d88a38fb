#pragma once
// Inside the report layouts: one drawing function and one blank form per
// layout, and the text sources they share.

#include "report/Formular.h"

#include <utility>

void Formular0Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular1Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular2Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular3Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular4Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular5Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular6Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular7Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular8Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);

void Vordruck0Zeichnen(Berichtsleinwand& l);
void Vordruck1Zeichnen(Berichtsleinwand& l);
void Vordruck2Zeichnen(Berichtsleinwand& l);
void Vordruck3Zeichnen(Berichtsleinwand& l);
void Vordruck4Zeichnen(Berichtsleinwand& l);
void Vordruck5Zeichnen(Berichtsleinwand& l);
void Vordruck6Zeichnen(Berichtsleinwand& l);
void Vordruck7Zeichnen(Berichtsleinwand& l);
void Vordruck8Zeichnen(Berichtsleinwand& l);

// --- Text sources ----------------------------------------------------------------------
// Player nr (1..8) of a side: home players 1..8, guest 9..16.
TSpielerEintrag& SeitenSpieler(TWettkampfDaten& w, bool heim, int nr);
// Rows 1..4 always, row 5 with more than 4 players a team, row 6 with more than 5.
bool ZeileGezeigt(const TWettkampfDaten& w, int zeile);
// The side's substitute row: player 8 when he replaced somebody, else player 7.
TSpielerEintrag& Ersatzzeile(TWettkampfDaten& w, bool heim);
// The end time is printed only after the match has ended.
bool SpielBeendet(const TWettkampfDaten& w);
// The birth date from its seventh character on, at most 6 characters.
QString Geburtsjahr(const TSpielerEintrag& s);
// The two characters of the birth month ("dd.mm.yy": the fourth and fifth).
QString Geburtsmonat(const TSpielerEintrag& s);
// A team total with leading zeros removed, "0" when nothing is left.
QString Summe(const char* text);
// A name's first word (up to the first blank) and the rest after it.
std::pair<QString, QString> NameTeilen(const QString& name);
// The sum of a player's value and those of the substitutes who took over
// from him (the link followed at most twice).
int Kettensumme(TWettkampfDaten& w, TSpielerEintrag& starter, int (*wert)(const TSpielerEintrag&));
