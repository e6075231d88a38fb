#include "shell/ui/Optionen.h"

#include "core/Boxes.h"
#include "core/Sound.h"
#include "shell/ui/OptionenSeiten.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

TOptionen* g_offen = nullptr;

// The client area of the dialog.
constexpr int Breite = 866;
constexpr int Hoehe = 565;

}  // namespace

OptionenZustand optionenZustand;

Optionenseite::Optionenseite(TOptionen& dialog, const QString& objektname) : QWidget(nullptr), m_dialog(dialog)
{
    setObjectName(objektname);
}

TOptionen::TOptionen(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("Optionen"));
    setWindowTitle(QStringLiteral("Programmoptionen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
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
    BtnOK->setToolTip(QStringLiteral("Einstellungen speichern"));
    BtnOK->setDefault(true);
    BtnAbbruch = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));
    BtnAbbruch->setToolTip(QStringLiteral("ohne Speichern beenden"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOK);
    knoepfe->addWidget(BtnAbbruch);
    auto* l = new QVBoxLayout(this);
    l->addWidget(TabControlOptionen);
    l->addLayout(knoepfe);
    for (QPushButton* b : {BtnOK, BtnAbbruch}) connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });
    connect(BtnOK, &QPushButton::clicked, this, [this] {
        if (BtnOKClick()) accept();
    });
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(TabControlOptionen, &QTabWidget::currentChanged, this, &TOptionen::seiteGewechselt);
    // Fixed, at least the designed size; larger where a page needs it.
    setFixedSize(sizeHint().expandedTo(QSize(Breite, Hoehe)));
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
    BtnOK->setEnabled(true);
    {
        const QSignalBlocker still(TabControlOptionen);
        TabControlOptionen->setCurrentIndex(Allgemein);
    }
    for (Optionenseite* s : m_seiten) s->laden();
    m_seiten[Allgemein]->gezeigt();
}

void TOptionen::seiteGewechselt(int pos)
{
    if (pos >= 0 && pos < SeitenAnzahl) m_seiten[pos]->gezeigt();
}

bool TOptionen::BtnOKClick()
{
    BtnOK->setEnabled(false);
    // Nothing is stored while a field is in error.
    for (int s = 0; s < SeitenAnzahl; ++s) {
        if (const std::optional<Feldfehler> f = m_seiten[s]->pruefen()) {
            TabControlOptionen->setCurrentIndex(s);
            if (f->feld) f->feld->setFocus();
            boxen().hinweis(f->meldung);
            BtnOK->setEnabled(true);
            return false;
        }
    }
    for (Optionenseite* s : m_seiten) s->speichern();

    std::vector<Optionsschluessel> schluessel;
    for (Optionenseite* s : m_seiten) {
        const std::vector<Optionsschluessel> k = s->schluessel();
        schluessel.insert(schluessel.end(), k.begin(), k.end());
    }
    const auto* loeschen = findChild<QCheckBox*>(QStringLiteral("CBInfLoeschen"));
    QString fehler;
    if (!OptionenSchreiben(schluessel, loeschen && loeschen->isChecked(), &fehler)) {
        boxen().hinweis(fehler);
        BtnOK->setEnabled(true);
        return false;
    }
    return true;
}

void TOptionen::done(int r)
{
    for (Optionenseite* s : m_seiten) s->schliessen();
    QDialog::done(r);
}
