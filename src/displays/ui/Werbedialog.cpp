#include "displays/ui/Werbedialog.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Textformatleiste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Anzeigedialog;

Werbedialog::Werbedialog(const Werbedialogart& art, QWidget* parent) : QDialog(parent), m_art(art)
{
    setObjectName(QLatin1String(art.Name));
    setWindowTitle(art.Titel);
    HintergrundSetzen(this, art.Farbe);

    PageControl = Benannt(new QTabWidget(this), "PageControl");
    Editor = Benannt(new Werbeeditor(art.Prefix, art.Hilfe, art.Eintraege), "Werbeeditor");
    if (!art.HilfeTipp.isEmpty()) Editor->BtnAnzeigeHelp->setToolTip(art.HilfeTipp);
    Editor->neueVerwerfen = art.NeueVerwerfen;
    TabWerbung = Benannt(new QWidget, "TabWerbung");
    auto* werbung = new QVBoxLayout(TabWerbung);
    werbung->addWidget(Editor);
}

QGroupBox* Werbedialog::werbeauswahlAufbauen(QWidget* seite, const QString& titel, const char* name)
{
    const bool texte = m_art.Eintraege == Eintragsart::Text;
    auto* gruppe = Benannt(new QGroupBox(titel, seite), name);
    CKonfiguration = Benannt(new QComboBox(gruppe), "CKonfiguration");
    CKonfiguration->setMinimumWidth(260);
    CKonfiguration->setToolTip(texte ? QStringLiteral("Textkonfiguration des Spiels")
                                     : QStringLiteral("Werbekonfiguration des Spiels"));
    CBWerbungOn = Kasten(gruppe, "CBWerbungOn",
                         texte ? QStringLiteral("   Text anzeigen") : QStringLiteral("   Werbung anzeigen"));
    EWerbezeitDef = Ziffernfeld(gruppe, "EWerbezeitDef", m_art.Klick);
    EWerbezeitDef->setToolTip(texte ? QStringLiteral("Anzeigezeit eines Textes, wenn der Eintrag keine eigene hat")
                                    : QStringLiteral("Anzeigezeit einer Werbung, wenn der Eintrag keine eigene hat"));
    EWerbeabstDef = Ziffernfeld(gruppe, "EWerbeabstDef", m_art.Klick);
    EWerbeabstDef->setToolTip(
        texte ? QStringLiteral("Zeit zwischen zwei Texten, wenn der Eintrag keine eigene hat")
              : QStringLiteral("Zeit zwischen zwei Werbungen, wenn der Eintrag keine eigene hat"));

    auto* g = new QGridLayout(gruppe);
    g->addWidget(new QLabel(QStringLiteral("Konfiguration:"), gruppe), 0, 0);
    g->addWidget(CKonfiguration, 0, 1, 1, 3);
    g->addWidget(CBWerbungOn, 1, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Werbezeit:"), gruppe), 2, 0);
    g->addWidget(EWerbezeitDef, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("Sek."), gruppe), 2, 2);
    g->addWidget(new QLabel(QStringLiteral("Werbeabstand:"), gruppe), 3, 0);
    g->addWidget(EWerbeabstDef, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Sek."), gruppe), 3, 2);
    g->setColumnStretch(3, 1);
    return gruppe;
}

QVBoxLayout* Werbedialog::textseiteAufbauen()
{
    TabText = Benannt(new QWidget, "TabText");

    auto* leiste =
        new Textformatleiste({"CBFont", "CBGroesse"}, {10, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40}, TabText);
    CBFont = leiste->Schriftart;
    CBGroesse = leiste->Groesse;
    SBtnFett = leiste->SBtnFett;
    SBtnKursiv = leiste->SBtnKursiv;
    SBtnSchriftfarbe = leiste->SBtnSchriftfarbe;
    SBtnLeft = leiste->SBtnLeft;
    SBtnRight = leiste->SBtnRight;

    REFormular = Benannt(new QTextEdit(TabText), "REFormular");
    REFormular->setAcceptRichText(true);
    REFormular->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    leiste->bearbeiten(REFormular);
    REFormular->setMinimumSize(560, 300);

    auto* spalte = new QVBoxLayout(TabText);
    spalte->addWidget(leiste);
    spalte->addWidget(REFormular, 1);
    return spalte;
}

void Werbedialog::seitenEinsetzen()
{
    PageControl->addTab(TabSteuerung, QStringLiteral(" Steuerung "));
    PageControl->addTab(TabWerbung, QStringLiteral(" Werbung"));
    if (TabText) PageControl->addTab(TabText, QStringLiteral(" Text"));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(PageControl);
    spalte->addLayout(Knopfzeile(this, BtnOK, BtnAbbruch));

    HintergrundAktion(this, m_art.Farbe);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(BtnOK, &QPushButton::clicked, this, &Werbedialog::BtnOKClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &Werbedialog::feldbereichSetzen);
    connect(Editor, &Werbeeditor::konfigurationenGeaendert, this, &Werbedialog::konfigurationenFolgen);
}

void Werbedialog::seiteZeigen(const QString& name)
{
    if (auto* s = PageControl->findChild<QWidget*>(name)) PageControl->setCurrentWidget(s);
}

// --- Activation -----------------------------------------------------------------------------

void Werbedialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    aktivieren();
    Zentrieren(this);
}

void Werbedialog::aktivieren()
{
    feldbereichSetzen();
    TWettkampfDaten* w = AktWettkampf;
    const Werbeeinstellungen einst = werbeeinstellungen();
    Editor->aktivieren(w ? werbezustand(*w).Index : 0);
    konfigurationenZeigen(-1);
    {
        const QSignalBlocker still(CBWerbungOn);
        CBWerbungOn->setChecked(w ? werbezustand(*w).Werbung != 0 : einst.Werbung);
    }
    EWerbezeitDef->setText(QString::number(einst.Werbezeit));
    EWerbeabstDef->setText(QString::number(einst.Werbeabstand));
    eigeneZeigen(w);
}

// The names of the configurations with `gewaehlt` selected, or without one
// the match's choice (or the default for new matches); none when it is out
// of range.
void Werbedialog::konfigurationenZeigen(int gewaehlt)
{
    if (gewaehlt < 0)
        gewaehlt = AktWettkampf ? int(werbezustand(*AktWettkampf).Index) : int(werbeeinstellungen().Index);
    const QSignalBlocker still(CKonfiguration);
    CKonfiguration->clear();
    CKonfiguration->addItems(Editor->konfigurationen());
    CKonfiguration->setCurrentIndex(gewaehlt >= 0 && gewaehlt < CKonfiguration->count() ? gewaehlt : -1);
}

// The names changed on the advert page: the choice made so far stays on its
// configuration; when that one went, the match's choice holds again.
void Werbedialog::konfigurationenFolgen(int eingefuegt, int entfernt)
{
    int gewaehlt = CKonfiguration->currentIndex();
    if (gewaehlt >= 0 && entfernt >= 0)
        gewaehlt = gewaehlt == entfernt ? -1 : gewaehlt - (gewaehlt > entfernt ? 1 : 0);
    else if (gewaehlt >= 0 && eingefuegt >= 0 && gewaehlt >= eingefuegt)
        ++gewaehlt;
    konfigurationenZeigen(gewaehlt);
}

void Werbedialog::feldbereichSetzen()
{
    const QWidget* s = PageControl->currentWidget();
    u16 feld = m_art.FeldSteuerung;
    if (s == TabWerbung)
        feld = m_art.FeldWerbung;
    else if (TabText && s == TabText)
        feld = m_art.FeldText;
    FeldcodeMin = FeldcodeMax = feld;
}

void Werbedialog::done(int r)
{
    Editor->schliessen();
    QDialog::done(r);
}

// --- Confirmation -----------------------------------------------------------------------------

void Werbedialog::BtnOKClick()
{
    Editor->speichern();
    steuerungUebernehmen();
    if (TWettkampfDaten* w = AktWettkampf) {
        spielUebernehmen(*w);
    } else {
        const Werbeeinstellungen einst = werbeeinstellungen();
        if (const int auswahl = CKonfiguration->currentIndex(); auswahl >= 0) {
            einst.Index = auswahl;
            einst.Werbung = CBWerbungOn->isChecked();
        }
        einst.Werbezeit = TextZuZahl(EWerbezeitDef->text());
        einst.Werbeabstand = TextZuZahl(EWerbeabstDef->text());
        einstellungenUebernehmen();
        schluesselSchreiben();
        InfListeSpeichern();
    }
    uebernommen();
    accept();
}

void Werbedialog::spielUebernehmen(TWettkampfDaten& w) { auswahlUebernehmen(w); }

bool Werbedialog::auswahlUebernehmen(TWettkampfDaten& w)
{
    const int auswahl = CKonfiguration->currentIndex();
    if (auswahl < 0) return false;
    TWerbeZustand& z = werbezustand(w);
    const u8 ein = CBWerbungOn->isChecked() ? 1 : 0;
    if (z.Index != u16(auswahl) || z.Werbung != ein) w.Geaendert = 1;
    z.Index = u16(auswahl);
    z.Werbung = ein;
    return true;
}
