#include "competition/ui/Speichern.h"

#include "competition/Spieldatei.h"
#include "competition/Spieleliste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Tastaturfelder.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

QString SpeichernameVorschlag(const TWettkampfDaten& w)
{
    if (!w.Speichername.isEmpty()) return w.Speichername.left(60);
    return (w.Heimmannschaft.text().left(28) + QStringLiteral(" - ") + w.Gastmannschaft.text()).left(60);
}

TSpeichern::TSpeichern(QWidget* parent)
    : TSpieleFenster(parent, QStringLiteral("Speichern"), QStringLiteral("Spiel speichern"), u"ColorSpeichern")
{
    m_tastatur = new TastaturFelder(this, 59, 59);
    m_tastatur->feld(59, QStringLiteral("Dateiname:"), ModusText, EFile);
    BtnSpeichern = new QPushButton(QStringLiteral("&Speichern"), this);
    BtnSpeichern->setObjectName(QStringLiteral("BtnSpeichern"));
    BtnSpeichern->setDefault(true);
    knopfzeile()->addWidget(BtnSpeichern);
    knopfzeile()->addWidget(BtnAbbrechen);
    knopfzeile()->addStretch();

    connect(BtnSpeichern, &QPushButton::clicked, this, &TSpeichern::BtnSpeichernClick);
    connect(LBFile, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        EFile->setText(item->text());
        BtnSpeichernClick();
    });
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    const TWettkampfDaten* w = AktWettkampf;
    QString ordner = w ? w->Speicherordner : QString();
    if (ordner.isEmpty()) ordner = Spielordner;
    ordnerZeigen(ordner.isEmpty() ? QDir::homePath() : ordner);
    if (w) EFile->setText(SpeichernameVorschlag(*w));
}

void TSpeichern::auswahlGeaendert(int zeile) { AuswahlIndex = zeile; }

void TSpeichern::knoepfeSetzen()
{
    const bool eintraege = !m_liste.isEmpty();
    for (QWidget* w : {static_cast<QWidget*>(BtnLoeschen), static_cast<QWidget*>(BtnSortieren),
                       static_cast<QWidget*>(BtnUmbenennen)})
        w->setEnabled(eintraege);
    MLoeschen->setEnabled(eintraege);
    MSortieren->setEnabled(eintraege);
    MUmbenennen->setEnabled(eintraege);
    BtnSpeichern->setEnabled(m_liste.size() < MaxSpieleintraege);
}

void TSpeichern::BtnSpeichernClick()
{
    if (!AktWettkampf) return;
    const QString name = EFile->text().left(60);
    if (name.isEmpty()) {
        boxen().hinweis(QStringLiteral("Bitte einen Namen eintragen !"));
        return;
    }
    QString fehler;
    QStringList liste = m_liste;
    int k = int(liste.indexOf(name));
    if (k >= 0) {
        const QString frage =
            QStringLiteral("Der Name ist bereits vorhanden !\nSpiel unter dem gleichen Namen speichern ?");
        if (boxen().hinweisJaTitel(QStringLiteral("Speichern ?"), frage) != ErgebnisJa) return;
        if (!SpielSpeichern(m_ordner, k, liste, &fehler)) k = -1;
    } else {
        k = SpielNeuSpeichern(m_ordner, liste, AuswahlIndex, name, &fehler);
    }
    // A failed save leaves the folder as it was.
    if (k < 0) {
        boxen().hinweis(fehler);
        return;
    }
    AuswahlIndex = k;
    m_liste = liste;
    listeAnzeigen(k);
    accept();
}
