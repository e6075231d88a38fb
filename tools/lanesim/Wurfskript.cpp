#include "lanesim/Wurfskript.h"

#include <QStringList>

namespace {

void setzeFehler(QString* fehler, const QString& text)
{
    if (fehler) *fehler = text;
}

// One token: the throw, then an optional '!' or "@hh".
std::optional<Wurfangabe> TokenLesen(QStringView t)
{
    Wurfangabe w;
    qsizetype i = 0;
    if (t.startsWith(u"0x", Qt::CaseInsensitive)) {
        i = 2;
        while (i < t.size() && QStringLiteral("0123456789abcdefABCDEF").contains(t[i])) ++i;
        bool ok = false;
        const uint bild = t.mid(2, i - 2).toUInt(&ok, 16);
        if (!ok || bild > 0x1FF) return std::nullopt;
        w = Wurfangabe::maske(std::uint16_t(bild));
    } else if (!t.isEmpty() && (t[0] == u'X' || t[0] == u'x')) {
        i = 1;
        w = Wurfangabe::alle();
    } else if (!t.isEmpty() && t[0] >= u'0' && t[0] <= u'9') {
        i = 1;
        w = Wurfangabe::zahl(t[0].unicode() - u'0');
    } else {
        return std::nullopt;
    }
    const QStringView rest = t.mid(i);
    if (rest.isEmpty()) return w;
    if (rest == u"!") {
        w.flags = FlagsFoul;
        return w;
    }
    if (rest.size() >= 2 && rest.size() <= 3 && rest[0] == u'@') {
        bool ok = false;
        const uint flags = rest.mid(1).toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        w.flags = std::uint8_t(flags);
        return w;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Wurfliste> WuerfeLesen(QStringView text, QString* fehler)
{
    Wurfliste wuerfe;
    for (QStringView t : text.split(u' ', Qt::SkipEmptyParts)) {
        t = t.trimmed();
        if (t.isEmpty() || t == u"|") continue;
        const std::optional<Wurfangabe> w = TokenLesen(t);
        if (!w) {
            setzeFehler(fehler, QStringLiteral("unbekannter Wurf \"%1\"").arg(t));
            return std::nullopt;
        }
        wuerfe.push_back(*w);
    }
    return wuerfe;
}

std::optional<std::map<int, Wurfliste>> SkriptLesen(const QString& text, QString* fehler)
{
    std::map<int, Wurfliste> skripte;
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < zeilen.size(); ++n) {
        QString zeile = zeilen[n];
        zeile.replace(QLatin1Char('\t'), QLatin1Char(' '));
        const qsizetype kommentar = zeile.indexOf(QLatin1Char('#'));
        if (kommentar >= 0) zeile.truncate(kommentar);
        zeile = zeile.trimmed();
        if (zeile.isEmpty()) continue;
        const QString ort = QStringLiteral("Zeile %1: ").arg(n + 1);
        const qsizetype trenner = zeile.indexOf(QLatin1Char(':'));
        bool ok = false;
        const int bahn = trenner > 0 ? zeile.left(trenner).trimmed().toInt(&ok) : 0;
        if (!ok || bahn < 1 || bahn > 16) {
            setzeFehler(fehler, ort + QStringLiteral("erwartet \"<Bahn 1..16>: <Würfe>\""));
            return std::nullopt;
        }
        QString grund;
        const std::optional<Wurfliste> wuerfe = WuerfeLesen(QStringView(zeile).mid(trenner + 1), &grund);
        if (!wuerfe) {
            setzeFehler(fehler, ort + grund);
            return std::nullopt;
        }
        Wurfliste& liste = skripte[bahn];
        liste.insert(liste.end(), wuerfe->begin(), wuerfe->end());
    }
    return skripte;
}
