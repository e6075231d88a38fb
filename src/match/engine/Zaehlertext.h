#pragma once
// A counter of a record and its fixed-width text, kept together: counters
// never go below 0 nor past their type, and the text follows the number.

#include "core/Records.h"
#include "core/TextFunctions.h"

#include <algorithm>
#include <limits>

namespace Zaehler {

enum class Form { Rechts2, Rechts3, Links3, Nullen3, Nullen4, Links4 };

inline void Formen(TextZiel ziel, unsigned long zahl, Form f)
{
    switch (f) {
    case Form::Rechts2: ZahlRechtsbuendig(ziel, zahl, 2); break;
    case Form::Rechts3: ZahlRechtsbuendig(ziel, zahl, 3); break;
    case Form::Links3: ZahlLinksbuendig(ziel, zahl, 3); break;
    case Form::Nullen3: ZahlMitNullen(ziel, zahl, 3); break;
    case Form::Nullen4: ZahlMitNullen(ziel, zahl, 4); break;
    case Form::Links4: ZahlLinksbuendig(ziel, zahl, 4); break;
    }
}

// Counters never go below 0 nor past their type.
template <typename Z>
Z Begrenzt(long wert)
{
    return Z(std::clamp<long>(wert, 0, long(std::numeric_limits<Z>::max())));
}

template <std::size_t N, typename Z>
void Setzen(TextZahl<N, Z>& feld, long wert, Form f)
{
    feld.Zahl = Begrenzt<Z>(wert);
    Formen(feld.Text, feld.Zahl, f);
}

template <std::size_t N, typename Z>
void Addieren(TextZahl<N, Z>& feld, long d, Form f)
{
    Setzen(feld, long(feld.Zahl) + d, f);
}

// The lane keeps number and text apart.
template <std::size_t N, typename Z>
void Setzen(Text<N>& text, Z& zahl, long wert, Form f)
{
    zahl = Begrenzt<Z>(wert);
    Formen(text, zahl, f);
}

}  // namespace Zaehler
