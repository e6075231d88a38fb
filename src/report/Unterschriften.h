#pragma once
// The signatures of the home captain, the guest captain and the referee,
// kept with the match they were made for: a new, loaded or other match has
// none until it is signed. Stamped into the signature boxes of the built-in
// layouts wherever the report is drawn (window, print, fax, e-mail).

#include "core/Records.h"
#include "report/formulare/Leinwand.h"

#include <QImage>
#include <QRect>
#include <array>
#include <optional>

constexpr int UnterschriftBreite = 660;
constexpr int UnterschriftHoehe = 150;

struct Unterschriften {
    QImage heim, gast, schiedsrichter;  // 660 x 150, black on white; null = not signed

    // None of the three is signed.
    bool leer() const { return heim.isNull() && gast.isNull() && schiedsrichter.isNull(); }
};

// A white signature of the standard size, to draw on.
QImage LeereUnterschrift();

// The signatures of w; all null for a match that was not signed.
Unterschriften UnterschriftenVon(const TWettkampfDaten& w);
void UnterschriftenSetzen(const TWettkampfDaten& w, const Unterschriften& u);

// The boxes of layout 0..8: home captain, referee, guest captain.
std::optional<std::array<QRect, 3>> UnterschriftFelder(int index);
// Stretches the signed ones into their boxes of the drawn form (layouts 4..8
// keep the form's lines under the white of a signature); nothing outside 0..8.
void UnterschriftenStempeln(QImage& bild, int index, const Unterschriften& u);

struct FormularBild;
// The report of w on layout 0..8 as it goes out: drawn afresh and signed
// with the match's signatures. An empty result outside 0..8.
FormularBild BerichtZeichnen(TWettkampfDaten& w, int index);

// The same report in two steps, so that the drawing can leave the UI
// thread: BerichtAufnehmen reads the match, the settings and the
// signatures and records the texts; BerichtZeichnen of the recording draws
// the form and stamps the signatures, on any thread.
struct Berichtsaufnahme {
    int index = 0;
    Zeichenliste texte;
    Unterschriften unterschriften;
};
// Nothing outside 0..8.
std::optional<Berichtsaufnahme> BerichtAufnehmen(TWettkampfDaten& w, int index);
FormularBild BerichtZeichnen(const Berichtsaufnahme& a);

struct UnterschriftenZustand {
    struct Eintrag {
        const TWettkampfDaten* wettkampf = nullptr;
        u32 anlegeNr = 0;
        Unterschriften u;
    };
    std::array<Eintrag, MaxWettkaempfe> eintraege;

    void zuruecksetzen() { *this = UnterschriftenZustand{}; }
};
extern UnterschriftenZustand unterschriftenZustand;
