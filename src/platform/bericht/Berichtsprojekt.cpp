// The report project's file format: reading it with the place of each
// fault, and writing it back.
#include "platform/bericht/Berichtsprojekt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QString KennungFormat = QStringLiteral("corvalink-berichtsprojekt");
const QString UnbekanntesFormat = QStringLiteral("Formulardatei hat ein unbekanntes Format");
constexpr int HoechsteVersion = 1;
constexpr qint64 HoechsteDateigroesse = 4 * 1024 * 1024;
constexpr int HoechsteObjektzahl = 5000;
constexpr int HoechsteSpaltenzahl = 50;
constexpr double HoechsteKoordinateMm = 1000;

// ---- positions in the text

// Line and column (1-based, in characters) of a byte offset.
std::pair<int, int> Stelle(const QByteArray& text, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    const qsizetype zeilenanfang = text.lastIndexOf('\n', offset - 1) + 1;
    const int zeile = int(text.left(offset).count('\n')) + 1;
    const int spalte = int(QString::fromUtf8(text.mid(zeilenanfang, offset - zeilenanfang)).size()) + 1;
    return {zeile, spalte};
}

QString SyntaxfehlerText(QJsonParseError::ParseError fehler)
{
    switch (fehler) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("ein Objekt ist nicht abgeschlossen (fehlt ein Komma oder eine „}“?)");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("nach dem Namen fehlt der Doppelpunkt");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("eine Liste ist nicht abgeschlossen (fehlt ein Komma oder eine „]“?)");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("zwischen zwei Werten fehlt ein Komma");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("unzulässiger Wert");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("der Text endet mitten in einer Zahl");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("unzulässige Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("unzulässige Escape-Folge");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("unzulässiges Zeichen (kein UTF-8)");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("ein Text in Anführungszeichen ist nicht abgeschlossen");
    case QJsonParseError::MissingObject:
        return QStringLiteral("nach dem Komma fehlt ein Eintrag");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("zu groß");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("nach dem Ende stehen weitere Zeichen");
    case QJsonParseError::NoError:
        break;
    }
    return QStringLiteral("fehlerhafter Text");
}

// The byte offsets at which the entries of the top-level "objekte" list
// start, found by a skim over the text (only used to place faults).
QList<qsizetype> ObjektAnfaenge(const QByteArray& t)
{
    QList<qsizetype> anfaenge;
    int tiefe = 0;
    bool inListe = false;
    bool erwarteEintrag = false;
    const qsizetype n = t.size();
    auto leerzeichen = [&](qsizetype i) {
        while (i < n && (t[i] == ' ' || t[i] == '\t' || t[i] == '\r' || t[i] == '\n')) ++i;
        return i;
    };
    for (qsizetype i = 0; i < n;) {
        const char c = t[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (inListe && tiefe == 2 && erwarteEintrag && c != ']') {
            anfaenge.append(i);
            erwarteEintrag = false;
        }
        if (c == '"') {
            const qsizetype anfang = ++i;
            while (i < n && t[i] != '"') i += (t[i] == '\\') ? 2 : 1;
            const QByteArray wort = t.mid(anfang, i - anfang);
            ++i;
            if (tiefe == 1 && !inListe && wort == "objekte") {
                qsizetype j = leerzeichen(i);
                if (j < n && t[j] == ':') {
                    j = leerzeichen(j + 1);
                    if (j < n && t[j] == '[') {
                        inListe = true;
                        erwarteEintrag = true;
                        tiefe = 2;
                        i = j + 1;
                    }
                }
            }
            continue;
        }
        if (c == '{' || c == '[') {
            ++tiefe;
        } else if (c == '}' || c == ']') {
            --tiefe;
            if (inListe && tiefe < 2) return anfaenge;
        } else if (c == ',' && inListe && tiefe == 2) {
            erwarteEintrag = true;
        }
        ++i;
    }
    return anfaenge;
}

// ---- names of the format

const char* ArtName(Berichtselement::Art art)
{
    switch (art) {
    case Berichtselement::Art::Text: return "text";
    case Berichtselement::Art::Linie: return "linie";
    case Berichtselement::Art::Rechteck: return "rechteck";
    case Berichtselement::Art::Bild: return "bild";
    case Berichtselement::Art::Kreuz: return "kreuz";
    case Berichtselement::Art::Tabelle: return "tabelle";
    }
    return "text";
}

std::optional<Berichtselement::Art> ArtAusName(const QString& name)
{
    using A = Berichtselement::Art;
    for (A art : {A::Text, A::Linie, A::Rechteck, A::Bild, A::Kreuz, A::Tabelle})
        if (name == QLatin1String(ArtName(art))) return art;
    return std::nullopt;
}

QString AusrichtungName(Textausrichtung a)
{
    switch (a) {
    case Textausrichtung::Links: return QStringLiteral("links");
    case Textausrichtung::Mitte: return QStringLiteral("mitte");
    case Textausrichtung::Rechts: return QStringLiteral("rechts");
    }
    return QStringLiteral("links");
}

// "#rrggbb", "#aarrggbb" when not opaque; channels finer than 8 bits (read
// from "#rrrgggbbb" or "#rrrrggggbbbb") in 12 or 16 bits, so that the colour
// reads back the same.
QString FarbName(const QColor& farbe)
{
    const QRgba64 f = farbe.rgba64();
    const std::array<quint16, 3> kanaele{f.red(), f.green(), f.blue()};
    const auto in = [&](auto passt) { return std::all_of(kanaele.begin(), kanaele.end(), passt); };
    if (f.alpha() != 0xffff || in([](quint16 k) { return k % 0x101 == 0; }))
        return farbe.name(farbe.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
    // Twelve bits stand for (k << 4) | (k >> 8).
    const bool zwoelf = in([](quint16 k) { return ((k >> 4) << 4 | k >> 12) == k; });
    QString name = QStringLiteral("#");
    for (const quint16 k : kanaele)
        name += QString::number(zwoelf ? k >> 4 : k, 16).rightJustified(zwoelf ? 3 : 4, QLatin1Char('0'));
    return name;
}

QString BildAusserhalb(const QString& datei)
{
    return QStringLiteral("das Bild „%1“ liegt außerhalb des Formularordners und des Programmordners und wird "
                          "nicht gezeigt")
        .arg(datei);
}

// ---- reading, with the place of a fault

struct Fehlschlag {
    QString text;
    int objekt = 0;  // the number of the object at fault, 0 for the project
};

class Objektleser {
public:
    Objektleser(QJsonObject o, QString wo) : o(std::move(o)), wo(std::move(wo)) {}

    [[noreturn]] void fehler(const QString& text) const { throw Fehlschlag{wo + QStringLiteral(": ") + text}; }

    bool hat(const char* schluessel) const { return o.contains(QLatin1String(schluessel)); }

    QString text(const char* schluessel, const QString& vorgabe, bool pflicht = false) const
    {
        const QJsonValue v = o.value(QLatin1String(schluessel));
        if (v.isUndefined()) {
            if (pflicht) fehler(QStringLiteral("\"%1\" fehlt").arg(QLatin1String(schluessel)));
            return vorgabe;
        }
        if (!v.isString()) fehler(QStringLiteral("\"%1\" ist kein Text").arg(QLatin1String(schluessel)));
        return v.toString();
    }

    bool logisch(const char* schluessel, bool vorgabe) const
    {
        const QJsonValue v = o.value(QLatin1String(schluessel));
        if (v.isUndefined()) return vorgabe;
        if (!v.isBool()) fehler(QStringLiteral("\"%1\" muss true oder false sein").arg(QLatin1String(schluessel)));
        return v.toBool();
    }

    double zahl(const char* schluessel, double vorgabe, double min, double max) const
    {
        const QJsonValue v = o.value(QLatin1String(schluessel));
        if (v.isUndefined()) return vorgabe;
        if (!v.isDouble() || !std::isfinite(v.toDouble()) || v.toDouble() < min || v.toDouble() > max)
            fehler(QStringLiteral("\"%1\" muss eine Zahl von %2 bis %3 sein")
                       .arg(QLatin1String(schluessel))
                       .arg(min)
                       .arg(max));
        return v.toDouble();
    }

    // A list of `anzahl` numbers.
    QList<double> zahlen(const char* schluessel, int anzahl, const QString& beschreibung) const
    {
        const QJsonValue v = o.value(QLatin1String(schluessel));
        QList<double> werte;
        if (v.isArray() && v.toArray().size() == anzahl)
            for (const QJsonValue& z : v.toArray())
                if (z.isDouble() && std::isfinite(z.toDouble())) werte.append(z.toDouble());
        if (werte.size() != anzahl)
            fehler(QStringLiteral("\"%1\" fehlt oder ist keine Liste von %2")
                       .arg(QLatin1String(schluessel), beschreibung));
        return werte;
    }

    QRectF rechteck() const
    {
        const QList<double> z = zahlen("rechteck_mm", 4, QStringLiteral("vier Zahlen"));
        if (z[2] < 0 || z[3] < 0) fehler(QStringLiteral("\"rechteck_mm\" hat eine negative Breite oder Höhe"));
        for (double w : z)
            if (w < 0 || w > HoechsteKoordinateMm)
                fehler(QStringLiteral("\"rechteck_mm\" liegt nicht im Bereich von 0 bis 1000 mm"));
        return {z[0], z[1], z[2], z[3]};
    }

    QPointF punkt(const char* schluessel) const
    {
        const QList<double> z = zahlen(schluessel, 2, QStringLiteral("zwei Zahlen"));
        for (double w : z)
            if (w < 0 || w > HoechsteKoordinateMm)
                fehler(QStringLiteral("\"%1\" liegt nicht im Bereich von 0 bis 1000 mm").arg(QLatin1String(schluessel)));
        return {z[0], z[1]};
    }

    QColor farbe(const char* schluessel, const QColor& vorgabe) const
    {
        const QJsonValue v = o.value(QLatin1String(schluessel));
        if (v.isUndefined()) return vorgabe;
        const QColor f = v.isString() ? QColor::fromString(v.toString()) : QColor();
        if (!f.isValid())
            fehler(QStringLiteral("\"%1\" ist keine Farbe (etwa \"#000000\")").arg(QLatin1String(schluessel)));
        return f;
    }

    Textausrichtung ausrichtung() const
    {
        const QString a = text("ausrichtung", QStringLiteral("links"));
        for (Textausrichtung t : {Textausrichtung::Links, Textausrichtung::Mitte, Textausrichtung::Rechts})
            if (a == AusrichtungName(t)) return t;
        fehler(QStringLiteral("\"ausrichtung\" muss \"links\", \"mitte\" oder \"rechts\" sein"));
    }

    Seitenschrift schrift(const char* schluessel, const Seitenschrift& vorgabe) const
    {
        const QJsonValue v = o.value(QLatin1String(schluessel));
        if (v.isUndefined()) return vorgabe;
        if (!v.isObject()) fehler(QStringLiteral("\"%1\" ist kein Objekt").arg(QLatin1String(schluessel)));
        const Objektleser s(v.toObject(), wo + QStringLiteral(", \"%1\"").arg(QLatin1String(schluessel)));
        Seitenschrift b = vorgabe;
        b.familie = s.text("familie", vorgabe.familie);
        if (b.familie.trimmed().isEmpty()) s.fehler(QStringLiteral("\"familie\" ist leer"));
        b.punkt = s.zahl("punkt", vorgabe.punkt, 1, 200);
        b.fett = s.logisch("fett", vorgabe.fett);
        b.kursiv = s.logisch("kursiv", vorgabe.kursiv);
        return b;
    }

    QJsonObject o;
    QString wo;
};

Projektobjekt ObjektLesen(const QJsonObject& o, int nummer, Projektart projektart, const QString& ordner,
                          QStringList& hinweise)
{
    const QString artName = o.value(QLatin1String("art")).toString();
    const auto art = ArtAusName(artName);
    const QString wo = artName.isEmpty() ? QStringLiteral("Objekt %1").arg(nummer)
                                         : QStringLiteral("Objekt %1 (%2)").arg(nummer).arg(artName);
    const Objektleser l(o, wo);
    if (!o.value(QLatin1String("art")).isString())
        l.fehler(QStringLiteral("\"art\" fehlt (text, kreuz, linie, rechteck, bild oder tabelle)"));
    if (!art) l.fehler(QStringLiteral("unbekannte Art (erlaubt: text, kreuz, linie, rechteck, bild, tabelle)"));

    Projektobjekt p;
    p.art = *art;
    using A = Berichtselement::Art;
    switch (*art) {
    case A::Text:
        p.mm = l.rechteck();
        p.vorlage = l.text("text", {});
        p.schrift = l.schrift("schrift", {});
        p.farbe = l.farbe("farbe", Qt::black);
        p.ausrichtung = l.ausrichtung();
        p.nullLeer = l.logisch("null_leer", false);
        break;
    case A::Kreuz:
        p.mm = l.rechteck();
        p.vorlage = l.text("variable", {}, true).trimmed();
        if (p.vorlage.isEmpty()) l.fehler(QStringLiteral("\"variable\" ist leer"));
        p.farbe = l.farbe("farbe", Qt::black);
        p.staerkeMm = l.zahl("staerke_mm", 0.3, 0, 10);
        break;
    case A::Linie:
        p.mm = QRectF(l.punkt("von_mm"), l.punkt("bis_mm"));
        p.farbe = l.farbe("farbe", Qt::black);
        p.staerkeMm = l.zahl("staerke_mm", 0.3, 0, 10);
        break;
    case A::Rechteck:
        p.mm = l.rechteck();
        p.farbe = l.farbe("farbe", Qt::black);
        p.fuellung = l.farbe("fuellung", QColor());
        p.staerkeMm = l.zahl("staerke_mm", 0.3, 0, 10);
        break;
    case A::Bild:
        p.mm = l.rechteck();
        p.datei = l.text("datei", {}, true);
        if (p.datei.trimmed().isEmpty()) l.fehler(QStringLiteral("\"datei\" ist leer"));
        if (!ProjektBildpfad(ordner, p.datei)) hinweise << l.wo + QStringLiteral(": ") + BildAusserhalb(p.datei);
        break;
    case A::Tabelle: {
        if (projektart != Projektart::Liste)
            l.fehler(QStringLiteral("eine Tabelle gibt es nur in einer Liste (\"typ\": \"liste\")"));
        p.mm = l.rechteck();
        p.zeilenhoeheMm = l.zahl("zeilenhoehe_mm", 6, 1, 200);
        p.kopf = l.logisch("kopf", true);
        p.schrift = l.schrift("schrift", {});
        Seitenschrift fett = p.schrift;
        fett.fett = true;
        p.kopfschrift = l.schrift("kopfschrift", fett);
        p.farbe = l.farbe("farbe", Qt::black);
        const QJsonValue spalten = o.value(QLatin1String("spalten"));
        if (!spalten.isArray() || spalten.toArray().isEmpty())
            l.fehler(QStringLiteral("\"spalten\" fehlt oder ist keine Liste von Spalten"));
        if (spalten.toArray().size() > HoechsteSpaltenzahl)
            l.fehler(QStringLiteral("mehr als %1 Spalten").arg(HoechsteSpaltenzahl));
        int s = 0;
        for (const QJsonValue& v : spalten.toArray()) {
            ++s;
            if (!v.isObject()) l.fehler(QStringLiteral("Spalte %1 ist kein Objekt").arg(s));
            const Objektleser sl(v.toObject(), wo + QStringLiteral(", Spalte %1").arg(s));
            Projektspalte spalte;
            spalte.titel = sl.text("titel", {});
            spalte.inhalt = sl.text("inhalt", {});
            spalte.breiteMm = sl.zahl("breite_mm", 30, 0, HoechsteKoordinateMm);
            spalte.ausrichtung = sl.ausrichtung();
            p.spalten.append(spalte);
        }
        break;
    }
    }
    return p;
}

Berichtsprojekt ProjektAusObjekt(const QJsonObject& wurzel, const QString& ordner)
{
    Berichtsprojekt projekt;
    const Objektleser l(wurzel, QStringLiteral("Projekt"));
    const QString typ = l.text("typ", {}, true);
    if (typ == QLatin1String("karte"))
        projekt.art = Projektart::Karte;
    else if (typ == QLatin1String("liste"))
        projekt.art = Projektart::Liste;
    else
        l.fehler(QStringLiteral("\"typ\" muss \"karte\" oder \"liste\" sein"));

    const QJsonValue seite = wurzel.value(QLatin1String("seite"));
    if (!seite.isUndefined() && !seite.isObject()) l.fehler(QStringLiteral("\"seite\" ist kein Objekt"));
    const Objektleser s(seite.toObject(), QStringLiteral("Seite"));
    const QString format = s.text("format", QStringLiteral("A4"));
    const QString ausrichtung = s.text("ausrichtung", QStringLiteral("hoch"));
    QSizeF hoch;
    if (format.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        hoch = {210, 297};
    else if (format.compare(QLatin1String("A5"), Qt::CaseInsensitive) == 0)
        hoch = {148, 210};
    else
        s.fehler(QStringLiteral("\"format\" muss \"A4\" oder \"A5\" sein"));
    if (ausrichtung == QLatin1String("hoch"))
        projekt.seiteMm = hoch;
    else if (ausrichtung == QLatin1String("quer"))
        projekt.seiteMm = hoch.transposed();
    else
        s.fehler(QStringLiteral("\"ausrichtung\" muss \"hoch\" oder \"quer\" sein"));

    projekt.hintergrund = l.text("hintergrund", {});
    if (!projekt.hintergrund.isEmpty() && !ProjektBildpfad(ordner, projekt.hintergrund))
        projekt.hinweise << QStringLiteral("Projekt: \"hintergrund\": ") + BildAusserhalb(projekt.hintergrund);

    const QJsonValue objekte = wurzel.value(QLatin1String("objekte"));
    if (!objekte.isUndefined() && !objekte.isArray()) l.fehler(QStringLiteral("\"objekte\" ist keine Liste"));
    const QJsonArray liste = objekte.toArray();
    if (liste.size() > HoechsteObjektzahl) l.fehler(QStringLiteral("mehr als %1 Objekte").arg(HoechsteObjektzahl));
    bool tabelle = false;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const int nummer = int(i) + 1;
        if (!liste[i].isObject()) throw Fehlschlag{QStringLiteral("Objekt %1 ist kein Objekt").arg(nummer), nummer};
        Projektobjekt o;
        try {
            o = ObjektLesen(liste[i].toObject(), nummer, projekt.art, ordner, projekt.hinweise);
        } catch (Fehlschlag& f) {
            f.objekt = nummer;
            throw;
        }
        if (o.art == Berichtselement::Art::Tabelle) {
            if (tabelle)
                throw Fehlschlag{
                    QStringLiteral("Objekt %1 (tabelle): eine Liste hat höchstens eine Tabelle").arg(nummer), nummer};
            tabelle = true;
        }
        projekt.objekte.append(o);
    }
    return projekt;
}

// ---- writing

QJsonArray Zahlen(std::initializer_list<double> werte)
{
    QJsonArray a;
    for (double w : werte) a.append(w);
    return a;
}

QJsonObject SchriftObjekt(const Seitenschrift& s)
{
    return QJsonObject{{QStringLiteral("familie"), s.familie},
                       {QStringLiteral("punkt"), s.punkt},
                       {QStringLiteral("fett"), s.fett},
                       {QStringLiteral("kursiv"), s.kursiv}};
}

QJsonObject ObjektJson(const Projektobjekt& p)
{
    using A = Berichtselement::Art;
    QJsonObject o{{QStringLiteral("art"), QLatin1String(ArtName(p.art))}};
    const QJsonArray rechteck = Zahlen({p.mm.x(), p.mm.y(), p.mm.width(), p.mm.height()});
    switch (p.art) {
    case A::Text:
        o.insert(QStringLiteral("rechteck_mm"), rechteck);
        o.insert(QStringLiteral("text"), p.vorlage);
        o.insert(QStringLiteral("schrift"), SchriftObjekt(p.schrift));
        o.insert(QStringLiteral("farbe"), FarbName(p.farbe));
        o.insert(QStringLiteral("ausrichtung"), AusrichtungName(p.ausrichtung));
        if (p.nullLeer) o.insert(QStringLiteral("null_leer"), true);
        break;
    case A::Kreuz:
        o.insert(QStringLiteral("rechteck_mm"), rechteck);
        o.insert(QStringLiteral("variable"), p.vorlage);
        o.insert(QStringLiteral("farbe"), FarbName(p.farbe));
        o.insert(QStringLiteral("staerke_mm"), p.staerkeMm);
        break;
    case A::Linie:
        o.insert(QStringLiteral("von_mm"), Zahlen({p.mm.left(), p.mm.top()}));
        o.insert(QStringLiteral("bis_mm"), Zahlen({p.mm.right(), p.mm.bottom()}));
        o.insert(QStringLiteral("farbe"), FarbName(p.farbe));
        o.insert(QStringLiteral("staerke_mm"), p.staerkeMm);
        break;
    case A::Rechteck:
        o.insert(QStringLiteral("rechteck_mm"), rechteck);
        o.insert(QStringLiteral("farbe"), FarbName(p.farbe));
        if (p.fuellung.isValid()) o.insert(QStringLiteral("fuellung"), FarbName(p.fuellung));
        o.insert(QStringLiteral("staerke_mm"), p.staerkeMm);
        break;
    case A::Bild:
        o.insert(QStringLiteral("rechteck_mm"), rechteck);
        o.insert(QStringLiteral("datei"), p.datei);
        break;
    case A::Tabelle: {
        o.insert(QStringLiteral("rechteck_mm"), rechteck);
        o.insert(QStringLiteral("zeilenhoehe_mm"), p.zeilenhoeheMm);
        o.insert(QStringLiteral("kopf"), p.kopf);
        o.insert(QStringLiteral("schrift"), SchriftObjekt(p.schrift));
        o.insert(QStringLiteral("kopfschrift"), SchriftObjekt(p.kopfschrift));
        o.insert(QStringLiteral("farbe"), FarbName(p.farbe));
        QJsonArray spalten;
        for (const Projektspalte& s : p.spalten)
            spalten.append(QJsonObject{{QStringLiteral("titel"), s.titel},
                                       {QStringLiteral("inhalt"), s.inhalt},
                                       {QStringLiteral("breite_mm"), s.breiteMm},
                                       {QStringLiteral("ausrichtung"), AusrichtungName(s.ausrichtung)}});
        o.insert(QStringLiteral("spalten"), spalten);
        break;
    }
    }
    return o;
}

}  // namespace

QString ObjektartName(Berichtselement::Art art) { return QLatin1String(ArtName(art)); }

QString ProjektfehlerText(const Projektfehler& fehler)
{
    if (fehler.zeile <= 0) return fehler.text;
    return QStringLiteral("Zeile %1, Spalte %2: %3").arg(fehler.zeile).arg(fehler.spalte).arg(fehler.text);
}

Projektergebnis ProjektLesen(const QByteArray& text, const QString& ordner)
{
    Projektergebnis ergebnis;
    auto unbekannt = [&] {
        ergebnis.fehler = {0, 0, UnbekanntesFormat};
        return ergebnis;
    };

    // Only a text that starts as a JSON object can be one of ours; anything
    // else (binary project files of other programs included) is foreign.
    qsizetype anfang = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (anfang < text.size() && QByteArrayView(" \t\r\n").contains(text[anfang])) ++anfang;
    if (anfang >= text.size() || text[anfang] != '{' || text.contains('\0')) return unbekannt();

    QJsonParseError parseFehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(text, &parseFehler);
    if (parseFehler.error != QJsonParseError::NoError) {
        const auto [zeile, spalte] = Stelle(text, qMax(0, parseFehler.offset - 1));
        ergebnis.fehler = {zeile, spalte, QStringLiteral("Die Formulardatei ist fehlerhaft: %1")
                                              .arg(SyntaxfehlerText(parseFehler.error))};
        return ergebnis;
    }
    const QJsonObject wurzel = dokument.object();
    if (wurzel.value(QLatin1String("format")).toString() != KennungFormat) return unbekannt();

    const QJsonValue version = wurzel.value(QLatin1String("version"));
    const double v = version.toDouble(-1);
    if (!version.isDouble() || v < 1 || v != std::floor(v)) {
        ergebnis.fehler = {0, 0, QStringLiteral("Projekt: \"version\" fehlt oder ist keine ganze Zahl ab 1")};
        return ergebnis;
    }
    if (v > HoechsteVersion) {
        ergebnis.fehler = {0, 0, QStringLiteral("Die Formulardatei hat die Version %1; dieses Programm liest "
                                                "nur Formulare bis zur Version %2.")
                                     .arg(v)
                                     .arg(HoechsteVersion)};
        return ergebnis;
    }

    try {
        Berichtsprojekt projekt = ProjektAusObjekt(wurzel, ordner);
        projekt.version = int(v);
        projekt.ordner = ordner;
        ergebnis.projekt = std::move(projekt);
    } catch (const Fehlschlag& f) {
        ergebnis.fehler = {0, 0, f.text};
        const QList<qsizetype> anfaenge = f.objekt > 0 ? ObjektAnfaenge(text) : QList<qsizetype>();
        if (f.objekt >= 1 && f.objekt <= anfaenge.size()) {
            const auto [zeile, spalte] = Stelle(text, anfaenge[f.objekt - 1]);
            ergebnis.fehler.zeile = zeile;
            ergebnis.fehler.spalte = spalte;
        }
    }
    return ergebnis;
}

Projektergebnis ProjektdateiLesen(const QString& datei)
{
    Projektergebnis ergebnis;
    const QFileInfo info(datei);
    const QString name = info.fileName();
    if (!info.exists()) {
        ergebnis.fehler.text = QStringLiteral("Die Formulardatei „%1“ fehlt.").arg(name);
        return ergebnis;
    }
    if (!info.isFile()) {
        ergebnis.fehler.text = QStringLiteral("„%1“ ist keine Datei.").arg(name);
        return ergebnis;
    }
    if (info.size() > HoechsteDateigroesse) {
        ergebnis.fehler.text = QStringLiteral("Die Formulardatei „%1“ ist zu groß (mehr als %2 MB).")
                                   .arg(name)
                                   .arg(HoechsteDateigroesse / (1024 * 1024));
        return ergebnis;
    }
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        ergebnis.fehler.text =
            QStringLiteral("Die Formulardatei „%1“ kann nicht gelesen werden: %2").arg(name, f.errorString());
        return ergebnis;
    }
    const QByteArray text = f.read(HoechsteDateigroesse + 1);
    if (text.size() > HoechsteDateigroesse) {
        ergebnis.fehler.text = QStringLiteral("Die Formulardatei „%1“ ist zu groß (mehr als %2 MB).")
                                   .arg(name)
                                   .arg(HoechsteDateigroesse / (1024 * 1024));
        return ergebnis;
    }
    return ProjektLesen(text, info.absolutePath());
}

QByteArray ProjektText(const Berichtsprojekt& projekt)
{
    // Indented at the top, one line per object: easy to read and to edit.
    const bool quer = projekt.seiteMm.width() > projekt.seiteMm.height();
    const double kurz = qMin(projekt.seiteMm.width(), projekt.seiteMm.height());
    const QJsonObject seite{{QStringLiteral("format"), kurz < 179 ? QStringLiteral("A5") : QStringLiteral("A4")},
                            {QStringLiteral("ausrichtung"), quer ? QStringLiteral("quer") : QStringLiteral("hoch")}};
    auto kompakt = [](const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); };
    auto zeichenkette = [](const QString& s) {
        const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
        return a.mid(1, a.size() - 2);
    };

    QByteArray t = "{\n";
    t += "    \"format\": " + zeichenkette(KennungFormat) + ",\n";
    t += "    \"version\": " + QByteArray::number(projekt.version) + ",\n";
    t += "    \"typ\": " + zeichenkette(projekt.art == Projektart::Liste ? QStringLiteral("liste")
                                                                        : QStringLiteral("karte")) +
         ",\n";
    t += "    \"seite\": " + kompakt(seite) + ",\n";
    if (!projekt.hintergrund.isEmpty()) t += "    \"hintergrund\": " + zeichenkette(projekt.hintergrund) + ",\n";
    t += "    \"objekte\": [";
    for (qsizetype i = 0; i < projekt.objekte.size(); ++i)
        t += (i ? ",\n        " : "\n        ") + kompakt(ObjektJson(projekt.objekte[i]));
    t += projekt.objekte.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return t;
}

QByteArray StandardProjekt(Projektart art)
{
    QFile f(art == Projektart::Liste ? QStringLiteral(":/berichte/Spielerdaten.lst")
                                     : QStringLiteral(":/berichte/Spielbericht.crd"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}
