#pragma once
// Conversions between booleans, numbers and text; fixed-width fields for the
// lane printers and the boards; words, lists and paths; throw words; the pair
// sort. Shared by most units.
//
// Conventions: counted texts (settings values, window texts) are QString;
// zero-terminated texts are Windows-1252 `const char*`; a destination is a
// TextZiel, written only within its capacity.

#include "core/FixedText.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// --- Booleans, numbers and text -------------------------------------------
bool TextZuBool(const QString& text);
QString BoolZuText(bool b);
QString BoolZuJaNein(bool b);
QString BoolZuTF(bool b);
std::uint8_t BoolNormieren(std::uint8_t b);
std::uint16_t ZiffernZuZahl(const char* text);
std::uint16_t TextZuZahl(const char* text);
std::uint16_t TextZuZahl(const QString& text);
int ZaehleV(const QString& text);
QString ZahlText1Stelle(float zahl);
QString ZahlText2Stellen(float zahl);
// No number: nullopt (the caller reports the conversion error).
std::optional<double> TextZuFloat(const QString& text);
void ZahlZuZiffern(std::uint16_t zahl, TextZiel ziel);
void ZahlZuZiffernNull(std::uint16_t zahl, TextZiel ziel);
QString ZahlZuText(std::uint16_t zahl);
std::optional<int> ZweiZiffernZuZahl(const QString& text);

// --- Numbers into fixed-width fields (each returns w, NUL at position w) ---
int ZahlRechtsbuendig(TextZiel ziel, unsigned long zahl, int w);
int ZahlMitNullen(TextZiel ziel, unsigned long zahl, int w);
int ZahlLinksbuendig(TextZiel ziel, unsigned long zahl, int w);

// --- Text into fields, umlauts and printer codes ---------------------------
// The printer code of a German special letter (the settings DrAeGross ..
// DrSs; a code of 0 gives the letter of the German character set, ESC R 2);
// every other character unchanged.
char UmlautDruckerzeichen(char c);
int TextFeld(TextZiel ziel, const char* quelle, int w);
void UmlauteErsetzen(TextZiel ziel, const char* quelle);
int UmlauteErsetzenFeld(TextZiel ziel, const char* quelle, int w);
int DruckerTextFeld(TextZiel ziel, const char* quelle, int w);  // no NUL
int DruckerText(TextZiel ziel, const char* quelle);
int TextKopieren(TextZiel ziel, const char* quelle);
int TextRechtsbuendig(TextZiel ziel, const char* quelle, int w);  // no NUL
int NullenEntfernen(TextZiel ziel, const char* quelle);
int NullenEntfernenMin(TextZiel ziel, const char* quelle);
void NullenEntfernenHier(TextZiel text);
bool TextNichtLeer(const char* text);

// --- Words, lists and paths --------------------------------------------------
void WorteZuFeldern(std::span<const TextZiel> felder, const char* quelle, int w);
void ErstesWortFeld(TextZiel text, int w);
int ZweiWorteFeld(TextZiel text, int w);
char* WortAbtrennen(char* text);
// Splits in place at every ';'; fills at most felder.size() pointers (surplus
// pieces are ignored) and returns the number filled.
int ListeTeilen(char* text, std::span<char*> felder);
void PfadTeil(TextZiel ziel, const char*& cursor);
QString DateiNameOhneEndung(const QString& name);
void DatumBereinigen(TextZiel ziel, const char* datum);

// --- Lanes, throws, sorting --------------------------------------------------
bool IstBahnText(const QString& text, int bahnAnzahl);
QString WurfZuText(std::uint16_t wurf, std::uint8_t flags);
// Descending quicksort of the pair table Paare (Globals.h) over lo..hi.
void PaareSortieren(int lo, int hi);

