#include "displays/ui/Grossanz.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Textformatleiste.h"
#include "displays/Grossanzeige.h"
#include "displays/Grossanzsteuerung.h"
#include "displays/ui/Anzeigedialog.h"
#include "displays/ui/Werbeeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString Prefix = QStringLiteral("Grossanz");
// The touch keyboard's field range of each page.
constexpr u16 FeldcodeSteuerung = 320, FeldcodeWerbung = 330, FeldcodeText = 340;

// The board colours of the confirmation, in the order they are written.
constexpr const char* TafelFarben[] = {
    "ColorTafel",       "ColorTHeim",       "ColorTGast",      "ColorTErgebnisse", "ColorTHeaderHeim",
    "ColorTHeaderGast", "ColorTTotalHeim",  "ColorTTotalGast", "ColorTWurfHeim",   "ColorTWurfGast",
    "ColorTPlusHeim",   "ColorTPlusGast",   "ColorTPunkteHeim", "ColorTPunkteGast", "ColorTSpieler",
    "ColorTGestartet",  "ColorTFertig",
};

}  // namespace

using namespace Anzeigedialog;

TGrossanz::TGrossanz(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Grossanz"));
    setWindowTitle(QStringLiteral("Konfiguration der Großanzeige"));
    HintergrundSetzen(this, u"ColorGrossanz");

    PageControl = Benannt(new QTabWidget(this), "PageControl");
    TabSteuerung = steuerungAufbauen();
    Editor = Benannt(new Werbeeditor(Prefix, QStringLiteral("Hilfe_Grossanz.rtf")), "Werbeeditor");
    TabWerbung = Benannt(new QWidget, "TabWerbung");
    auto* werbung = new QVBoxLayout(TabWerbung);
    werbung->addWidget(Editor);
    TabText = textAufbauen();
    PageControl->addTab(TabSteuerung, QStringLiteral(" Steuerung "));
    PageControl->addTab(TabWerbung, QStringLiteral(" Werbung"));
    PageControl->addTab(TabText, QStringLiteral(" Text"));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(PageControl);
    spalte->addLayout(Knopfzeile(this, BtnOK, BtnAbbruch));

    HintergrundAktion(this, u"ColorGrossanz");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(BtnOK, &QPushButton::clicked, this, &TGrossanz::BtnOKClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TGrossanz::feldbereichSetzen);
    connect(Editor, &Werbeeditor::konfigurationenGeaendert, this, [this] { konfigurationenZeigen(true); });
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

    auto* anzeige = Benannt(new QGroupBox(QStringLiteral("Anzeige"), seite), "GAnzeige");
    const Werbeauswahl werbe = WerbeauswahlAufbauen(anzeige, QStringLiteral("   Werbung anzeigen"), Klick::ZumEnde);
    CKonfiguration = werbe.Konfiguration;
    CKonfiguration->setToolTip(QStringLiteral("Werbekonfiguration des Spiels"));
    CBWerbungOn = werbe.WerbungOn;
    EWerbezeitDef = werbe.Werbezeit;
    EWerbezeitDef->setToolTip(QStringLiteral("Anzeigezeit einer Werbung, wenn der Eintrag keine eigene hat"));
    EWerbeabstDef = werbe.Werbeabstand;
    EWerbeabstDef->setToolTip(QStringLiteral("Zeit zwischen zwei Werbungen, wenn der Eintrag keine eigene hat"));

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

QWidget* TGrossanz::textAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabText");

    auto* leiste =
        new Textformatleiste({"CBFont", "CBGroesse"}, {10, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40}, seite);
    CBFont = leiste->Schriftart;
    CBGroesse = leiste->Groesse;
    SBtnFett = leiste->SBtnFett;
    SBtnKursiv = leiste->SBtnKursiv;
    SBtnSchriftfarbe = leiste->SBtnSchriftfarbe;
    SBtnLeft = leiste->SBtnLeft;
    SBtnRight = leiste->SBtnRight;

    REFormular = Benannt(new QTextEdit(seite), "REFormular");
    REFormular->setAcceptRichText(true);
    REFormular->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    leiste->bearbeiten(REFormular);
    REFormular->setMinimumSize(560, 300);

    EAnzeigezeit = Ziffernfeld(seite, "EAnzeigezeit", Klick::ZumEnde);
    EAnzeigezeit->setToolTip(QStringLiteral("Sekunden, die der Text auf der Großanzeige steht"));
    BtnAnzeigen = DialogKnopf(seite, "BtnAnzeigen", QStringLiteral("Anzeigen"));
    BtnAnzeigen->setToolTip(QStringLiteral("Text auf der Großanzeige einblenden"));

    auto* zeigen = new QHBoxLayout;
    zeigen->addWidget(new QLabel(QStringLiteral("Anzeigezeit:"), seite));
    zeigen->addWidget(EAnzeigezeit);
    zeigen->addWidget(new QLabel(QStringLiteral("Sek."), seite));
    zeigen->addStretch();
    zeigen->addWidget(BtnAnzeigen);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(leiste);
    spalte->addWidget(REFormular, 1);
    spalte->addLayout(zeigen);

    connect(EAnzeigezeit, &QLineEdit::textChanged, this,
            [](const QString& t) { grossanzsteuerung().Anzeigezeit = TextZuZahl(t); });
    connect(BtnAnzeigen, &QPushButton::clicked, this, &TGrossanz::BtnAnzeigenClick);
    return seite;
}

void TGrossanz::seiteZeigen(const QString& name)
{
    if (auto* s = PageControl->findChild<QWidget*>(name)) PageControl->setCurrentWidget(s);
}

// --- Activation -----------------------------------------------------------------------------

void TGrossanz::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    aktivieren();
    Zentrieren(this);
}

void TGrossanz::aktivieren()
{
    feldbereichSetzen();
    const TWettkampfDaten* w = AktWettkampf;
    Editor->aktivieren(w ? w->GrossanzWerbung.Index : 0);
    konfigurationenZeigen(false);
    {
        const QSignalBlocker still(CBWerbungOn);
        CBWerbungOn->setChecked(w ? w->GrossanzWerbung.Werbung != 0 : Einst.GrossanzWerbung);
    }
    EWerbezeitDef->setText(QString::number(Einst.GrossanzWerbezeit));
    EWerbeabstDef->setText(QString::number(Einst.GrossanzWerbeabst));
    CBBannerAnzeigen->setChecked(BannerAnzeigen);
    CBWechsel->setChecked(Einst.GrossanzWechsel);
    TBWechsel->setValue(WechselPosition(Einst.GrossanzIntervall));
}

// The names of the configurations with the match's choice (or the default
// for new matches) selected, or the choice made so far when the names
// changed on the advert page; none when it is out of range.
void TGrossanz::konfigurationenZeigen(bool auswahlBehalten)
{
    KonfigurationenZeigen(CKonfiguration, Editor->konfigurationen(),
                          AktWettkampf ? int(AktWettkampf->GrossanzWerbung.Index) : int(Einst.GrossanzIndex),
                          auswahlBehalten);
}

void TGrossanz::feldbereichSetzen()
{
    const QWidget* s = PageControl->currentWidget();
    FeldcodeMin = FeldcodeMax = s == TabWerbung ? FeldcodeWerbung : s == TabText ? FeldcodeText : FeldcodeSteuerung;
}

void TGrossanz::done(int r)
{
    Editor->schliessen();
    QDialog::done(r);
}

// --- Confirmation -----------------------------------------------------------------------------

void TGrossanz::BtnOKClick()
{
    Editor->speichern();

    Grossanzsteuerung& steuerung = grossanzsteuerung();
    Einst.GrossanzWechsel = CBWechsel->isChecked();
    Einst.GrossanzIntervall = WechselIntervall(TBWechsel->value());
    BannerAnzeigen = CBBannerAnzeigen->isChecked();
    steuerung.wechselEinstellen();

    const int auswahl = CKonfiguration->currentIndex();
    if (TWettkampfDaten* w = AktWettkampf) {
        // Only the match's advert choice; the settings file stays as it is.
        if (auswahl >= 0) {
            TWerbeZustand& b = w->GrossanzWerbung;
            const u8 ein = CBWerbungOn->isChecked() ? 1 : 0;
            if (b.Index != u16(auswahl) || b.Werbung != ein) w->Geaendert = 1;
            b.Index = u16(auswahl);
            b.Werbung = ein;
            if (AnzeigeWettkampf == w) {
                if (ein)
                    steuerung.werbungLaden(*w);
                else
                    steuerung.werbungAusschalten(*w);
            }
        }
    } else {
        if (auswahl >= 0) {
            Einst.GrossanzIndex = auswahl;
            Einst.GrossanzWerbung = CBWerbungOn->isChecked();
        }
        Einst.GrossanzWerbezeit = TextZuZahl(EWerbezeitDef->text());
        Einst.GrossanzWerbeabst = TextZuZahl(EWerbeabstDef->text());
        for (const char* name : {"GrossanzWerbung", "GrossanzIndex", "GrossanzWerbezeit", "GrossanzWerbeabst",
                                 "GrossanzWechsel", "GrossanzIntervall"})
            SchluesselSchreiben(name);
        InfSchreiben(QStringLiteral("[Anzeige]"), QStringLiteral("BannerAnzeigen"),
                     BoolZuText(BannerAnzeigen));
        for (const char* name : TafelFarben) SchluesselSchreiben(name);
        InfListeSpeichern();
    }
    accept();
}

void TGrossanz::BtnFarbeClick()
{
    TFarbe farbe(this);
    farbe.Vorschaumodus = 2;
    farbe.VorschauZeigen(true);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        farbe.move(s->availableGeometry().center() - farbe.rect().center());
    farbe.exec();
}

// --- Text insert ---------------------------------------------------------------------------

// The document itself goes to the board; the clipboard stays the operator's.
void TGrossanz::BtnAnzeigenClick() { grossanzsteuerung().textAnzeigen(*REFormular->document()); }
