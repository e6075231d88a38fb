#include "platform/bericht/Berichtsseite.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <cmath>

namespace {

constexpr double MmProPunkt = 25.4 / 72;
constexpr double Zeilenabstand = 1.2;           // nominal line height / font size
constexpr double ZellenrandMm = 1.0;            // a table cell's text inset left and right
constexpr double KopflinieMm = 0.3;             // the rule under a table's header
constexpr double ZeilenlinieMm = 0.1;           // the light rule under each row
const QColor Zeilenlinienfarbe(0xc0, 0xc0, 0xc0);

// A text box is laid out over several lines (top aligned, word wrapped) when
// it holds a line break or is at least two nominal lines high; otherwise it
// is one line, centred in its height. The HTML export follows the same rule.
bool Mehrzeilig(const Berichtselement& e)
{
    return e.text.contains(u'\n') || e.mm.height() >= 2 * e.schrift.punkt * MmProPunkt * Zeilenabstand;
}

Qt::Alignment Waagrecht(Textausrichtung a)
{
    switch (a) {
    case Textausrichtung::Links: return Qt::AlignLeft;
    case Textausrichtung::Mitte: return Qt::AlignHCenter;
    case Textausrichtung::Rechts: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

// Millimetres on the page to device pixels.
struct Abbildung {
    QPointF ursprung;
    double sx = 1;
    double sy = 1;
    double dpiY = 96;

    QPointF punkt(QPointF mm) const { return {ursprung.x() + mm.x() * sx, ursprung.y() + mm.y() * sy}; }
    QRectF rechteck(const QRectF& mm) const { return {punkt(mm.topLeft()), punkt(mm.bottomRight())}; }
    double laenge(double mm) const { return mm * (sx + sy) / 2; }

    // A font of `punkt` points on paper, whatever the device's resolution.
    QFont schrift(const Seitenschrift& s) const
    {
        QFont f(s.familie);
        f.setPointSizeF(qMax(0.1, s.punkt * 25.4 * sy / dpiY));
        f.setBold(s.fett);
        f.setItalic(s.kursiv);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }
};

QPen Stift(const Abbildung& a, const QColor& farbe, double staerkeMm)
{
    if (staerkeMm <= 0) return Qt::NoPen;
    QPen stift(farbe, qMax(0.01, a.laenge(staerkeMm)));
    stift.setCapStyle(Qt::FlatCap);
    stift.setJoinStyle(Qt::MiterJoin);
    return stift;
}

void Beschneiden(QPainter& m, const QRectF& px)
{
    m.setClipRect(px, m.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TextZeichnen(QPainter& m, const QRectF& px, const QString& text, const QFont& schrift, const QColor& farbe,
                  Qt::Alignment waagrecht, bool mehrzeilig)
{
    if (text.isEmpty() || px.isEmpty()) return;
    m.save();
    Beschneiden(m, px);
    m.setFont(schrift);
    m.setPen(farbe);
    const int flags = int(waagrecht) | (mehrzeilig ? int(Qt::AlignTop) | Qt::TextWordWrap
                                                   : int(Qt::AlignVCenter) | Qt::TextSingleLine);
    m.drawText(px, flags, text);
    m.restore();
}

void TabelleZeichnen(QPainter& m, const Abbildung& a, const Berichtselement& e)
{
    const QRectF kasten = a.rechteck(e.mm);
    if (kasten.isEmpty()) return;
    m.save();
    Beschneiden(m, kasten);
    double breite = 0;
    for (const Tabellenspalte& s : e.spalten) breite += s.breiteMm;
    breite = qMin(breite, e.mm.width());
    const double hoehe = e.zeilenhoeheMm;
    double y = e.mm.top();

    auto zeileZeichnen = [&](const QStringList& zellen, const QFont& schrift) {
        double x = e.mm.left();
        for (qsizetype s = 0; s < e.spalten.size(); ++s) {
            const Tabellenspalte& spalte = e.spalten[s];
            const QRectF zelle(x + ZellenrandMm, y, spalte.breiteMm - 2 * ZellenrandMm, hoehe);
            if (s < zellen.size() && zelle.width() > 0)
                TextZeichnen(m, a.rechteck(zelle), zellen[s], schrift, e.farbe, Waagrecht(spalte.ausrichtung), false);
            x += spalte.breiteMm;
        }
        y += hoehe;
    };

    if (e.kopf) {
        QStringList titel;
        for (const Tabellenspalte& s : e.spalten) titel.append(s.titel);
        zeileZeichnen(titel, a.schrift(e.kopfschrift));
        m.setPen(Stift(a, e.farbe, KopflinieMm));
        m.drawLine(a.punkt({e.mm.left(), y}), a.punkt({e.mm.left() + breite, y}));
    }
    const QFont schrift = a.schrift(e.schrift);
    for (qsizetype z = 0; z < e.zeilen.size(); ++z) {
        zeileZeichnen(e.zeilen[z], schrift);
        m.setPen(Stift(a, Zeilenlinienfarbe, ZeilenlinieMm));
        m.drawLine(a.punkt({e.mm.left(), y}), a.punkt({e.mm.left() + breite, y}));
    }
    m.restore();
}

void ElementZeichnen(QPainter& m, const Abbildung& a, const Berichtselement& e)
{
    using A = Berichtselement::Art;
    switch (e.art) {
    case A::Text:
        TextZeichnen(m, a.rechteck(e.mm), e.text, a.schrift(e.schrift), e.farbe, Waagrecht(e.ausrichtung),
                     Mehrzeilig(e));
        break;
    case A::Linie:
        m.setPen(Stift(a, e.farbe, e.staerkeMm));
        m.drawLine(a.punkt(e.mm.topLeft()), a.punkt(e.mm.bottomRight()));
        break;
    case A::Rechteck:
        m.setPen(Stift(a, e.farbe, e.staerkeMm));
        m.setBrush(e.fuellung.isValid() ? QBrush(e.fuellung) : QBrush(Qt::NoBrush));
        m.drawRect(a.rechteck(e.mm));
        m.setBrush(Qt::NoBrush);
        break;
    case A::Bild:
        if (!e.bild.isNull()) m.drawImage(a.rechteck(e.mm), e.bild);
        break;
    case A::Kreuz: {
        const double rand = qMin(e.mm.width(), e.mm.height()) * 0.15;
        const QRectF innen = e.mm.adjusted(rand, rand, -rand, -rand);
        m.setPen(Stift(a, e.farbe, qMax(e.staerkeMm, 0.2)));
        m.drawLine(a.punkt(innen.topLeft()), a.punkt(innen.bottomRight()));
        m.drawLine(a.punkt(innen.topRight()), a.punkt(innen.bottomLeft()));
        break;
    }
    case A::Tabelle:
        TabelleZeichnen(m, a, e);
        break;
    }
}

QImage BildMachen(const Berichtsseite& seite, int breite, int hoehe)
{
    if (breite < 1 || hoehe < 1 || qint64(breite) * hoehe > 200'000'000) return {};
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.setDotsPerMeterX(qRound(breite / seite.groesseMm.width() * 1000));
    bild.setDotsPerMeterY(qRound(hoehe / seite.groesseMm.height() * 1000));
    bild.fill(Qt::white);
    QPainter m(&bild);
    m.setRenderHint(QPainter::Antialiasing);
    m.setRenderHint(QPainter::TextAntialiasing);
    m.setRenderHint(QPainter::SmoothPixmapTransform);
    SeiteZeichnen(m, seite, QRectF(0, 0, breite, hoehe));
    return bild;
}

bool SeiteGueltig(const Berichtsseite& seite)
{
    return seite.groesseMm.width() > 0 && seite.groesseMm.height() > 0;
}

// ---- HTML

QString Mm(double wert)
{
    QString t = QString::number(wert, 'f', 2);
    while (t.endsWith(u'0')) t.chop(1);
    if (t.endsWith(u'.')) t.chop(1);
    return t + QStringLiteral("mm");
}

QString Css(const QColor& farbe)
{
    if (farbe.alpha() == 255) return farbe.name();
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(farbe.red())
        .arg(farbe.green())
        .arg(farbe.blue())
        .arg(QString::number(farbe.alphaF(), 'f', 3));
}

QString CssSchrift(const Seitenschrift& s)
{
    QString familie = s.familie;
    familie.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9 _-]")));
    return QStringLiteral("font:%1%2%3pt '%4',Arial,Helvetica,sans-serif")
        .arg(s.kursiv ? QStringLiteral("italic ") : QString())
        .arg(s.fett ? QStringLiteral("bold ") : QString())
        .arg(QString::number(s.punkt, 'g', 4))
        .arg(familie);
}

QString CssAusrichtung(Textausrichtung a)
{
    switch (a) {
    case Textausrichtung::Links: return QStringLiteral("left");
    case Textausrichtung::Mitte: return QStringLiteral("center");
    case Textausrichtung::Rechts: return QStringLiteral("right");
    }
    return QStringLiteral("left");
}

QString CssKasten(const QRectF& mm)
{
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4")
        .arg(Mm(mm.left()), Mm(mm.top()), Mm(mm.width()), Mm(mm.height()));
}

// An SVG over `kasten` whose user unit is the millimetre, drawing from the
// box's top left.
QString Svg(const QRectF& kasten, const QString& inhalt)
{
    auto zahl = [](double w) { return QString::number(w, 'f', 3); };
    return QStringLiteral("<svg class=\"g\" style=\"%1\" viewBox=\"0 0 %2 %3\" preserveAspectRatio=\"none\">"
                          "%4</svg>\n")
        .arg(CssKasten(kasten), zahl(kasten.width()), zahl(kasten.height()), inhalt);
}

QString SvgLinie(QPointF von, QPointF bis, QPointF ursprung, const QColor& farbe, double staerke)
{
    auto zahl = [](double w) { return QString::number(w, 'f', 3); };
    return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\"/>")
        .arg(zahl(von.x() - ursprung.x()), zahl(von.y() - ursprung.y()), zahl(bis.x() - ursprung.x()),
             zahl(bis.y() - ursprung.y()), Css(farbe), zahl(staerke));
}

QString BildDaten(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    const bool durchsichtig = bild.hasAlphaChannel();
    bild.save(&puffer, durchsichtig ? "PNG" : "JPEG", durchsichtig ? -1 : 85);
    return QStringLiteral("data:image/%1;base64,%2")
        .arg(durchsichtig ? QStringLiteral("png") : QStringLiteral("jpeg"), QString::fromLatin1(daten.toBase64()));
}

QString ElementHtml(const Berichtselement& e)
{
    using A = Berichtselement::Art;
    switch (e.art) {
    case A::Text: {
        if (e.text.isEmpty()) return {};
        const bool mehrzeilig = Mehrzeilig(e);
        return QStringLiteral("<span class=\"t\" style=\"%1;%2;color:%3;text-align:%4;%5\">%6</span>\n")
            .arg(CssKasten(e.mm), CssSchrift(e.schrift), Css(e.farbe), CssAusrichtung(e.ausrichtung),
                 mehrzeilig ? QStringLiteral("white-space:pre-wrap;line-height:1.2")
                            : QStringLiteral("white-space:pre;line-height:") + Mm(e.mm.height()),
                 e.text.toHtmlEscaped());
    }
    case A::Linie: {
        // The box holds the whole stroke, so that a level line has a height.
        const double rand = qMax(e.staerkeMm, 0.1);
        const QRectF kasten =
            QRectF(e.mm.topLeft(), e.mm.bottomRight()).normalized().adjusted(-rand, -rand, rand, rand);
        return Svg(kasten, SvgLinie(e.mm.topLeft(), e.mm.bottomRight(), kasten.topLeft(), e.farbe, e.staerkeMm));
    }
    case A::Rechteck: {
        const double s = e.staerkeMm;
        const QRectF aussen = e.mm.adjusted(-s / 2, -s / 2, s / 2, s / 2);
        return QStringLiteral("<div class=\"g\" style=\"%1;border:%2 solid %3;%4\"></div>\n")
            .arg(CssKasten(aussen), Mm(s), Css(e.farbe),
                 e.fuellung.isValid() ? QStringLiteral("background:") + Css(e.fuellung) : QString());
    }
    case A::Bild:
        if (e.bild.isNull()) return {};
        return QStringLiteral("<img class=\"g\" style=\"%1\" src=\"%2\" alt=\"\">\n")
            .arg(CssKasten(e.mm), BildDaten(e.bild));
    case A::Kreuz: {
        const double rand = qMin(e.mm.width(), e.mm.height()) * 0.15;
        const QRectF innen = e.mm.adjusted(rand, rand, -rand, -rand);
        const double s = qMax(e.staerkeMm, 0.2);
        const QPointF o = e.mm.topLeft();
        return Svg(e.mm, SvgLinie(innen.topLeft(), innen.bottomRight(), o, e.farbe, s) +
                             SvgLinie(innen.topRight(), innen.bottomLeft(), o, e.farbe, s));
    }
    case A::Tabelle: {
        QString t = QStringLiteral("<div class=\"g\" style=\"%1;overflow:hidden\">\n"
                                   "<table style=\"color:%2\"><colgroup>")
                        .arg(CssKasten(e.mm), Css(e.farbe));
        double breite = 0;
        for (const Tabellenspalte& s : e.spalten) {
            t += QStringLiteral("<col style=\"width:%1\">").arg(Mm(s.breiteMm));
            breite += s.breiteMm;
        }
        t += QStringLiteral("</colgroup>\n");
        t.replace(QStringLiteral("<table style=\""), QStringLiteral("<table style=\"width:%1;").arg(Mm(breite)));
        const QString hoehe = Mm(e.zeilenhoeheMm);
        if (e.kopf) {
            t += QStringLiteral("<thead><tr style=\"height:%1\">").arg(hoehe);
            for (const Tabellenspalte& s : e.spalten)
                t += QStringLiteral("<th style=\"%1;text-align:%2;border-bottom:%3 solid %4\">%5</th>")
                         .arg(CssSchrift(e.kopfschrift), CssAusrichtung(s.ausrichtung), Mm(KopflinieMm),
                              Css(e.farbe), s.titel.toHtmlEscaped());
            t += QStringLiteral("</tr></thead>\n");
        }
        t += QStringLiteral("<tbody style=\"%1\">\n").arg(CssSchrift(e.schrift));
        for (const QStringList& zeile : e.zeilen) {
            t += QStringLiteral("<tr style=\"height:%1\">").arg(hoehe);
            for (qsizetype s = 0; s < e.spalten.size(); ++s)
                t += QStringLiteral("<td style=\"text-align:%1\">%2</td>")
                         .arg(CssAusrichtung(e.spalten[s].ausrichtung),
                              s < zeile.size() ? zeile[s].toHtmlEscaped() : QString());
            t += QStringLiteral("</tr>\n");
        }
        t += QStringLiteral("</tbody></table></div>\n");
        return t;
    }
    }
    return {};
}

bool Schreiben(const QString& datei, const QByteArray& daten, const QString& art, QString* fehler)
{
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(daten) != daten.size() || !f.commit()) {
        if (fehler)
            *fehler = QStringLiteral("%1 „%2“ kann nicht geschrieben werden: %3")
                          .arg(art, QFileInfo(datei).fileName(), f.errorString());
        return false;
    }
    return true;
}

// ---- preview file

constexpr quint32 VorschauKennung = 0x43564C56;  // "CVLV"
constexpr quint16 VorschauVersion = 1;
constexpr qint64 VorschauHoechstgroesse = 256LL * 1024 * 1024;
constexpr quint32 HoechsteSeitenzahl = 10000;
constexpr quint32 HoechsteElementzahl = 100000;
constexpr quint32 HoechsteSpaltenzahl = 1000;
constexpr quint32 HoechsteZeilenzahl = 100000;
constexpr double HoechsterBetragMm = 100000;

struct Beschaedigt {};

void SchriftSchreiben(QDataStream& s, const Seitenschrift& b)
{
    s << b.familie << b.punkt << b.fett << b.kursiv;
}

void FarbeSchreiben(QDataStream& s, const QColor& f)
{
    s << quint8(f.isValid()) << quint32(f.isValid() ? f.rgba() : 0);
}

void ElementSchreiben(QDataStream& s, const Berichtselement& e)
{
    s << quint8(e.art) << e.mm.x() << e.mm.y() << e.mm.width() << e.mm.height() << e.text;
    SchriftSchreiben(s, e.schrift);
    FarbeSchreiben(s, e.farbe);
    FarbeSchreiben(s, e.fuellung);
    s << e.staerkeMm << quint8(e.ausrichtung);
    QByteArray png;
    if (!e.bild.isNull()) {
        QBuffer puffer(&png);
        puffer.open(QIODevice::WriteOnly);
        e.bild.save(&puffer, "PNG");
    }
    s << png;
    s << quint32(e.spalten.size());
    for (const Tabellenspalte& sp : e.spalten) s << sp.titel << sp.breiteMm << quint8(sp.ausrichtung);
    s << e.kopf;
    SchriftSchreiben(s, e.kopfschrift);
    s << e.zeilenhoeheMm << quint32(e.zeilen.size());
    for (const QStringList& zeile : e.zeilen) {
        s << quint32(zeile.size());
        for (const QString& zelle : zeile) s << zelle;
    }
}

class Vorschauleser {
public:
    explicit Vorschauleser(QDataStream& s) : s(s) {}

    void pruefen() const
    {
        if (s.status() != QDataStream::Ok) throw Beschaedigt{};
    }
    template <class T>
    T lesen()
    {
        T wert{};
        s >> wert;
        pruefen();
        return wert;
    }
    double zahl(double min = -HoechsterBetragMm, double max = HoechsterBetragMm)
    {
        const double w = lesen<double>();
        if (!std::isfinite(w) || w < min || w > max) throw Beschaedigt{};
        return w;
    }
    quint32 anzahl(quint32 hoechstens)
    {
        const quint32 n = lesen<quint32>();
        if (n > hoechstens) throw Beschaedigt{};
        return n;
    }
    Seitenschrift schrift()
    {
        Seitenschrift b;
        b.familie = lesen<QString>();
        b.punkt = zahl(0, 1000);
        b.fett = lesen<bool>();
        b.kursiv = lesen<bool>();
        return b;
    }
    QColor farbe()
    {
        const quint8 gueltig = lesen<quint8>();
        const quint32 rgba = lesen<quint32>();
        if (gueltig > 1) throw Beschaedigt{};
        return gueltig ? QColor::fromRgba(rgba) : QColor();
    }
    Textausrichtung ausrichtung()
    {
        const quint8 a = lesen<quint8>();
        if (a > quint8(Textausrichtung::Rechts)) throw Beschaedigt{};
        return Textausrichtung(a);
    }
    Berichtselement element()
    {
        Berichtselement e;
        const quint8 art = lesen<quint8>();
        if (art > quint8(Berichtselement::Art::Tabelle)) throw Beschaedigt{};
        e.art = Berichtselement::Art(art);
        const double x = zahl(), y = zahl(), b = zahl(), h = zahl();
        e.mm = QRectF(x, y, b, h);
        e.text = lesen<QString>();
        e.schrift = schrift();
        e.farbe = farbe();
        e.fuellung = farbe();
        e.staerkeMm = zahl(0, 1000);
        e.ausrichtung = ausrichtung();
        const QByteArray png = lesen<QByteArray>();
        if (!png.isEmpty()) {
            e.bild = QImage::fromData(png, "PNG");
            if (e.bild.isNull()) throw Beschaedigt{};
        }
        const quint32 spalten = anzahl(HoechsteSpaltenzahl);
        for (quint32 i = 0; i < spalten; ++i) {
            Tabellenspalte sp;
            sp.titel = lesen<QString>();
            sp.breiteMm = zahl(0, HoechsterBetragMm);
            sp.ausrichtung = ausrichtung();
            e.spalten.append(sp);
        }
        e.kopf = lesen<bool>();
        e.kopfschrift = schrift();
        e.zeilenhoeheMm = zahl(0, HoechsterBetragMm);
        const quint32 zeilen = anzahl(HoechsteZeilenzahl);
        for (quint32 z = 0; z < zeilen; ++z) {
            QStringList zeile;
            const quint32 zellen = anzahl(HoechsteSpaltenzahl);
            for (quint32 i = 0; i < zellen; ++i) zeile.append(lesen<QString>());
            e.zeilen.append(zeile);
        }
        return e;
    }

private:
    QDataStream& s;
};

}  // namespace

void SeiteZeichnen(QPainter& maler, const Berichtsseite& seite, const QRectF& ziel)
{
    if (!SeiteGueltig(seite) || !maler.device()) return;
    const QPaintDevice* geraet = maler.device();
    Abbildung a;
    a.dpiY = geraet->logicalDpiY() > 0 ? geraet->logicalDpiY() : 96;
    if (ziel.isEmpty()) {
        a.sx = (geraet->logicalDpiX() > 0 ? geraet->logicalDpiX() : 96) / 25.4;
        a.sy = a.dpiY / 25.4;
    } else {
        a.ursprung = ziel.topLeft();
        a.sx = ziel.width() / seite.groesseMm.width();
        a.sy = ziel.height() / seite.groesseMm.height();
    }
    maler.save();
    maler.fillRect(a.rechteck(QRectF(QPointF(0, 0), seite.groesseMm)), Qt::white);
    for (const Berichtselement& e : seite.elemente) ElementZeichnen(maler, a, e);
    maler.restore();
}

QImage SeitenBild(const Berichtsseite& seite, int breite)
{
    if (!SeiteGueltig(seite)) return {};
    const int hoehe = qMax(1, qRound(breite * seite.groesseMm.height() / seite.groesseMm.width()));
    return BildMachen(seite, breite, hoehe);
}

QString SeitenHtml(const QList<Berichtsseite>& seiten, const QString& titel)
{
    QString t = QStringLiteral(
                    "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                    "<style>\n"
                    "body{margin:0;padding:8mm 0;background:#808080}\n"
                    ".seite{position:relative;margin:0 auto 8mm auto;background:#fff;overflow:hidden;"
                    "box-shadow:0 0 3mm rgba(0,0,0,.4)}\n"
                    ".seite>.t,.seite>.g{position:absolute;box-sizing:border-box;margin:0;padding:0}\n"
                    ".t{overflow:hidden;display:block}\n"
                    "svg.g{overflow:visible}\n"
                    "table{border-collapse:collapse;table-layout:fixed}\n"
                    "th,td{padding:0 1mm;overflow:hidden;white-space:pre;vertical-align:middle}\n"
                    "td{border-bottom:0.1mm solid #c0c0c0}\n"
                    "@media print{body{padding:0;background:#fff}.seite{margin:0;box-shadow:none;"
                    "page-break-after:always}}\n"
                    "</style>\n</head>\n<body>\n")
                    .arg(titel.toHtmlEscaped());
    for (const Berichtsseite& seite : seiten) {
        t += QStringLiteral("<div class=\"seite\" style=\"width:%1;height:%2\">\n")
                 .arg(Mm(seite.groesseMm.width()), Mm(seite.groesseMm.height()));
        for (const Berichtselement& e : seite.elemente) t += ElementHtml(e);
        t += QStringLiteral("</div>\n");
    }
    t += QStringLiteral("</body>\n</html>\n");
    return t;
}

bool SeiteJpegSchreiben(const Berichtsseite& seite, const QString& datei, QString* fehler)
{
    const int breite = qRound(seite.groesseMm.width() / 25.4 * 150);
    const int hoehe = qRound(seite.groesseMm.height() / 25.4 * 150);
    const QImage bild = SeiteGueltig(seite) ? BildMachen(seite, breite, hoehe) : QImage();
    if (bild.isNull()) {
        if (fehler) *fehler = QStringLiteral("Die Seite hat keine gültige Größe.");
        return false;
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "jpeg");
    schreiber.setQuality(90);
    if (!schreiber.write(bild)) {
        if (fehler) *fehler = QStringLiteral("Das Bild kann nicht erzeugt werden: %1").arg(schreiber.errorString());
        return false;
    }
    return Schreiben(datei, daten, QStringLiteral("Das Bild"), fehler);
}

bool SeitenHtmlSchreiben(const QList<Berichtsseite>& seiten, const QString& titel, const QString& datei,
                         QString* fehler)
{
    return Schreiben(datei, SeitenHtml(seiten, titel).toUtf8(), QStringLiteral("Die HTML-Datei"), fehler);
}

bool VorschaudateiSchreiben(const QString& datei, const QList<Berichtsseite>& seiten, QString* fehler)
{
    QByteArray daten;
    {
        QDataStream s(&daten, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_6_4);
        s << VorschauKennung << VorschauVersion << quint32(seiten.size());
        for (const Berichtsseite& seite : seiten) {
            s << seite.groesseMm.width() << seite.groesseMm.height() << quint32(seite.elemente.size());
            for (const Berichtselement& e : seite.elemente) ElementSchreiben(s, e);
        }
    }
    return Schreiben(datei, daten, QStringLiteral("Die Vorschaudatei"), fehler);
}

std::optional<QList<Berichtsseite>> VorschaudateiLesen(const QString& datei, QString* fehler)
{
    const QString name = QFileInfo(datei).fileName();
    auto scheitern = [&](const QString& text) -> std::optional<QList<Berichtsseite>> {
        if (fehler) *fehler = text;
        return std::nullopt;
    };
    QFile f(datei);
    if (!f.exists()) return scheitern(QStringLiteral("Die Vorschaudatei „%1“ fehlt.").arg(name));
    if (!f.open(QIODevice::ReadOnly))
        return scheitern(
            QStringLiteral("Die Vorschaudatei „%1“ kann nicht gelesen werden: %2").arg(name, f.errorString()));
    if (f.size() > VorschauHoechstgroesse)
        return scheitern(QStringLiteral("Die Vorschaudatei „%1“ ist zu groß.").arg(name));
    const QByteArray daten = f.readAll();

    QDataStream s(daten);
    s.setVersion(QDataStream::Qt_6_4);
    quint32 kennung = 0;
    quint16 version = 0;
    s >> kennung >> version;
    if (s.status() != QDataStream::Ok || kennung != VorschauKennung)
        return scheitern(QStringLiteral("„%1“ ist keine Vorschaudatei dieses Programms.").arg(name));
    if (version != VorschauVersion)
        return scheitern(QStringLiteral("Die Vorschaudatei „%1“ hat die Version %2, die dieses Programm nicht kennt.")
                             .arg(name)
                             .arg(version));
    try {
        Vorschauleser l(s);
        QList<Berichtsseite> seiten;
        const quint32 anzahl = l.anzahl(HoechsteSeitenzahl);
        for (quint32 i = 0; i < anzahl; ++i) {
            Berichtsseite seite;
            const double b = l.zahl(1, 10000), h = l.zahl(1, 10000);
            seite.groesseMm = QSizeF(b, h);
            const quint32 elemente = l.anzahl(HoechsteElementzahl);
            for (quint32 e = 0; e < elemente; ++e) seite.elemente.append(l.element());
            seiten.append(seite);
        }
        if (!s.atEnd()) throw Beschaedigt{};
        return seiten;
    } catch (const Beschaedigt&) {
        return scheitern(QStringLiteral("Die Vorschaudatei „%1“ ist beschädigt.").arg(name));
    }
}
