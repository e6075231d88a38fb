// Layout 2: the classic landscape report, drawn as layout 1 on rows of its
// own: the official at the head, players 7 and 8 on rows of their own and the
// captains at the foot. Every y is the bottom of its text.
//
// Places of this form that are its own (the rest as layout 1 has them):
//   name clip          x 200 .. 820, guest 1880 .. 2476 (up to 50 pixels before the birth year)
//   remark lines       x 400 and 1730, bottoms 1994, 2064, 2134
//   enclosures cross   (3321, 2104)
//   incident crosses   x as layout 1, no column 58 pixels right

#include "report/formulare/Formularlayouts.h"

namespace {

constexpr Formular1Plan Plan{
    .artZeilen = {330, 414, 498, 586},
    .spielleiterY = 166,
    .telefonY = 226,
    .landY = 292,
    .ortY = 378,
    .anlageY = 464,
    .beginnY = 550,
    .klasseY = 636,
    .mannschaftY = 724,
    .heim = {20, 200, 820, 870, 1160, 1350, 1470, 1650},
    .gast = {1696, 1880, 2476, 2526, 2840, 3030, 3150, 3330},
    .ersteZeileY = 926,
    .zeilenAbstand = 108,
    .ersatzzeilen = 2,
    .tabelleOben = 760,
    .volleBreite = 190,
    .kopfVersatz = 26,
    .nummerVersatz = 38,
    .fehlwuerfeGeteilt = true,
    .vorfallY = 1880,
    .anlagenY = 2104,
    .bemerkungY = {1994, 2064, 2134},
    .unterschriftY = 2225,
    .unterschriften = {"Unterschrift Mannschaftsführer Heim", "Unterschrift Schiedsrichter",
                       "Unterschrift Mannschaftsführer Gast"},
};

constexpr int FussY = 2350;

}  // namespace

void Formular2Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    Formular1NachPlan(l, w, k, Plan, k.schrift);
    Unten(l, 1080, FussY, w.Schiedsrichter.text());
    Unten(l, 4, FussY, w.Mannschaftsfuehrer[1].text());
    Unten(l, 2246, FussY, w.Mannschaftsfuehrer[2].text());
}

// --- Blank form ------------------------------------------------------------------------
// The home captain's name starts at x 4, so the page has no outer frame.

void Vordruck2Zeichnen(Berichtsleinwand& l)
{
    Vordruck1NachPlan(l, Plan);

    // The names of the captains and the referee on the line below the signatures.
    const std::pair<int, const char*> namen[] = {{4, "Mannschaftsführer Heim"}, {1080, "Schiedsrichter"}, {2246, "Mannschaftsführer Gast"}};
    for (auto [x, t] : namen) {
        Waagrecht(l, x, x + 900, FussY + 2);
        Beschriftung(l, x, FussY + 34, QString::fromUtf8(t), 18);
    }
}
