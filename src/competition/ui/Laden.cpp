#include "competition/ui/Laden.h"

#include "competition/Spieldatei.h"
#include "core/Boxes.h"
#include "core/Globals.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TLaden::TLaden(QWidget* parent)
    : TSpieleFenster(parent, QStringLiteral("Laden"), QStringLiteral("Spiel laden"), u"ColorLaden")
{
    EFile->setReadOnly(true);
    MUmbenennen->setVisible(false);
    BtnLaden = new QPushButton(QStringLiteral("&Laden"), this);
    BtnLaden->setObjectName(QStringLiteral("BtnLaden"));
    BtnLaden->setDefault(true);
    knopfzeile()->addWidget(BtnLaden);
    knopfzeile()->addWidget(BtnAbbrechen);
    knopfzeile()->addStretch();

    connect(BtnLaden, &QPushButton::clicked, this, &TLaden::BtnLadenClick);
    connect(LBFile, &QListWidget::itemDoubleClicked, this, &TLaden::BtnLadenClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] {
        WettkampfGeladen = 0;
        reject();
    });

    ordnerZeigen(Spielordner.isEmpty() ? QDir::homePath() : Spielordner);
}

void TLaden::auswahlGeaendert(int zeile) { EFile->setText(m_liste.value(zeile)); }

void TLaden::knoepfeSetzen()
{
    const bool eintraege = !m_liste.isEmpty();
    for (QWidget* w : {static_cast<QWidget*>(BtnLaden), static_cast<QWidget*>(BtnLoeschen),
                       static_cast<QWidget*>(BtnSortieren), static_cast<QWidget*>(BtnUmbenennen)})
        w->setEnabled(eintraege);
    MLoeschen->setEnabled(eintraege);
    MSortieren->setEnabled(eintraege);
}

void TLaden::BtnLadenClick()
{
    WettkampfGeladen = 0;
    const int k = LBFile->currentRow();
    if (k >= 0 && k < m_liste.size()) {
        QString fehler;
        if (!SpielLaden(m_ordner, k, &fehler) && !fehler.isEmpty()) boxen().hinweis(fehler);
    }
    // The window closes whatever the outcome.
    if (WettkampfGeladen)
        accept();
    else
        reject();
}
