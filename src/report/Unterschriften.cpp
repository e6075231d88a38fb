#include "report/Unterschriften.h"

#include "report/formulare/Formular.h"

#include <QPainter>

UnterschriftenZustand unterschriftenZustand;

QImage LeereUnterschrift()
{
    QImage bild(UnterschriftBreite, UnterschriftHoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

namespace {

// A match is told apart from an earlier one in the same record by its AnlegeNr.
UnterschriftenZustand::Eintrag* Eintrag(const TWettkampfDaten& w, bool anlegen)
{
    for (auto& e : unterschriftenZustand.eintraege)
        if (e.wettkampf == &w) {
            if (e.anlegeNr == w.AnlegeNr) return &e;
            e = {};
            e.wettkampf = &w;
            e.anlegeNr = w.AnlegeNr;
            return &e;
        }
    if (!anlegen) return nullptr;
    for (auto& e : unterschriftenZustand.eintraege)
        if (!e.wettkampf) {
            e.wettkampf = &w;
            e.anlegeNr = w.AnlegeNr;
            return &e;
        }
    // More records than slots (tests with records of their own): the oldest goes.
    auto& e = unterschriftenZustand.eintraege.front();
    e = {};
    e.wettkampf = &w;
    e.anlegeNr = w.AnlegeNr;
    return &e;
}

}  // namespace

Unterschriften UnterschriftenVon(const TWettkampfDaten& w)
{
    const auto* e = Eintrag(w, false);
    return e ? e->u : Unterschriften{};
}

void UnterschriftenSetzen(const TWettkampfDaten& w, const Unterschriften& u) { Eintrag(w, true)->u = u; }

std::optional<std::array<QRect, 3>> UnterschriftFelder(int index)
{
    // left, top, right, bottom of home captain, referee, guest captain
    static constexpr int Felder[9][3][4] = {
        {{100, 1350, 540, 1450}, {900, 1350, 1340, 1450}, {1700, 1350, 2140, 1450}},
        {{400, 2170, 730, 2245}, {1600, 2170, 1930, 2245}, {2700, 2170, 3030, 2245}},
        {{400, 2230, 730, 2305}, {1600, 2230, 1930, 2305}, {2700, 2230, 3030, 2305}},
        {{2900, 1900, 3230, 1975}, {2900, 2067, 3230, 2142}, {2900, 1986, 3230, 2061}},
        {{80, 2200, 410, 2275}, {1400, 2200, 1730, 2275}, {2770, 2200, 3100, 2275}},
        {{440, 2200, 770, 2275}, {1680, 2200, 2010, 2275}, {2670, 2200, 3000, 2275}},
        {{160, 2210, 490, 2285}, {1360, 2210, 1690, 2285}, {2860, 2210, 3190, 2285}},
        {{200, 2950, 530, 3025}, {1000, 3100, 1330, 3175}, {1900, 2950, 2230, 3025}},
        {{800, 1920, 1130, 1995}, {2170, 2150, 2500, 2225}, {2820, 1920, 3150, 1995}},
    };
    if (index < 0 || index > 8) return std::nullopt;
    std::array<QRect, 3> r;
    for (int i = 0; i < 3; ++i) {
        const auto& f = Felder[index][i];
        // Right and bottom are the first pixels outside the box.
        r[std::size_t(i)] = QRect(f[0], f[1], f[2] - f[0], f[3] - f[1]);
    }
    return r;
}

void UnterschriftenStempeln(QImage& bild, int index, const Unterschriften& u)
{
    const auto felder = UnterschriftFelder(index);
    if (!felder || u.leer() || bild.isNull()) return;
    if (bild.format() != QImage::Format_RGB32) bild = bild.convertToFormat(QImage::Format_RGB32);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    if (index >= 4) maler.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    const QImage* bilder[3] = {&u.heim, &u.schiedsrichter, &u.gast};
    for (int i = 0; i < 3; ++i)
        if (!bilder[i]->isNull()) maler.drawImage((*felder)[std::size_t(i)], *bilder[i]);
}

FormularBild BerichtZeichnen(TWettkampfDaten& w, int index)
{
    FormularBild f = FormularZeichnen(w, index);
    UnterschriftenStempeln(f.bild, index, UnterschriftenVon(w));
    return f;
}

std::optional<Berichtsaufnahme> BerichtAufnehmen(TWettkampfDaten& w, int index)
{
    if (!FormularMasse(index)) return std::nullopt;
    return Berichtsaufnahme{index, FormularTexteAufnehmen(w, FormularkontextLesen(index)), UnterschriftenVon(w)};
}

FormularBild BerichtZeichnen(const Berichtsaufnahme& a)
{
    FormularBild f = FormularZeichnen(a.texte, a.index);
    UnterschriftenStempeln(f.bild, a.index, a.unterschriften);
    return f;
}
