#include "core/ui/HinweisAlt.h"

#include "core/Boxes.h"
#include "core/Sound.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int FensterBreite = 480;
constexpr int KnopfBreite = 89;
constexpr int KnopfHoehe = 25;
}  // namespace

THinweisAlt::THinweisAlt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HinweisAlt"));
    HintergrundSetzen(this, u"ColorHinweis");

    LHinweis = Benannt(new QLabel(this), "LHinweis");
    LHinweis->setTextFormat(Qt::PlainText);
    LHinweis->setFont(QFont(QStringLiteral("Arial"), 12));
    LHinweis->setAlignment(Qt::AlignCenter);
    LHinweis->setWordWrap(true);

    RGAuswahl = Benannt(new QGroupBox(this), "RGAuswahl");
    m_gruppe = new QButtonGroup(this);
    m_gruppe->setExclusive(true);
    new QVBoxLayout(RGAuswahl);

    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));
    for (QPushButton* k : {BtnOk, BtnAbbrechen}) k->setFixedSize(KnopfBreite, KnopfHoehe);
    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, [this] { done(ErgebnisOk); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, &THinweisAlt::reject);
    connect(m_gruppe, &QButtonGroup::idToggled, this, [this] { BtnOk->setEnabled(gewaehlt() >= 0); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addSpacing(16);
    knoepfe->addWidget(BtnAbbrechen);
    knoepfe->addStretch();
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(24, 20, 24, 20);
    spalte->setSpacing(14);
    spalte->addWidget(LHinweis);
    spalte->addWidget(RGAuswahl);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
    RGAuswahl->setFixedWidth(FensterBreite - 48);
    LHinweis->setFixedWidth(FensterBreite - 48);
}

void THinweisAlt::fragen(const QString& text, const QStringList& wahl, int vorgewaehlt)
{
    setWindowTitle(text);
    LHinweis->setText(Umbrechbar(text, LHinweis->font(), FensterBreite - 48));
    for (QRadioButton* b : RBAuswahl) {
        m_gruppe->removeButton(b);
        delete b;
    }
    RBAuswahl.clear();
    for (int i = 0; i < wahl.size(); ++i) {
        auto* b = new QRadioButton(wahl[i], RGAuswahl);
        b->setObjectName(QStringLiteral("RBAuswahl%1").arg(i + 1));
        RGAuswahl->layout()->addWidget(b);
        m_gruppe->addButton(b, i);
        RBAuswahl.append(b);
    }
    if (vorgewaehlt >= 0 && vorgewaehlt < RBAuswahl.size()) RBAuswahl[vorgewaehlt]->setChecked(true);
    BtnOk->setEnabled(gewaehlt() >= 0);
    adjustSize();
}

int THinweisAlt::gewaehlt() const { return m_gruppe->checkedId(); }

void THinweisAlt::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SoundSpielen(QStringLiteral("Frage.wav"));
}

void THinweisAlt::reject() { done(ErgebnisAbbrechen); }
