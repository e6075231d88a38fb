#include "report/formulare/Positionen.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "report/formulare/Formular.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

PositionenZustand positionenZustand;

QString PositionSchluessel(const QString& name, int feld, int formular)
{
    QString n = name;
    n.replace(QLatin1Char(' '), QLatin1Char('_'));
    return QStringLiteral("%1(%2.%3)").arg(n).arg(feld).arg(formular);
}

QStringList PositionFormularListe(const QStringList& namen)
{
    QStringList liste;
    for (int i = 0; i < PositionFormulare; ++i)
        liste << (i < namen.size() ? namen.at(i) : QStringLiteral("Formular %1").arg(i));
    return liste;
}

int PositionStartformular(const TWettkampfDaten* w)
{
    return w && w->Formular < PositionFormulare ? w->Formular : 0;
}

Positionswerte PositionAnzeigen(int feld, int formular, const Positionswerte& sonst)
{
    if (!FeldPositionen.contains(feld) || !FeldPositionen[feld].contains(formular)) return sonst;
    const TFeldPosition& p = FeldPositionen[feld][formular];
    if (p.Gesetzt != 1) return sonst;
    return {QString::number(p.A), QString::number(p.B), QString::number(p.C)};
}

namespace {

// The key of an entry line, up to its last ")" of "(f.l)"; empty for others.
QString ZeilenSchluessel(const QString& zeile, int feld, int formular)
{
    if (zeile.startsWith(QLatin1Char('['))) return {};
    const qsizetype auf = zeile.lastIndexOf(QLatin1Char('('));
    const QString klammer = QStringLiteral("(%1.%2)").arg(feld).arg(formular);
    if (auf < 0 || zeile.mid(auf, klammer.size()) != klammer) return {};
    const qsizetype ende = auf + klammer.size();
    if (ende < zeile.size() && zeile.at(ende) != QLatin1Char(' ') && zeile.at(ende) != QLatin1Char('=')) return {};
    return zeile.left(ende);
}

// A name that would begin a section line.
bool NameTaugtNicht(const QString& name) { return name.startsWith(QLatin1Char('[')); }

}  // namespace

Positionsergebnis PositionUebernehmen(const Positionseingabe& e)
{
    if (e.nameAenderbar && e.name.isEmpty()) return {Positionsuebernahme::NameFehlt, {}};
    if (e.nameAenderbar && NameTaugtNicht(e.name))
        return {Positionsuebernahme::Fehler, QStringLiteral("Ein Feldname darf nicht mit „[“ beginnen.")};
    if (!FeldPositionen.contains(e.feld) || !FeldPositionen[e.feld].contains(e.formular))
        return {Positionsuebernahme::Fehler,
                QStringLiteral("Feld %1 auf Formular %2 hat keine Position (Felder 1 bis 200, Formulare 0 bis 19).")
                    .arg(e.feld)
                    .arg(e.formular)};

    const QStringList listeVorher = PositionListe;
    const TFeldPosition eintragVorher = FeldPositionen[e.feld][e.formular];
    const QString nameVorher = PositionFeldName;

    if (e.nameAenderbar) PositionFeldName = e.name;
    const QString key = PositionSchluessel(PositionFeldName, e.feld, e.formular);
    // A renamed field leaves no line under its old name: it would come back at the next start.
    PositionListe.removeIf([&](const QString& z) {
        const QString k = ZeilenSchluessel(z, e.feld, e.formular);
        return !k.isEmpty() && k.compare(key, Qt::CaseInsensitive) != 0;
    });
    TFeldPosition& p = FeldPositionen[e.feld][e.formular];
    if (!e.werte.width.isEmpty()) {
        p = {1, TextZuZahl(e.werte.top), TextZuZahl(e.werte.left), TextZuZahl(e.werte.width)};
        PositionSchreiben(QLatin1Char('[') + e.sektion + QLatin1Char(']'), key,
                          QStringLiteral("%1,%2,%3").arg(p.A).arg(p.B).arg(p.C));
    } else {
        p.Gesetzt = 0;
        PositionLoeschen(key);
    }

    QString fehler;
    if (TextdateiSchreiben(DateiImOrdner(Programmverzeichnis, QStringLiteral("Position.inf")), PositionListe, &fehler))
        return {Positionsuebernahme::Gespeichert, {}};
    PositionListe = listeVorher;
    p = eintragVorher;
    PositionFeldName = nameVorher;
    return {Positionsuebernahme::Fehler, fehler};
}

// --- The preview -------------------------------------------------------------------

QRect VorschauRechteck(int top, int left, int width, int hoehe)
{
    return QRect(left, top, std::max(width, VorschauMindestbreite), hoehe);
}

bool VorschauImGriff(int x, int breite) { return x > breite - VorschauGriff && x < breite; }

int VorschauGezogeneBreite(int x, int links, int bildBreite)
{
    return std::max(std::min(x, bildBreite - links), VorschauMindestbreite);
}

QRect VorschauVerschoben(const QRect& rahmen, QPoint versatz, QSize bild)
{
    QRect r = rahmen.translated(versatz);
    r.moveLeft(std::max(0, std::min(r.left(), bild.width() - r.width())));
    r.moveTop(std::max(0, std::min(r.top(), bild.height() - r.height())));
    return r;
}

int VorschauPfeilschritt(bool shift, bool ctrl) { return ctrl ? 100 : shift ? 10 : 1; }

QPoint VorschauBildlauf(const QRect& rahmen, const Vorschausicht& s, int schritt)
{
    // The frame's edges in the view's coordinates.
    const int links = rahmen.x() - s.bildlauf.x();
    const int oben = rahmen.y() - s.bildlauf.y();
    const int rechts = links + rahmen.width();
    const int unten = oben + rahmen.height();
    QPoint p = s.bildlauf;
    if (links < 0 && p.x() > 0) p.rx() -= schritt;
    else if (rechts > s.sicht.width() && s.bild.width() > rahmen.x() + rahmen.width()) p.rx() += schritt;
    if (oben < 0 && p.y() > 0) p.ry() -= schritt;
    else if (unten > s.sicht.height() && s.bild.height() > rahmen.y() + rahmen.height()) p.ry() += schritt;
    const QSize max = (s.bild - s.sicht).expandedTo(QSize(0, 0));
    return {std::clamp(p.x(), 0, max.width()), std::clamp(p.y(), 0, max.height())};
}

Vorschaulage VorschauPfeiltaste(const QRect& rahmen, const Vorschausicht& s, int dx, int dy, int schritt)
{
    const QRect r = VorschauVerschoben(rahmen, QPoint(dx, dy) * schritt, s.bild);
    return {r, VorschauBildlauf(r, s, schritt)};
}

QImage PositionVorschaubild(int formular, QString* fehler)
{
    const auto melden = [fehler](const QString& text) {
        if (fehler) *fehler = text;
        return QImage();
    };
    if (formular < 0 || formular >= PositionFormulare)
        return melden(QStringLiteral("Formular %1 gibt es nicht (Formulare 0 bis 19).").arg(formular));
    if (formular < FormularAnzahl) {
        QImage bild = FormularVordruck(formular);
        if (bild.isNull()) return melden(QStringLiteral("Das Bild des Formulars %1 kann nicht erstellt werden.").arg(formular));
        return bild;
    }
    const QString bmp = QStringLiteral("Formular%1.bmp").arg(formular);
    for (const QString& name : {bmp, QStringLiteral("Formular%1.png").arg(formular)}) {
        const QString pfad = DateiImOrdner(BitmapVerzeichnis, name);
        if (!QFileInfo::exists(pfad)) continue;
        QImage bild(pfad);
        if (bild.isNull())
            return melden(QStringLiteral("Das Formularbild „%1“ kann nicht gelesen werden.").arg(QDir::toNativeSeparators(pfad)));
        return bild;
    }
    return melden(QStringLiteral("Das Formularbild „%1“ fehlt im Ordner „%2“.")
                      .arg(bmp, QDir::toNativeSeparators(BitmapVerzeichnis)));
}
