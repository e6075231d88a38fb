// The fax and e-mail dialogs, opened through the window hub over a program
// folder of their own with a cover list "kein Deckblatt", "Verband", "Gegner".

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Farben.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "report/deckblatt/Deckblatt.h"
#include "report/ui/EmailSenden.h"
#include "report/ui/FaxSenden.h"
#include "report/ui/Fensterregistrierung.h"
#include "support/ImDialog.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <tuple>

namespace {

class Senden : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        deckblattZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        EinstellungenVorbelegen();
        QDir().mkpath(Datenverzeichnis);
        ASSERT_TRUE(TextdateiSchreiben(QDir(Datenverzeichnis).filePath(QStringLiteral("Deckblatt.inf")),
                                       {QStringLiteral("kein Deckblatt"), QStringLiteral("Verband"),
                                        QStringLiteral("Gegner")}));
        ReportFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        w = AktWettkampf;
    }
    void TearDown() override
    {
        deckblattZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    template <typename T>
    bool oeffnen(Dialog d, const std::function<void(T&)>& handeln)
    {
        return ImDialog<T>(hub, [d] { return fenster().dialog(d); }, handeln);
    }
    static QStringList Eintraege(const QComboBox* c)
    {
        QStringList l;
        for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
        return l;
    }

    Fensterhub hub;
    TWettkampfDaten* w = nullptr;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

// The match's cover is selected; "&Standard" then cancel keeps the choice
// in the match and the settings file; OK stores the list's entry.
TEST_F(Senden, FaxDialogStandardThenCancelThenOk)
{
    FarbeSetzen(u"ColorHinweis", 0x00A0B0C0);
    FarbeSetzen(u"ColorFaxSenden", 0x000000FF);  // stored, not applied
    w->FaxDeckblatt = 1;
    EXPECT_FALSE(oeffnen<TFaxSenden>(Dialog::FaxSenden, [](TFaxSenden& d) {
        EXPECT_EQ(std::tuple(d.windowTitle(), d.PopupColorGround->text()),
                  std::tuple(QStringLiteral("Spielbericht senden ?"), QStringLiteral("Hintergrund...")));
        EXPECT_EQ(d.CDeckblatt->toolTip(), QStringLiteral("Ausgewähltes Deckblatt wird mit versendet."));
        EXPECT_EQ(d.palette().color(QPalette::Window), QColor(0xC0, 0xB0, 0xA0));
        EXPECT_EQ(Eintraege(d.CDeckblatt), QStringList({"kein Deckblatt", "Verband", "Gegner"}));
        EXPECT_EQ(std::tuple(d.CDeckblatt->currentIndex(), d.CDeckblatt->isEditable()), std::tuple(1, false));
        d.CDeckblatt->setCurrentIndex(2);
        d.BtnStandard->click();
        d.CDeckblatt->setCurrentIndex(0);
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(std::tuple(w->FaxDeckblatt, Einst.FaxDeckblatt, w->Geaendert), std::tuple(2, 2, 1));
    EXPECT_EQ(TextdateiLesen(InfDatei), std::optional(QStringList({"[Allgemein]", "FaxDeckblatt = 2"})));
    EXPECT_TRUE(oeffnen<TFaxSenden>(Dialog::FaxSenden, [](TFaxSenden& d) {
        d.CDeckblatt->setCurrentIndex(1);
        d.BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(w->FaxDeckblatt, Einst.FaxDeckblatt), std::tuple(1, 2));
}

// A cover that no longer exists shows no selection and OK stores "no
// cover"; after covers are added or deleted in the cover window the chosen
// cover stays chosen under its new number, "kein Deckblatt" when it went.
TEST_F(Senden, VanishedAndAddedCovers)
{
    std::function<void()> schritt = [] { EXPECT_EQ(DeckblattEinfuegen(1, QStringLiteral("Presse")), 2); };
    hub.registrieren(Dialog::Deckblatt, [&schritt](QWidget* eltern) {
        schritt();
        auto* d = new QDialog(eltern);
        QTimer::singleShot(0, d, &QDialog::accept);
        return d;
    });
    w->FaxDeckblatt = 5;
    w->EmailDeckblatt = 3;
    EXPECT_TRUE(oeffnen<TEmailSenden>(Dialog::EmailSenden, [](TEmailSenden& d) {
        EXPECT_EQ(std::tuple(d.CDeckblatt->currentIndex(), d.CDeckblatt->currentText()), std::tuple(-1, QString()));
        d.BtnOk->click();
    }));
    EXPECT_TRUE(oeffnen<TFaxSenden>(Dialog::FaxSenden, [](TFaxSenden& d) {
        EXPECT_EQ(d.CDeckblatt->currentIndex(), -1);
        d.CDeckblatt->setCurrentIndex(1);
        d.BtnDeckblatt->click();
        EXPECT_EQ(Eintraege(d.CDeckblatt), QStringList({"kein Deckblatt", "Verband", "Presse", "Gegner"}));
        EXPECT_EQ(d.CDeckblatt->currentIndex(), 1);
        d.CDeckblatt->setCurrentIndex(-1);
        d.BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(w->FaxDeckblatt, w->EmailDeckblatt), std::tuple(0, 0));

    // "Gegner" chosen (the match keeps "Verband"), then the cover window.
    const struct {
        bool fax;
        std::function<void()> schritt;
        QStringList liste;
        int gewaehlt;  // and stored by OK
        int imSpiel;   // the match's own cover, renumbered too
    } faelle[] = {
        {true, [] { DeckblattEinfuegen(0, QStringLiteral("Presse")); }, {"kein Deckblatt", "Presse", "Verband", "Gegner"},
         3, 2},
        {false, [] { DeckblattEinfuegen(0, QStringLiteral("Presse")); }, {"kein Deckblatt", "Presse", "Verband", "Gegner"},
         3, 2},
        {true, [] { DeckblattLoeschen(1); }, {"kein Deckblatt", "Gegner"}, 1, 0},
        {false, [] { DeckblattLoeschen(2); }, {"kein Deckblatt", "Verband"}, 0, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.liste.join(u',').toStdString() + (f.fax ? " fax" : " email"));
        ASSERT_TRUE(TextdateiSchreiben(QDir(Datenverzeichnis).filePath(QStringLiteral("Deckblatt.inf")),
                                       {QStringLiteral("kein Deckblatt"), QStringLiteral("Verband"),
                                        QStringLiteral("Gegner")}));
        deckblattZustand.zuruecksetzen();
        schritt = f.schritt;
        w->FaxDeckblatt = w->EmailDeckblatt = 1;
        const auto waehlen = [&f](TSendenDialog& d) {
            d.CDeckblatt->setCurrentIndex(2);
            d.BtnDeckblatt->click();
            EXPECT_EQ(Eintraege(d.CDeckblatt), f.liste);
            EXPECT_EQ(d.CDeckblatt->currentIndex(), f.gewaehlt);
            d.BtnOk->click();
        };
        if (f.fax)
            EXPECT_TRUE(oeffnen<TFaxSenden>(Dialog::FaxSenden, waehlen));
        else
            EXPECT_TRUE(oeffnen<TEmailSenden>(Dialog::EmailSenden, waehlen));
        EXPECT_EQ(f.fax ? w->FaxDeckblatt : w->EmailDeckblatt, f.gewaehlt);
        EXPECT_EQ(f.fax ? w->EmailDeckblatt : w->FaxDeckblatt, f.imSpiel);
    }
}

// An empty sender name proposes the setting and OK takes it into the match;
// the match's own texts win; the recipient is picked from the list only,
// the cover by its name.
TEST_F(Senden, EmailDialogProposesTheSettingsAndOkStoresTheTexts)
{
    Einst.EmailName = QStringLiteral("Kegelclub"), Einst.EmailBetreff = QStringLiteral("Bericht");
    EmailAnListe = {QStringLiteral("staffel@verband.de"), QStringLiteral("presse@zeitung.de")};
    w->EmailVon = QStringLiteral("sport@adler.de");
    w->EmailAn = QStringLiteral("PRESSE@zeitung.de");
    EXPECT_TRUE(oeffnen<TEmailSenden>(Dialog::EmailSenden, [](TEmailSenden& d) {
        EXPECT_EQ(std::tuple(d.EEmailName->text(), d.EEmailVon->text(), d.EEmailBetreff->text(),
                             d.CEmailAn->currentText()),
                  std::tuple(QStringLiteral("Kegelclub"), QStringLiteral("sport@adler.de"), QStringLiteral("Bericht"),
                             QStringLiteral("presse@zeitung.de")));
        EXPECT_EQ(std::tuple(d.EEmailName->maxLength(), d.CDeckblatt->isEditable(), d.CEmailAn->isEditable()),
                  std::tuple(79, true, false));
        d.CDeckblatt->setEditText(QStringLiteral("gegner"));
        d.EEmailBetreff->setText(QStringLiteral("Spielbericht 3. Runde"));
        d.BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(w->EmailName, w->EmailVon, w->EmailAn, w->EmailBetreff, w->EmailDeckblatt),
              std::tuple(QStringLiteral("Kegelclub"), QStringLiteral("sport@adler.de"),
                         QStringLiteral("presse@zeitung.de"), QStringLiteral("Spielbericht 3. Runde"), 2));

    w->EmailAn = QStringLiteral("alt@verband.de");  // no longer listed
    EXPECT_FALSE(oeffnen<TEmailSenden>(Dialog::EmailSenden, [](TEmailSenden& d) {
        EXPECT_EQ(d.CEmailAn->currentIndex(), -1);
        d.CDeckblatt->setCurrentIndex(1);
        d.BtnStandard->click();
    }));
    EXPECT_EQ(std::tuple(w->EmailDeckblatt, Einst.EmailDeckblatt, w->EmailAn),
              std::tuple(1, 1, QStringLiteral("alt@verband.de")));
}

// Field codes 251..254; the keyboard's text picks a listed recipient only.
TEST_F(Senden, TouchKeyboardFields)
{
    EmailAnListe = {QStringLiteral("staffel@verband.de"), QStringLiteral("presse@zeitung.de")};
    oeffnen<TEmailSenden>(Dialog::EmailSenden, [](TEmailSenden& d) {
        EXPECT_EQ(std::tuple(FeldcodeMin, FeldcodeMax), std::tuple(251, 254));
        const Feldregister& r = feldregister();
        EXPECT_EQ(std::tuple(r.codeVon(d.EEmailName), r.codeVon(d.EEmailVon), r.codeVon(d.EEmailBetreff)),
                  std::tuple(std::optional<u16>(251), std::optional<u16>(252), std::optional<u16>(254)));
        const Tastaturfeld* an = r.finden(253);
        ASSERT_TRUE(an);
        an->schreiben(QStringLiteral("Presse@Zeitung.de"));
        EXPECT_EQ(std::tuple(d.CEmailAn->currentIndex(), an->lesen(), an->maxLaenge()),
                  std::tuple(1, QStringLiteral("presse@zeitung.de"), 79));
        an->schreiben(QStringLiteral("wer@anders.de"));
        EXPECT_EQ(d.CEmailAn->currentIndex(), -1);
    });
}

}  // namespace
