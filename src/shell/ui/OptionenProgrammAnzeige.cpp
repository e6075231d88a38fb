// The page Anzeige of the options dialog: the boards and display windows.

#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Tastaturfelder.h"
#include "shell/OptionenProgramm.h"
#include "shell/Programmstart.h"
#include "shell/ui/Optionen.h"
#include "shell/ui/OptionenProgrammTeile.h"
#include "shell/ui/OptionenSeiten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

class AnzeigeSeiteImpl final : public Optionenseite {
public:
    explicit AnzeigeSeiteImpl(TOptionen& dialog);
    void laden() override;
    std::optional<Feldfehler> pruefen() const override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override { return AnzeigeSchluessel(); }
    void gezeigt() override
    {
        FeldcodeMin = 237;
        FeldcodeMax = 242;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void abhaengigeSchalten();

    QCheckBox *CBMannschAnzeige, *CBNamenanzeige, *CBSaPAnzeige, *CBSaPWand, *CBSaPNamen, *CBMaPMannsch;
    QCheckBox *CBDualScreen, *CBMonitorAnzeige, *CBInfoterminal;
    QComboBox *CAnzahlMannschaft, *CSpielzeit;
    QLineEdit *EStellenMannschaft, *EStellenNamen, *EStellenSaP;
    QLabel *LAnzahl, *LStellenMannschaft, *LStellenNamen, *LStellenSaP;
};

AnzeigeSeiteImpl::AnzeigeSeiteImpl(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabAnzeige"))
{
    auto* tafeln = new QGroupBox(QStringLiteral("Anzeigetafeln"), this);
    CBMannschAnzeige = Haken(tafeln, "CBMannschAnzeige", QStringLiteral("  Mannschaftsanzeige"));
    LAnzahl = Beschriftung(tafeln, "LAnzahl", QStringLiteral("Anzahl:"));
    CAnzahlMannschaft = Auswahl(tafeln, "CAnzahlMannschaft");
    for (int n = 1; n <= 8; ++n) CAnzahlMannschaft->addItem(QString::number(n));
    LStellenMannschaft = Beschriftung(tafeln, "LStellenMannschaft", QStringLiteral("Stellen:"));
    EStellenMannschaft = Feld(tafeln, "EStellenMannschaft", 2);
    CBNamenanzeige = Haken(tafeln, "CBNamenanzeige", QStringLiteral("  Namenanzeige"));
    LStellenNamen = Beschriftung(tafeln, "LStellenNamen", QStringLiteral("Stellen:"));
    EStellenNamen = Feld(tafeln, "EStellenNamen", 2);
    CBSaPAnzeige = Haken(tafeln, "CBSaPAnzeige", QStringLiteral("  Satzpunkteanzeige"));
    LStellenSaP = Beschriftung(tafeln, "LStellenSaP", QStringLiteral("Stellen:"));
    EStellenSaP = Feld(tafeln, "EStellenSaP", 2);
    auto* tafelRaster = new QGridLayout(tafeln);
    tafelRaster->addWidget(CBMannschAnzeige, 0, 0);
    tafelRaster->addWidget(LAnzahl, 0, 1);
    tafelRaster->addWidget(CAnzahlMannschaft, 0, 2);
    tafelRaster->addWidget(LStellenMannschaft, 0, 3);
    tafelRaster->addWidget(EStellenMannschaft, 0, 4);
    tafelRaster->addWidget(CBNamenanzeige, 1, 0);
    tafelRaster->addWidget(LStellenNamen, 1, 3);
    tafelRaster->addWidget(EStellenNamen, 1, 4);
    tafelRaster->addWidget(CBSaPAnzeige, 2, 0);
    tafelRaster->addWidget(LStellenSaP, 2, 3);
    tafelRaster->addWidget(EStellenSaP, 2, 4);
    tafelRaster->setColumnStretch(5, 1);
    for (QLineEdit* e : {EStellenMannschaft, EStellenNamen, EStellenSaP}) {
        Schmal(e, 2);
        e->installEventFilter(this);
    }
    for (QCheckBox* c : {CBMannschAnzeige, CBNamenanzeige, CBSaPAnzeige})
        connect(c, &QCheckBox::toggled, this, &AnzeigeSeiteImpl::abhaengigeSchalten);

    auto* punkte = new QGroupBox(QStringLiteral("Punkte"), this);
    CBSaPWand = Haken(punkte, "CBSaPWand", QStringLiteral("  Satzpunkte in der Anzeigewand"));
    CBSaPNamen = Haken(punkte, "CBSaPNamen", QStringLiteral("  Satzpunkte in der Namenanzeige"));
    CBMaPMannsch = Haken(punkte, "CBMaPMannsch", QStringLiteral("  MaPunkte in der Mannschaftsanzeige"));
    auto* punkteSpalte = new QVBoxLayout(punkte);
    for (QCheckBox* c : {CBSaPWand, CBSaPNamen, CBMaPMannsch}) punkteSpalte->addWidget(c);

    auto* bildschirme = new QGroupBox(QStringLiteral("Bildschirmanzeigen"), this);
    CBDualScreen = Haken(bildschirme, "CBDualScreen", QStringLiteral("  Dual-Screen Anzeige aktiv"));
    CBMonitorAnzeige = Haken(bildschirme, "CBMonitorAnzeige", QStringLiteral("  Monitoranzeige"));
    CBInfoterminal = Haken(bildschirme, "CBInfoterminal", QStringLiteral("  Infoterminal"));
    CSpielzeit = Auswahl(bildschirme, "CSpielzeit", {QStringLiteral("6"), QStringLiteral("10")});
    auto* fensterSpalte = new QVBoxLayout(bildschirme);
    for (QCheckBox* c : {CBDualScreen, CBMonitorAnzeige, CBInfoterminal}) fensterSpalte->addWidget(c);
    auto* spielzeit = new QHBoxLayout;
    spielzeit->addWidget(Beschriftung(bildschirme, nullptr, QStringLiteral("Spielzeit in Schritten von")));
    spielzeit->addWidget(CSpielzeit);
    spielzeit->addWidget(Beschriftung(bildschirme, nullptr, QStringLiteral("Sekunden")));
    spielzeit->addStretch();
    fensterSpalte->addLayout(spielzeit);

    auto* l = new QVBoxLayout(this);
    l->addWidget(tafeln);
    l->addWidget(punkte);
    l->addWidget(bildschirme);
    l->addStretch();

    // The set-points width has a code of its own in the page's range.
    auto* tastatur = new TastaturFelder(this, 237, 242);
    tastatur->feld(237, QStringLiteral("Stellen der Mannschaftsanzeige:"), ModusZiffern, EStellenMannschaft);
    tastatur->feld(238, QStringLiteral("Stellen der Namenanzeige:"), ModusZiffern, EStellenNamen);
    tastatur->feld(239, QStringLiteral("Stellen der Satzpunkteanzeige:"), ModusZiffern, EStellenSaP);
}

void AnzeigeSeiteImpl::laden()
{
    CBMannschAnzeige->setChecked(Einst.MannschanzOn);
    EStellenMannschaft->setText(QString::number(Einst.MannschAnzeigeDig));
    CAnzahlMannschaft->setCurrentIndex(CAnzahlMannschaft->findText(QString::number(Einst.MannschAnzeigeAnz)));
    CBNamenanzeige->setChecked(Einst.NamenanzOn);
    EStellenNamen->setText(QString::number(Einst.NamenAnzeigeDig));
    CBSaPAnzeige->setChecked(Einst.SaPAnzeige);
    EStellenSaP->setText(QString::number(Einst.SaPAnzeigeDig));
    CBSaPWand->setChecked(Einst.SaPWand);
    CBSaPNamen->setChecked(Einst.SaPNamen);
    CBMaPMannsch->setChecked(Einst.MaPMannsch);
    CBDualScreen->setChecked(Einst.GrossAnzeigeEinstellung);
    CBMonitorAnzeige->setChecked(Einst.MonitorAnzeige);
    CBInfoterminal->setChecked(Einst.TerminalAnzeige);
    abhaengigeSchalten();
    for (QCheckBox* c : {CBSaPAnzeige, CBSaPWand, CBSaPNamen, CBMaPMannsch}) c->setEnabled(Einst.Punkteanzeige);
    CBDualScreen->setEnabled(QGuiApplication::screens().size() > 1);
    CSpielzeit->setCurrentIndex(CSpielzeit->findText(QString::number(Einst.SpielzeitIntervall)));
}

// A board switched on without a width would stay dark.
std::optional<Feldfehler> AnzeigeSeiteImpl::pruefen() const
{
    const std::pair<QCheckBox*, QLineEdit*> tafeln[] = {{CBMannschAnzeige, EStellenMannschaft},
                                                        {CBNamenanzeige, EStellenNamen}};
    for (const auto& [schalter, feld] : tafeln) {
        if (!schalter->isChecked() || u8(TextZuZahl(feld->text())) != 0) continue;  // as stored
        const QString tafel = schalter->text().trimmed();
        return Feldfehler{feld, QStringLiteral("Die %1 ist eingeschaltet, aber ihre Stellen fehlen: bitte die Anzahl "
                                               "der Stellen der %1 eingeben !")
                                    .arg(tafel)};
    }
    return std::nullopt;
}

void AnzeigeSeiteImpl::speichern()
{
    Einst.MannschanzOn = CBMannschAnzeige->isChecked();
    Einst.MannschAnzeigeDig = u8(TextZuZahl(EStellenMannschaft->text()));
    Einst.MannschAnzeigeAnz = u8(TextZuZahl(CAnzahlMannschaft->currentText()));
    Einst.NamenanzOn = CBNamenanzeige->isChecked();
    Einst.NamenAnzeigeDig = u8(TextZuZahl(EStellenNamen->text()));
    Einst.SaPAnzeige = CBSaPAnzeige->isChecked();
    Einst.SaPAnzeigeDig = u8(TextZuZahl(EStellenSaP->text()));
    Einst.SaPWand = CBSaPWand->isChecked();
    Einst.SaPNamen = CBSaPNamen->isChecked();
    Einst.MaPMannsch = CBMaPMannsch->isChecked();
    // Without a second monitor the box keeps the stored choice.
    Einst.GrossAnzeigeEinstellung = CBDualScreen->isChecked();
    GrossAnzeigeSchalten(int(QGuiApplication::screens().size()));
    Einst.MonitorAnzeige = CBMonitorAnzeige->isChecked();
    Einst.TerminalAnzeige = CBInfoterminal->isChecked();
    Einst.SpielzeitIntervall = CSpielzeit->currentIndex() >= 0 ? SpielzeitAusText(CSpielzeit->currentText()) : 6;
    AnzeigefensterAnwenden();
}

void AnzeigeSeiteImpl::abhaengigeSchalten()
{
    for (QWidget* w : std::initializer_list<QWidget*>{LAnzahl, CAnzahlMannschaft, LStellenMannschaft,
                                                      EStellenMannschaft})
        w->setEnabled(CBMannschAnzeige->isChecked());
    LStellenNamen->setEnabled(CBNamenanzeige->isChecked());
    EStellenNamen->setEnabled(CBNamenanzeige->isChecked());
    LStellenSaP->setEnabled(CBSaPAnzeige->isChecked());
    EStellenSaP->setEnabled(CBSaPAnzeige->isChecked());
}

// A click on a width puts the caret behind its digits, touch or not.
bool AnzeigeSeiteImpl::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease)
        if (auto* feld = qobject_cast<QLineEdit*>(o)) feld->setCursorPosition(int(feld->text().size()));
    return Optionenseite::eventFilter(o, e);
}

}  // namespace

Optionenseite* AnzeigeSeite(TOptionen& dialog) { return new AnzeigeSeiteImpl(dialog); }
