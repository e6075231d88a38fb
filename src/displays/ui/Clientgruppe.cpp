#include "displays/ui/Clientgruppe.h"

#include "core/Boxes.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Zeichenwache.h"
#include "displays/ui/Anzeigedialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

Clientgruppe::Clientgruppe(const Art& art, QWidget* eltern, const QString& wahlText, QWidget* wahl)
    : QGroupBox(art.Titel, eltern), m_ordnerLaenge(art.OrdnerLaenge)
{
    setObjectName(QLatin1String(art.Name));
    if (wahl) wahl->setParent(this);
    EClientVerzeichnis = Benannt(new QLineEdit(this), "EClientVerzeichnis");
    if (m_ordnerLaenge > 0) EClientVerzeichnis->setMaxLength(m_ordnerLaenge);
    EClientVerzeichnis->setToolTip(art.OrdnerTipp);
    BtnClientSuchen = DialogKnopf(this, "BtnClientSuchen", QStringLiteral("..."));
    BtnClientSuchen->setToolTip(QStringLiteral("Verzeichnis suchen"));
    BtnClientSuchen->setFixedWidth(36);
    RBTcp = Benannt(new QRadioButton(QStringLiteral("Datenaustausch mit TCP/IP"), this), "RBTcp");
    RBDatei = Benannt(new QRadioButton(QStringLiteral("Datenaustausch in Datei"), this), "RBDatei");
    auto* austausch = new QButtonGroup(this);
    austausch->addButton(RBTcp);
    austausch->addButton(RBDatei);
    LAdresse = Benannt(new QLabel(QStringLiteral("Adresse:"), this), "LAdresse");
    EAdresse = Benannt(new QLineEdit(this), "EAdresse");
    EAdresse->setToolTip(art.AdresseTipp);

    auto* c = new QGridLayout(this);
    int zeile = 0;
    if (wahl) {
        c->addWidget(new QLabel(wahlText, this), zeile, 0);
        c->addWidget(wahl, zeile++, 1, Qt::AlignLeft);
    }
    c->addWidget(new QLabel(QStringLiteral("Clientverzeichnis:"), this), zeile, 0);
    c->addWidget(EClientVerzeichnis, zeile, 1);
    c->addWidget(BtnClientSuchen, zeile++, 2);
    c->addWidget(RBTcp, zeile++, 1, 1, 2);
    c->addWidget(RBDatei, zeile++, 1, 1, 2);
    c->addWidget(LAdresse, zeile, 0);
    c->addWidget(EAdresse, zeile, 1, 1, 2);
    c->setColumnStretch(1, 1);

    connect(EClientVerzeichnis, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_satz) m_satz->ClientVerzeichnis = text;
    });
    connect(EAdresse, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_satz) m_satz->ExportAdresse = text.trimmed();
    });
    connect(RBTcp, &QRadioButton::clicked, this, &Clientgruppe::austauschGewaehlt);
    connect(RBDatei, &QRadioButton::clicked, this, &Clientgruppe::austauschGewaehlt);
    Anzeigedialog::KlickSoundBeim(this, {BtnClientSuchen});
}

void Clientgruppe::zeigen(TMonitorExport& satz)
{
    m_satz = &satz;
    EClientVerzeichnis->setText(satz.ClientVerzeichnis);
    EAdresse->setText(satz.ExportAdresse);
    Anzeigedialog::KnoepfeSetzen(RBTcp->group(),
                                 {{RBTcp, satz.ExportTcpOn}, {RBDatei, !satz.ExportTcpOn && satz.ExportDateiOn}});
    LAdresse->setEnabled(RBTcp->isChecked());
    EAdresse->setEnabled(RBTcp->isChecked());
}

void Clientgruppe::austauschGewaehlt()
{
    if (!m_satz) return;
    m_satz->ExportTcpOn = RBTcp->isChecked();
    m_satz->ExportDateiOn = RBDatei->isChecked();
    LAdresse->setEnabled(m_satz->ExportTcpOn);
    EAdresse->setEnabled(m_satz->ExportTcpOn);
}

void Clientgruppe::ordnerVon(const QString& datei)
{
    if (datei.isEmpty()) return;
    const QString ordner = QDir::toNativeSeparators(QFileInfo(datei).absolutePath());
    if (!ZeichenPasst(EClientVerzeichnis, ordner)) return;
    if (m_ordnerLaenge > 0 && ordner.size() > m_ordnerLaenge) {
        boxen().hinweis(QStringLiteral("Der Pfad ist zu lang (höchstens %1 Zeichen).").arg(m_ordnerLaenge));
        return;
    }
    EClientVerzeichnis->setText(ordner);
    if (m_satz) m_satz->ClientVerzeichnis = ordner;
}

// --- The dialogs ------------------------------------------------------------------------------

Clientdialog::Clientdialog(const Werbedialogart& art, QWidget* parent) : Werbedialog(art, parent)
{
    dateiWaehlen = [this] {
        QFileDialog dlg(this, QStringLiteral("Verzeichnis suchen"), EClientVerzeichnis->text());
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.setNameFilter(QStringLiteral("alle Dateien (*.*)"));
        dlg.selectFile(QStringLiteral("*.*"));
        return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
    };
}

Clientgruppe* Clientdialog::clientgruppeAufbauen(const Clientgruppe::Art& art, QWidget* seite,
                                                 const QString& wahlText, QWidget* wahl)
{
    m_gruppe = new Clientgruppe(art, seite, wahlText, wahl);
    static_cast<Clientfelder&>(*this) = *m_gruppe;
    connect(BtnClientSuchen, &QPushButton::clicked, this, &Clientdialog::BtnClientSuchenClick);
    return m_gruppe;
}

void Clientdialog::clientZeigen(TMonitorExport& satz) { m_gruppe->zeigen(satz); }

void Clientdialog::BtnClientSuchenClick() { m_gruppe->ordnerVon(dateiWaehlen ? dateiWaehlen() : QString()); }

void Clientdialog::uebernommen()
{
    if (const std::optional<bool> mitWerbedateien = Anzeigedialog::KonfigurationLadenFragen())
        konfigurationSenden(*mitWerbedateien);
}
