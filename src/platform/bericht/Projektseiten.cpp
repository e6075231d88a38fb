// How a project and the defined values make the pages: the templates'
// names filled in, the pictures read, a card's page and a list's rows.
#include "platform/bericht/Berichtsprojekt.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTime>
#include <cmath>

namespace {

QString& Programmordner()
{
    static QString ordner;
    return ordner;
}

bool Unterhalb(const QString& pfad, const QString& wurzel)
{
    if (wurzel.isEmpty()) return false;
    return pfad == wurzel || pfad.startsWith(wurzel.endsWith(u'/') ? wurzel : wurzel + u'/');
}

// ---- templates

struct Vorlagenstueck {
    bool name = false;
    QString text;  // the literal text, or the name
};

// "{Name}" is a name; "{{" and "}}" the braces; a brace that opens no name
// (unclosed, empty, or followed by another "{" first) stays literal.
QList<Vorlagenstueck> VorlageZerlegen(const QString& vorlage)
{
    QList<Vorlagenstueck> stuecke;
    QString literal;
    const qsizetype n = vorlage.size();
    auto literalAbschliessen = [&] {
        if (!literal.isEmpty()) stuecke.append({false, literal});
        literal.clear();
    };
    for (qsizetype i = 0; i < n;) {
        const QChar c = vorlage[i];
        const bool doppelt = i + 1 < n && vorlage[i + 1] == c;
        if (c == u'{') {
            if (doppelt) {
                literal += c;
                i += 2;
                continue;
            }
            const qsizetype ende = vorlage.indexOf(u'}', i + 1);
            const qsizetype naechste = vorlage.indexOf(u'{', i + 1);
            const QString name = ende < 0 ? QString() : vorlage.mid(i + 1, ende - i - 1).trimmed();
            if (ende < 0 || (naechste >= 0 && naechste < ende) || name.isEmpty()) {
                literal += c;
                ++i;
                continue;
            }
            literalAbschliessen();
            stuecke.append({true, name});
            i = ende + 1;
            continue;
        }
        if (c == u'}' && doppelt) {
            literal += c;
            i += 2;
            continue;
        }
        literal += c;
        ++i;
    }
    literalAbschliessen();
    return stuecke;
}

void NamenSammeln(const QString& vorlage, QStringList& namen)
{
    for (const Vorlagenstueck& s : VorlageZerlegen(vorlage))
        if (s.name && !namen.contains(s.text)) namen.append(s.text);
}

QImage BildLaden(const QString& ordner, const QString& datei)
{
    if (datei.isEmpty()) return {};
    const std::optional<QString> pfad = ProjektBildpfad(ordner, datei);
    if (!pfad) return {};
    QImageReader leser(*pfad);
    return leser.read();
}

}  // namespace

std::optional<QString> ProjektBildpfad(const QString& ordner, const QString& datei)
{
    const QString basis = QDir(ordner.isEmpty() ? QDir::currentPath() : ordner).absolutePath();
    const QString pfad = QDir::cleanPath(QDir(basis).absoluteFilePath(datei));
    const QFileInfo info(pfad);
    const QString echt = info.exists() ? info.canonicalFilePath() : pfad;
    for (const QString& wurzel : {basis, Programmordner()}) {
        if (wurzel.isEmpty()) continue;
        const QString kanonisch = QFileInfo(wurzel).canonicalFilePath();
        if (Unterhalb(echt, kanonisch) || (!info.exists() && Unterhalb(pfad, QDir::cleanPath(wurzel)))) return pfad;
    }
    return std::nullopt;
}

void BerichtProgrammordnerSetzen(const QString& ordner) { Programmordner() = ordner; }

QStringList ProjektNamen(const Berichtsprojekt& projekt)
{
    QStringList namen;
    for (const Projektobjekt& o : projekt.objekte) {
        switch (o.art) {
        case Berichtselement::Art::Text:
            NamenSammeln(o.vorlage, namen);
            break;
        case Berichtselement::Art::Kreuz:
            if (!namen.contains(o.vorlage)) namen.append(o.vorlage);
            break;
        case Berichtselement::Art::Tabelle:
            for (const Projektspalte& s : o.spalten) NamenSammeln(s.titel, namen);
            for (const Projektspalte& s : o.spalten) NamenSammeln(s.inhalt, namen);
            break;
        default:
            break;
        }
    }
    return namen;
}

Wertetabelle Werte(const Berichtswerte& werte)
{
    Wertetabelle tabelle;
    tabelle.reserve(werte.size());
    for (const Berichtswert& w : werte) tabelle.insert(w.name, w.wert);
    return tabelle;
}

QString VorlageFuellen(const QString& vorlage, const Wertetabelle& werte, QStringList* unbekannt, bool nullLeer)
{
    QString ergebnis;
    for (const Vorlagenstueck& s : VorlageZerlegen(vorlage)) {
        if (!s.name) {
            ergebnis += s.text;
            continue;
        }
        const auto it = werte.constFind(s.text);
        if (it != werte.constEnd()) {
            if (!nullLeer || it->trimmed() != QLatin1String("0")) ergebnis += *it;
        }
        else if (unbekannt && !unbekannt->contains(s.text))
            unbekannt->append(s.text);
    }
    return ergebnis;
}

Berichtsseite SeiteBeginnen(const Berichtsprojekt& projekt, const Wertetabelle& variablen, const Objektfilter& zeigen)
{
    Wertetabelle werte = variablen;
    if (!werte.contains(QStringLiteral("Datum")))
        werte.insert(QStringLiteral("Datum"), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    if (!werte.contains(QStringLiteral("Uhrzeit")))
        werte.insert(QStringLiteral("Uhrzeit"), QTime::currentTime().toString(QStringLiteral("hh:mm")));

    Berichtsseite seite;
    seite.groesseMm = projekt.seiteMm;
    using A = Berichtselement::Art;
    if (const QImage hintergrund = BildLaden(projekt.ordner, projekt.hintergrund); !hintergrund.isNull()) {
        Berichtselement e;
        e.art = A::Bild;
        e.mm = QRectF(QPointF(0, 0), projekt.seiteMm);
        e.bild = hintergrund;
        seite.elemente.append(e);
    }
    for (int i = 0; i < projekt.objekte.size(); ++i) {
        const Projektobjekt& o = projekt.objekte[i];
        Berichtselement e;
        e.art = o.art;
        e.mm = o.mm;
        e.farbe = o.farbe;
        e.staerkeMm = o.staerkeMm;
        switch (o.art) {
        case A::Text:
            e.text = VorlageFuellen(o.vorlage, werte, nullptr, o.nullLeer);
            e.schrift = o.schrift;
            e.ausrichtung = o.ausrichtung;
            break;
        case A::Kreuz:
            if (werte.value(o.vorlage).trimmed() != QLatin1String("T")) continue;
            e.text = QStringLiteral("X");
            break;
        case A::Linie:
            break;
        case A::Rechteck:
            e.fuellung = o.fuellung;
            break;
        case A::Bild:
            e.bild = BildLaden(projekt.ordner, o.datei);
            if (e.bild.isNull()) continue;
            break;
        case A::Tabelle:
            e.schrift = o.schrift;
            e.kopf = o.kopf;
            e.kopfschrift = o.kopfschrift;
            e.zeilenhoeheMm = o.zeilenhoeheMm;
            for (const Projektspalte& s : o.spalten)
                e.spalten.append({VorlageFuellen(s.titel, werte), s.breiteMm, s.ausrichtung});
            break;
        }
        if (zeigen && !zeigen(i, o)) continue;
        seite.elemente.append(e);
    }
    return seite;
}

bool ZeileAnfuegen(Berichtsseite& seite, const Berichtsprojekt& projekt, const Wertetabelle& felder)
{
    const auto tabelle = std::find_if(projekt.objekte.cbegin(), projekt.objekte.cend(), [](const Projektobjekt& o) {
        return o.art == Berichtselement::Art::Tabelle;
    });
    if (tabelle == projekt.objekte.cend()) return true;
    const auto element = std::find_if(seite.elemente.begin(), seite.elemente.end(), [](const Berichtselement& e) {
        return e.art == Berichtselement::Art::Tabelle;
    });
    if (element == seite.elemente.end()) return true;

    const double hoehe = element->zeilenhoeheMm > 0 ? element->zeilenhoeheMm : 1;
    const double platz = element->mm.height() - (element->kopf ? hoehe : 0);
    const double belegt = double(element->zeilen.size() + 1) * hoehe;
    if (!element->zeilen.isEmpty() && belegt > platz + 1e-6) return false;

    QStringList zeile;
    for (const Projektspalte& s : tabelle->spalten) zeile.append(VorlageFuellen(s.inhalt, felder));
    element->zeilen.append(zeile);
    return true;
}
