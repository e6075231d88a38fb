#include "displays/ui/Grossanz.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "core/ui/Hinweis.h"
#include "displays/Grossanzeige.h"
#include "displays/Grossanzsteuerung.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The board colours of the confirmation, in the order they are written.
constexpr const char* TafelFarben[] = {
    "ColorTafel",       "ColorTHeim",       "ColorTGast",      "ColorTErgebnisse", "ColorTHeaderHeim",
    "ColorTHeaderGast", "ColorTTotalHeim",  "ColorTTotalGast", "ColorTWurfHeim",   "ColorTWurfGast",
    "ColorTPlusHeim",   "ColorTPlusGast",   "ColorTPunkteHeim", "ColorTPunkteGast", "ColorTSpieler",
    "ColorTGestartet",  "ColorTFertig",
};

}  // namespace

using namespace Anzeigedialog;

TGrossanz::TGrossanz(QWidget* parent)
    : Werbedialog({.Name = "Grossanz", .Titel = QStringLiteral("Konfiguration der Großanzeige"),
                   .Farbe = u"ColorGrossanz", .Prefix = QStringLiteral("Grossanz"),
                   .Hilfe = QStringLiteral("Hilfe_Grossanz.rtf"), .FeldSteuerung = 320, .FeldWerbung = 330,
                   .FeldText = 340},
                  parent)
{
    TabSteuerung = steuerungAufbauen();
    textAufbauen();
    seitenEinsetzen();
    KlickSoundBeim(this, {BtnWechselDown, BtnWechselUp, BtnFarbe, BtnAnzeigen});

    // The change between the matches runs from now on as the settings say.
    TBWechsel->setValue(WechselPosition(Einst.GrossanzIntervall));
    Grossanzsteuerung& s = grossanzsteuerung();
    s.wechselEinstellen();
    s.WechselNr = 1;
    s.Anzeigezeit = 0;
}

// The change between the matches ends with the dialog that started it.
TGrossanz::~TGrossanz() { grossanzsteuerung().TimerWechsel.setEnabled(false); }

QWidget* TGrossanz::steuerungAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabSteuerung");

    QGroupBox* anzeige = werbeauswahlAufbauen(seite, QStringLiteral("Anzeige"), "GAnzeige");

    auto* steuerung = Benannt(new QGroupBox(QStringLiteral("Steuerung"), seite), "GSteuerung");
    CBWechsel = Kasten(steuerung, "CBWechsel", QStringLiteral("   Spiele wechseln automatisch"));
    // An arrow key moves this bar by a whole step.
    TBWechsel = Wechselschieber(steuerung, "TBWechsel", WechselSchritt);
    TBWechsel->setToolTip(QStringLiteral("Zeit zwischen zwei Wechseln"));
    BtnWechselDown = Schrittknopf(steuerung, "BtnWechselDown", QString(), QStringLiteral("langsamer wechseln"));
    BtnWechselDown->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    BtnWechselUp = Schrittknopf(steuerung, "BtnWechselUp", QString(), QStringLiteral("schneller wechseln"));
    BtnWechselUp->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    auto* s = new QGridLayout(steuerung);
    s->addWidget(CBWechsel, 0, 0, 1, 3);
    Schieberzeile(s, 1, BtnWechselDown, TBWechsel, BtnWechselUp);
    s->setColumnStretch(1, 1);

    auto* tafel = Benannt(new QGroupBox(QStringLiteral("Ergebnistafel"), seite), "GErgebnistafel");
    BtnFarbe = DialogKnopf(tafel, "BtnFarbe", QStringLiteral("&Farben..."));
    BtnFarbe->setToolTip(QStringLiteral("Farben der Ergebnistafel"));
    CBBannerAnzeigen = Kasten(tafel, "CBBannerAnzeigen", QStringLiteral("   Banner anzeigen"));
    auto* t = new QHBoxLayout(tafel);
    t->addWidget(BtnFarbe);
    t->addSpacing(24);
    t->addWidget(CBBannerAnzeigen);
    t->addStretch();

    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(anzeige);
    spalte->addWidget(steuerung);
    spalte->addWidget(tafel);
    spalte->addStretch();

    connect(BtnWechselDown, &QPushButton::pressed, this, [this] { Schieben(TBWechsel, -WechselSchritt); });
    connect(BtnWechselUp, &QPushButton::pressed, this, [this] { Schieben(TBWechsel, +WechselSchritt); });
    connect(BtnFarbe, &QPushButton::clicked, this, &TGrossanz::BtnFarbeClick);
    return seite;
}

void TGrossanz::textAufbauen()
{
    QVBoxLayout* spalte = textseiteAufbauen();

    EAnzeigezeit = Ziffernfeld(TabText, "EAnzeigezeit", Klick::ZumEnde);
    EAnzeigezeit->setToolTip(QStringLiteral("Sekunden, die der Text auf der Großanzeige steht"));
    BtnAnzeigen = DialogKnopf(TabText, "BtnAnzeigen", QStringLiteral("Anzeigen"));
    BtnAnzeigen->setToolTip(QStringLiteral("Text auf der Großanzeige einblenden"));

    auto* zeigen = new QHBoxLayout;
    zeigen->addWidget(new QLabel(QStringLiteral("Anzeigezeit:"), TabText));
    zeigen->addWidget(EAnzeigezeit);
    zeigen->addWidget(new QLabel(QStringLiteral("Sek."), TabText));
    zeigen->addStretch();
    zeigen->addWidget(BtnAnzeigen);
    spalte->addLayout(zeigen);

    connect(EAnzeigezeit, &QLineEdit::textChanged, this,
            [](const QString& t) { grossanzsteuerung().Anzeigezeit = TextZuZahl(t); });
    connect(BtnAnzeigen, &QPushButton::clicked, this, &TGrossanz::BtnAnzeigenClick);
}

// --- Activation -----------------------------------------------------------------------------

TWerbeZustand& TGrossanz::werbezustand(TWettkampfDaten& w) const { return w.GrossanzWerbung; }

Werbeeinstellungen TGrossanz::werbeeinstellungen() const
{
    return {Einst.GrossanzIndex, Einst.GrossanzWerbung, Einst.GrossanzWerbezeit, Einst.GrossanzWerbeabst};
}

void TGrossanz::eigeneZeigen(const TWettkampfDaten*)
{
    CBBannerAnzeigen->setChecked(BannerAnzeigen);
    CBWechsel->setChecked(Einst.GrossanzWechsel);
    TBWechsel->setValue(WechselPosition(Einst.GrossanzIntervall));
}

// --- Confirmation -----------------------------------------------------------------------------

// The change and the banner hold for every match.
void TGrossanz::steuerungUebernehmen()
{
    Einst.GrossanzWechsel = CBWechsel->isChecked();
    Einst.GrossanzIntervall = WechselIntervall(TBWechsel->value());
    BannerAnzeigen = CBBannerAnzeigen->isChecked();
    grossanzsteuerung().wechselEinstellen();
}

// Only the match's advert choice; the board on it follows at once.
void TGrossanz::spielUebernehmen(TWettkampfDaten& w)
{
    if (!auswahlUebernehmen(w) || AnzeigeWettkampf != &w) return;
    if (w.GrossanzWerbung.Werbung)
        grossanzsteuerung().werbungLaden(w);
    else
        grossanzsteuerung().werbungAusschalten(w);
}

void TGrossanz::schluesselSchreiben() const
{
    for (const char* name : {"GrossanzWerbung", "GrossanzIndex", "GrossanzWerbezeit", "GrossanzWerbeabst",
                             "GrossanzWechsel", "GrossanzIntervall"})
        SchluesselSchreiben(name);
    InfSchreiben(QStringLiteral("[Anzeige]"), QStringLiteral("BannerAnzeigen"), BoolZuText(BannerAnzeigen));
    for (const char* name : TafelFarben) SchluesselSchreiben(name);
}

// The chooser with the result board on its preview.
void TGrossanz::BtnFarbeClick() { FarbenWaehlen(this, 2); }

// --- Text insert ---------------------------------------------------------------------------

// The document itself goes to the board; the clipboard stays the operator's.
void TGrossanz::BtnAnzeigenClick() { grossanzsteuerung().textAnzeigen(*REFormular->document()); }
