#include "shell/ui/Optionen.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "shell/ui/OptionenSeiten.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

TOptionen* g_offen = nullptr;

}  // namespace

Optionenseite::Optionenseite(TOptionen& dialog, const QString& objektname) : QWidget(nullptr), m_dialog(dialog)
{
    setObjectName(objektname);
}

TOptionen::TOptionen(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("Optionen"));
    setWindowTitle(QStringLiteral("Programmoptionen"));
    TabControlOptionen = new QTabWidget(this);
    TabControlOptionen->setObjectName(QStringLiteral("TabControlOptionen"));
    Optionenseite* (*const fabriken[SeitenAnzahl])(TOptionen&) = {
        AllgemeinSeite, AnsichtSeite, BahnsteuerungSeite, VorwahlSeite, CanBusSeite,
        SystemSeite,    ProgrammeSeite, InternetSeite,    EmailSeite,   AnzeigeSeite};
    const char* titel[SeitenAnzahl] = {"Allgemein ", "Ansicht ", "Bahnsteuerung ", "Vorwahl ", "Can Bus ",
                                       "System ",    "Programme ", "Internet ",    " email   ", "Anzeige "};
    for (int s = 0; s < SeitenAnzahl; ++s) {
        m_seiten[s] = fabriken[s](*this);
        TabControlOptionen->addTab(m_seiten[s], QString::fromUtf8(titel[s]));
    }
    BtnOK = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnAbbruch = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOK);
    knoepfe->addWidget(BtnAbbruch);
    auto* l = new QVBoxLayout(this);
    l->addWidget(TabControlOptionen);
    l->addLayout(knoepfe);
    connect(BtnOK, &QPushButton::clicked, this, [this] {
        if (BtnOKClick()) accept();
    });
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(TabControlOptionen, &QTabWidget::currentChanged, this, &TOptionen::seiteGewechselt);
    g_offen = this;
}

TOptionen::~TOptionen()
{
    if (g_offen == this) g_offen = nullptr;
}

TOptionen* TOptionen::offen() { return g_offen; }

void TOptionen::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    laden();
}

void TOptionen::laden()
{
    TabControlOptionen->setCurrentIndex(Allgemein);
    for (Optionenseite* s : m_seiten) s->laden();
}

void TOptionen::seiteGewechselt(int pos)
{
    if (pos >= 0 && pos < SeitenAnzahl) m_seiten[pos]->gezeigt();
}

bool TOptionen::BtnOKClick()
{
    for (int s = 0; s < SeitenAnzahl; ++s) {
        if (const std::optional<Feldfehler> f = m_seiten[s]->pruefen()) {
            TabControlOptionen->setCurrentIndex(s);
            if (f->feld) f->feld->setFocus();
            boxen().hinweis(f->meldung);
            return false;
        }
    }
    for (Optionenseite* s : m_seiten) s->speichern();
    for (Optionenseite* s : m_seiten)
        for (const auto& [sektion, name] : s->schluessel())
            if (const Einstellungsschluessel* k = SchluesselSuchen(name)) EinstellungSchreiben(*k);
    QString fehler;
    if (!TextdateiSchreiben(InfDatei, InfListe, &fehler)) {
        boxen().hinweis(fehler);
        return false;
    }
    return true;
}

void TOptionen::done(int r)
{
    for (Optionenseite* s : m_seiten) s->schliessen();
    QDialog::done(r);
}
