#include "displays/ui/Namenanz.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "core/ui/Hinweis.h"
#include "displays/Namenanzeige.h"
#include "displays/Werbung.h"
#include "match/flow/Spielbahnen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The settings of the confirmation without a match, in the order they are written.
constexpr const char* Schluessel[] = {
    "AnzeigeHelligkeit", "NamenanzWerbung", "NamenanzIndex",  "NamenanzWerbezeit", "NamenanzWerbeabst",
    "NaVorWechsel",      "NaVorIntervall",  "NaSaPWechsel",   "NaSaPIntervall",    "NamenOn",
};

}  // namespace

using namespace Anzeigedialog;

TNamenanz::TNamenanz(QWidget* parent)
    : Werbedialog({.Name = "Namenanz", .Titel = QStringLiteral("Konfiguration der Namenanzeige"),
                   .Farbe = u"ColorNamenanz", .Prefix = QStringLiteral("Namenanz"),
                   .Hilfe = QStringLiteral("Hilfe_Namenanz.rtf"), .FeldSteuerung = 300, .FeldWerbung = 310,
                   .Eintraege = Eintragsart::Text, .NeueVerwerfen = true, .Klick = Klick::AllesWaehlen},
                  parent)
{
    TabSteuerung = steuerungAufbauen();
    seitenEinsetzen();
    KlickSoundBeim(this, {BtnHelligkeitDown, BtnHelligkeitUp, BtnVorWechselDown, BtnVorWechselUp, BtnSaPWechselDown,
                          BtnSaPWechselUp});
}

// The boards' alternation and adverts end with the dialog that drives them.
TNamenanz::~TNamenanz()
{
    Namenanzsteuerung& s = namenanzsteuerung();
    s.TimerWechsel.setEnabled(false);
    s.TimerWerbung.setEnabled(false);
}

QWidget* TNamenanz::steuerungAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabSteuerung");

    auto* namen = Benannt(new QGroupBox(QStringLiteral("Namen"), seite), "GNamen");
    CBNamenOn = Kasten(namen, "CBNamenOn", QStringLiteral("   Namen anzeigen"));
    TBHelligkeit = Schieber(namen, "TBHelligkeit", 0, HelligkeitMax, 1, HelligkeitStufe);
    TBHelligkeit->setToolTip(QStringLiteral("Helligkeit der Namenanzeigen"));
    BtnHelligkeitDown = Schrittknopf(namen, "BtnHelligkeitDown", QStringLiteral("-"), QStringLiteral("dunkler"));
    BtnHelligkeitUp = Schrittknopf(namen, "BtnHelligkeitUp", QStringLiteral("+"), QStringLiteral("heller"));
    // A click into a number edit of this dialog selects its whole text.
    EHelligkeit = Ziffernfeld(namen, "EHelligkeit", Klick::AllesWaehlen);
    EHelligkeit->setToolTip(QStringLiteral("Helligkeit 0 bis 127"));
    auto* n = new QGridLayout(namen);
    n->addWidget(CBNamenOn, 0, 0, 1, 5);
    n->addWidget(new QLabel(QStringLiteral("Helligkeit:"), namen), 1, 0);
    n->addWidget(BtnHelligkeitDown, 1, 1);
    n->addWidget(TBHelligkeit, 1, 2);
    n->addWidget(BtnHelligkeitUp, 1, 3);
    n->addWidget(EHelligkeit, 1, 4);
    n->setColumnStretch(2, 1);

    auto* probe = Benannt(new QGroupBox(QStringLiteral("Wechsel während der Probe"), seite), "GProbe");
    CBVorWechsel = Kasten(probe, "CBVorWechsel", QStringLiteral("   Vorname und Nachname wechseln"));
    TBVorWechsel = Wechselschieber(probe, "TBVorWechsel");
    TBVorWechsel->setToolTip(QStringLiteral("Zeit zwischen Vorname und Nachname"));
    BtnVorWechselDown =
        Schrittknopf(probe, "BtnVorWechselDown", QStringLiteral("-"), QStringLiteral("langsamer wechseln"));
    BtnVorWechselUp = Schrittknopf(probe, "BtnVorWechselUp", QStringLiteral("+"), QStringLiteral("schneller wechseln"));
    auto* p = new QGridLayout(probe);
    p->addWidget(CBVorWechsel, 0, 0, 1, 3);
    Schieberzeile(p, 1, BtnVorWechselDown, TBVorWechsel, BtnVorWechselUp);
    p->setColumnStretch(1, 1);

    auto* spiel = Benannt(new QGroupBox(QStringLiteral("Wechsel während des Spiels"), seite), "GSpiel");
    CBSaPWechsel = Kasten(spiel, "CBSaPWechsel", QStringLiteral("   Name und Satzpunkte wechseln"));
    TBSaPWechsel = Wechselschieber(spiel, "TBSaPWechsel");
    TBSaPWechsel->setToolTip(QStringLiteral("Zeit zwischen Name und Satzpunkten"));
    BtnSaPWechselDown =
        Schrittknopf(spiel, "BtnSaPWechselDown", QStringLiteral("-"), QStringLiteral("langsamer wechseln"));
    BtnSaPWechselUp = Schrittknopf(spiel, "BtnSaPWechselUp", QStringLiteral("+"), QStringLiteral("schneller wechseln"));
    auto* s = new QGridLayout(spiel);
    s->addWidget(CBSaPWechsel, 0, 0, 1, 3);
    Schieberzeile(s, 1, BtnSaPWechselDown, TBSaPWechsel, BtnSaPWechselUp);
    s->setColumnStretch(1, 1);

    QGroupBox* text = werbeauswahlAufbauen(seite, QStringLiteral("Text"), "GText");

    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(namen);
    spalte->addWidget(probe);
    spalte->addWidget(spiel);
    spalte->addWidget(text);
    spalte->addStretch();

    connect(TBHelligkeit, &QSlider::valueChanged, this, [this](int wert) {
        if (EHelligkeit->text() != QString::number(wert)) EHelligkeit->setText(QString::number(wert));
    });
    connect(EHelligkeit, &QLineEdit::textChanged, this, &TNamenanz::helligkeitGeaendert);
    connect(BtnHelligkeitDown, &QPushButton::pressed, this,
            [this] { Schieben(TBHelligkeit, -HelligkeitStufe); });
    connect(BtnHelligkeitUp, &QPushButton::pressed, this,
            [this] { Schieben(TBHelligkeit, +HelligkeitStufe); });
    // The speed buttons store the interval at once.
    const auto wechsel = [this](QPushButton* b, QSlider* schieber, i32* intervall, int schritt) {
        connect(b, &QPushButton::pressed, this, [schieber, intervall, schritt] {
            Schieben(schieber, schritt);
            *intervall = WechselIntervall(schieber->value());
        });
    };
    wechsel(BtnVorWechselDown, TBVorWechsel, &Einst.NaVorIntervall, -WechselSchritt);
    wechsel(BtnVorWechselUp, TBVorWechsel, &Einst.NaVorIntervall, +WechselSchritt);
    wechsel(BtnSaPWechselDown, TBSaPWechsel, &Einst.NaSaPIntervall, -WechselSchritt);
    wechsel(BtnSaPWechselUp, TBSaPWechsel, &Einst.NaSaPIntervall, +WechselSchritt);
    return seite;
}

// --- Activation -----------------------------------------------------------------------------

TWerbeZustand& TNamenanz::werbezustand(TWettkampfDaten& w) const { return w.NamenanzWerbung; }

Werbeeinstellungen TNamenanz::werbeeinstellungen() const
{
    return {Einst.NamenanzIndex, Einst.NamenanzWerbung, Einst.NamenanzWerbezeit, Einst.NamenanzWerbeabst};
}

void TNamenanz::eigeneZeigen(const TWettkampfDaten* w)
{
    {
        // Filling sends nothing to the boards.
        const QSignalBlocker still1(TBHelligkeit), still2(EHelligkeit);
        const int hell = std::min<int>(Einst.AnzeigeHelligkeit, HelligkeitMax);
        TBHelligkeit->setValue(hell);
        EHelligkeit->setText(QString::number(hell));
    }
    TBVorWechsel->setValue(WechselPosition(Einst.NaVorIntervall));
    TBSaPWechsel->setValue(WechselPosition(Einst.NaSaPIntervall));
    CBNamenOn->setChecked(w ? w->NamenOn != 0 : Einst.NamenOn);
    CBVorWechsel->setChecked(w ? w->NaVorWechsel != 0 : Einst.NaVorWechsel);
    CBSaPWechsel->setChecked(w ? w->NaSaPWechsel != 0 : Einst.NaSaPWechsel);
}

void TNamenanz::helligkeitGeaendert(const QString& text)
{
    if (text.isEmpty()) return;
    const int wert = TextZuZahl(text);
    if (wert > HelligkeitMax) {
        EHelligkeit->setText(QString::number(HelligkeitMax));
        return;
    }
    if (TBHelligkeit->value() != wert) {
        const QSignalBlocker still(TBHelligkeit);
        TBHelligkeit->setValue(wert);
    }
    namenanzsteuerung().HelligkeitSenden(u8(wert));
}

// --- Confirmation -----------------------------------------------------------------------------

// The configuration's file holds an entry: what the match's rotation loads.
bool TNamenanz::hatEintraege(int konfiguration) const
{
    const QStringList zeilen =
        TextdateiLesen(WerbekonfigurationDatei(Editor->prefix(), konfiguration)).value_or(QStringList());
    return std::any_of(zeilen.begin(), zeilen.end(), [](const QString& z) { return !z.isEmpty(); });
}

// The brightness and the speeds hold for every match.
void TNamenanz::steuerungUebernehmen()
{
    Einst.AnzeigeHelligkeit = u8(TBHelligkeit->value());
    Einst.NaVorIntervall = WechselIntervall(TBVorWechsel->value());
    Einst.NaSaPIntervall = WechselIntervall(TBSaPWechsel->value());
}

// The boxes and the text choice into the match; the text only with a
// configuration that holds one. The names follow on the lanes in play.
void TNamenanz::spielUebernehmen(TWettkampfDaten& w)
{
    const u8 namen = CBNamenOn->isChecked() ? 1 : 0;
    const u8 vor = CBVorWechsel->isChecked() ? 1 : 0;
    const u8 sap = CBSaPWechsel->isChecked() ? 1 : 0;
    const int auswahl = CKonfiguration->currentIndex();
    TWerbeZustand& b = w.NamenanzWerbung;
    const u8 text = CBWerbungOn->isChecked() && auswahl >= 0 && hatEintraege(auswahl) ? 1 : 0;
    const u16 index = auswahl >= 0 ? u16(auswahl) : b.Index;
    if (w.NamenOn != namen || w.NaVorWechsel != vor || w.NaSaPWechsel != sap || b.Werbung != text || b.Index != index)
        w.Geaendert = 1;
    w.NamenOn = namen;
    w.NaVorWechsel = vor;
    w.NaSaPWechsel = sap;
    b.Werbung = text;
    b.Index = index;
    if (!SpielLaeuft(&w)) return;
    Namenanzsteuerung& s = namenanzsteuerung();
    for (int bahn : BahnenVon(w)) {
        if (!w.BahnImSpiel[bahn]) continue;
        if (namen)
            s.NameAnzeigen(bahn);
        else
            s.NamenanzeigeLoeschen(bahn);
    }
}

void TNamenanz::einstellungenUebernehmen()
{
    Einst.NamenOn = CBNamenOn->isChecked();
    Einst.NaVorWechsel = CBVorWechsel->isChecked();
    Einst.NaSaPWechsel = CBSaPWechsel->isChecked();
}

void TNamenanz::schluesselSchreiben() const
{
    for (const char* name : Schluessel) SchluesselSchreiben(name);
}
