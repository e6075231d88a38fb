#include "report/ui/EmailSenden.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"
#include "report/Berichtausgabe.h"
#include "report/deckblatt/Deckblatt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr u16 FeldcodeMinEmail = 251;
constexpr u16 FeldcodeMaxEmail = 254;
constexpr int EmailTextLaenge = 79;

QLineEdit* Textfeld(QWidget* eltern, const char* name, const char* hinweis)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(EmailTextLaenge);
    e->setToolTip(QString::fromUtf8(hinweis));
    e->setMinimumWidth(320);
    return e;
}

// The match's text, or the setting while the match has none.
QString Vorschlag(const QString& wettkampf, const QString& einstellung)
{
    return wettkampf.isEmpty() ? einstellung : wettkampf;
}

// Sets a text of the match; true when it changed.
bool Setzen(QString& feld, const QString& wert)
{
    if (feld == wert) return false;
    feld = wert;
    return true;
}

}  // namespace

TEmailSenden::TEmailSenden(QWidget* parent) : TSendenDialog(parent, "EmailSenden")
{
    CDeckblatt->setEditable(true);
    CDeckblatt->setInsertPolicy(QComboBox::NoInsert);
    CDeckblatt->setToolTip(QStringLiteral("ausgewähltes Deckblatt wird als email Text versendet"));
    EEmailName = Textfeld(this, "EEmailName", "Versandnamen angeben");
    EEmailVon = Textfeld(this, "EEmailVon", "email Absender eintragen");
    CEmailAn = new QComboBox(this);
    CEmailAn->setObjectName(QStringLiteral("CEmailAn"));
    CEmailAn->setToolTip(QStringLiteral("email Adresse eintragen"));
    EEmailBetreff = Textfeld(this, "EEmailBetreff", "Betreff angeben");
    knoepfeEinrichten(QStringLiteral("ausgewähltes Deckblatt als Standard für den email Versand verwenden"),
                      u"ColorEmailSenden");

    auto* raster = new QGridLayout;
    const std::pair<const char*, QWidget*> zeilen[] = {{"Text aus Deckblatt:", CDeckblatt},
                                                       {"Name:", EEmailName},
                                                       {"Absender:", EEmailVon},
                                                       {"Adresse:", CEmailAn},
                                                       {"Betreff:", EEmailBetreff}};
    int r = 0;
    for (const auto& [text, control] : zeilen) {
        raster->addWidget(new QLabel(QString::fromUtf8(text), this), r, 0);
        raster->addWidget(control, r++, 1);
    }
    raster->setColumnStretch(1, 1);
    layoutSetzen(raster);

    m_tastatur = new TastaturFelder(this, FeldcodeMinEmail, FeldcodeMaxEmail);
    m_tastatur->feld(251, QStringLiteral("Name:"), ModusText, EEmailName);
    m_tastatur->feld(252, QStringLiteral("Absender:"), ModusText, EEmailVon);
    m_tastatur->feld(254, QStringLiteral("Betreff:"), ModusText, EEmailBetreff);
    // The recipient is picked: the keyboard's text selects the listed address of that text.
    Tastaturfeld an;
    an.code = 253;
    an.prompt = QStringLiteral("Adresse:");
    an.modus = ModusText;
    an.lesen = [this] { return CEmailAn->currentText(); };
    an.schreiben = [this](const QString& t) { CEmailAn->setCurrentIndex(CEmailAn->findText(t, Qt::MatchFixedString)); };
    an.maxLaenge = [] { return EmailTextLaenge; };
    m_tastatur->feld(an, CEmailAn);
}

void TEmailSenden::FormActivate()
{
    FeldcodeMin = FeldcodeMinEmail;
    FeldcodeMax = FeldcodeMaxEmail;
    const TWettkampfDaten* w = AktWettkampf;
    if (!w) return;
    EEmailName->setText(Vorschlag(w->EmailName, Einst.EmailName));
    EEmailVon->setText(Vorschlag(w->EmailVon, Einst.EmailVon));
    EEmailBetreff->setText(Vorschlag(w->EmailBetreff, Einst.EmailBetreff));
    CEmailAn->clear();
    CEmailAn->addItems(EmailAnListe);
    CEmailAn->setCurrentIndex(CEmailAn->findText(w->EmailAn, Qt::MatchFixedString));
    listeFuellen(w->EmailDeckblatt);
}

int TEmailSenden::deckblattEintrag() const
{
    const QString text = CDeckblatt->currentText();
    const int i = CDeckblatt->currentIndex();
    if (i >= 0 && CDeckblatt->itemText(i) == text) return i;
    return CDeckblatt->findText(text, Qt::MatchFixedString);
}

void TEmailSenden::BtnStandardClick()
{
    if (AktWettkampf) DeckblattStandardSetzen(*AktWettkampf, false, DeckblattAuswahl(deckblattEintrag()));
}

void TEmailSenden::BtnOkClick()
{
    if (TWettkampfDaten* w = AktWettkampf) {
        const u8 k = DeckblattAuswahl(deckblattEintrag());
        bool geaendert = w->EmailDeckblatt != k;
        w->EmailDeckblatt = k;
        geaendert |= Setzen(w->EmailName, EEmailName->text());
        geaendert |= Setzen(w->EmailVon, EEmailVon->text());
        geaendert |= Setzen(w->EmailAn, CEmailAn->currentText());
        geaendert |= Setzen(w->EmailBetreff, EEmailBetreff->text());
        if (geaendert) w->Geaendert = 1;
    }
    accept();
}
