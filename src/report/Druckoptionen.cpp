#include "report/Druckoptionen.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"

#include <algorithm>

DruckoptionenZustand druckoptionenZustand;

namespace {

// The record stores the font three times the size shown, for drawing at
// printer resolution.
constexpr int Groessenfaktor = 3;
// The size edit holds two digits.
constexpr int GroesseMax = 99;
// The copies edit holds two digits.
constexpr int KopienMax = 99;

// Keys of record n, in the order they are written.
constexpr const char* Schluessel[] = {
    "SpFontName", "SpFontSize", "SpFontColor", "SpFontBold",      "SpFontItalic", "SpAusrichtung",
    "SpRandOben", "SpRandUnten", "SpRandLinks", "SpRandRechts", "StandardDrucker", "StandardFax",
    "StandardDruckerName", "StandardFaxName",
};

}  // namespace

bool FormularIndexMitEinstellung(int index) { return decltype(Einst.FormularEinstellungen)::contains(index); }

void StandardSchrift(Druckoptionswerte& w)
{
    w.FontName = QStringLiteral("Arial");
    w.FontSize = 10;
    w.FontColor = 0;
    w.FontBold = false;
    w.FontItalic = false;
}

Druckoptionswerte DruckoptionenLesen(int index)
{
    Druckoptionswerte w;
    StandardSchrift(w);
    if (FormularIndexMitEinstellung(index)) {
        const TFormularEinstellung& r = Einst.FormularEinstellungen[index];
        w.FontName = r.SpFontName;
        w.FontSize = std::min(r.SpFontSize / Groessenfaktor, GroesseMax);
        w.FontBold = r.SpFontBold;
        w.FontItalic = r.SpFontItalic;
        w.FontColor = u32(r.SpFontColor);
        w.Hochformat = r.SpAusrichtung;
        w.RandOben = QString::number(r.SpRandOben);
        w.RandUnten = QString::number(r.SpRandUnten);
        w.RandLinks = QString::number(r.SpRandLinks);
        w.RandRechts = QString::number(r.SpRandRechts);
        w.Drucker = r.StandardDrucker;
        w.Fax = r.StandardFax;
        w.DruckerName = r.StandardDruckerName;
        w.FaxName = r.StandardFaxName;
    }
    w.DrBahndrucker = Einst.DrBahndrucker;
    w.DrGrafik = Einst.DrGrafik;
    // No copies (a fresh settings file) select no entry.
    w.Kopien = Einst.Kopien ? QString::number(Einst.Kopien) : QString();
    return w;
}

void DruckoptionenUebernehmen(int index, const Druckoptionswerte& w)
{
    if (FormularIndexMitEinstellung(index)) {
        TFormularEinstellung& r = Einst.FormularEinstellungen[index];
        r.SpFontName = w.FontName;
        r.SpFontSize = u16(std::clamp(w.FontSize, 0, GroesseMax) * Groessenfaktor);
        r.SpFontBold = w.FontBold;
        r.SpFontItalic = w.FontItalic;
        r.SpFontColor = i32(w.FontColor);
        r.SpAusrichtung = w.Hochformat;
        r.SpRandOben = TextZuZahl(w.RandOben);
        r.SpRandUnten = TextZuZahl(w.RandUnten);
        r.SpRandLinks = TextZuZahl(w.RandLinks);
        r.SpRandRechts = TextZuZahl(w.RandRechts);
        r.StandardDrucker = std::max(w.Drucker, -1);
        r.StandardFax = std::max(w.Fax, -1);
        r.StandardDruckerName = w.Drucker >= 0 ? w.DruckerName : QString();
        r.StandardFaxName = w.Fax >= 0 ? w.FaxName : QString();
    }
    Einst.DrBahndrucker = w.DrBahndrucker;
    Einst.DrGrafik = w.DrGrafik;
    const int kopien = TextZuZahl(w.Kopien);
    Einst.Kopien = u8(std::clamp(kopien, 1, KopienMax));
}

bool DruckoptionenSchreiben(int index)
{
    if (!FormularIndexMitEinstellung(index)) return true;
    for (const char* name : Schluessel) {
        const Einstellungsschluessel* s = SchluesselSuchen(QString::fromLatin1(name) + QString::number(index));
        if (s) EinstellungSchreiben(*s);
    }
    return InfListeSpeichern();
}
