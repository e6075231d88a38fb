#include "shell/ui/Service.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Zeichenwache.h"
#include "shell/Service.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* haken(QWidget* eltern, const QString& name, const QString& text)
{
    auto* c = new QCheckBox(text, eltern);
    c->setObjectName(name);
    return c;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis = {})
{
    QPushButton* b = DialogKnopf(eltern, name, text);
    b->setToolTip(hinweis);
    QObject::connect(b, &QPushButton::pressed, b, [] { KlickSoundSpielen(); });
    return b;
}

// A link label: blue, underlined, the hand cursor.
QLabel* verweis(QWidget* eltern, const char* name, const QString& text)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

}  // namespace

TService::TService(QWidget* eltern, std::function<void()> programmBeenden)
    : QDialog(eltern), m_programmBeenden(std::move(programmBeenden))
{
    setObjectName(QStringLiteral("Service"));
    setWindowTitle(QStringLiteral("Service"));

    // --- Protokoll ---
    GBProtokoll = new QGroupBox(QStringLiteral("Protokoll"), this);
    GBProtokoll->setObjectName(QStringLiteral("GBProtokoll"));
    CBAufzeichnen = haken(GBProtokoll, QStringLiteral("CBAufzeichnen"), QStringLiteral("  CAN Messages aufzeichnen"));
    auto* bahnen = new QGridLayout;
    for (int n = 1; n <= 16; ++n) {
        CBBahn[n] = haken(GBProtokoll, QStringLiteral("CBBahn%1").arg(n), QStringLiteral("  Bahn %1").arg(n));
        bahnen->addWidget(CBBahn[n], (n - 1) / 4, (n - 1) % 4);
        // The alley's lanes only (FormCreate).
        CBBahn[n]->setVisible(n <= BekannteBahnanzahl(BahnAnzahl));
    }
    CBKommend = haken(GBProtokoll, QStringLiteral("CBKommend"), QStringLiteral("  kommende Messages"));
    CBGehend = haken(GBProtokoll, QStringLiteral("CBGehend"), QStringLiteral("  gehende Messages"));
    CBWuerfe = haken(GBProtokoll, QStringLiteral("CBWuerfe"), QStringLiteral("  Würfe"));
    CBBahnsteuerung = haken(GBProtokoll, QStringLiteral("CBBahnsteuerung"), QStringLiteral("  Bahnsteuerung"));
    CBMannschaftsanzeige =
        haken(GBProtokoll, QStringLiteral("CBMannschaftsanzeige"), QStringLiteral("  Mannschaftsanzeige"));
    CBNamenanzeige = haken(GBProtokoll, QStringLiteral("CBNamenanzeige"), QStringLiteral("  Namenanzeige"));
    auto* meldungen = new QGridLayout;
    QCheckBox* const reihe[] = {CBKommend, CBGehend, CBWuerfe, CBBahnsteuerung, CBMannschaftsanzeige, CBNamenanzeige};
    for (int i = 0; i < 6; ++i) meldungen->addWidget(reihe[i], i / 2, i % 2);

    BtnMarke = knopf(GBProtokoll, "BtnMarke", QStringLiteral("Textmarke"),
                     QStringLiteral("eine Marke im Protokoll setzen"));
    BtnLoeschen = knopf(GBProtokoll, "BtnLoeschen", QStringLiteral("Löschen"), QStringLiteral("Protokoll löschen"));
    BtnMail = knopf(GBProtokoll, "BtnMail", QStringLiteral("Mailtext"),
                    QStringLiteral("einen Text dem Protokoll hinzufügen"));
    BtnSenden = knopf(GBProtokoll, "BtnSenden", QStringLiteral("Senden"), QStringLiteral("Protokoll senden"));
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {BtnMarke, BtnLoeschen, BtnMail, BtnSenden}) knoepfe->addWidget(b);

    CEmailAn = new QComboBox(GBProtokoll);
    CEmailAn->setObjectName(QStringLiteral("CEmailAn"));
    CEmailAn->setEditable(true);
    CEmailAn->setInsertPolicy(QComboBox::NoInsert);
    CEmailAn->setToolTip(QStringLiteral("Liste mit vorgegebenen Empfängeradressen"));
    CEmailAn->setMinimumWidth(260);
    auto* email = new QHBoxLayout;
    auto* emailText = new QLabel(QStringLiteral("email:"), GBProtokoll);
    emailText->setBuddy(CEmailAn);
    email->addWidget(emailText);
    email->addWidget(CEmailAn, 1);

    MEmail = new QPlainTextEdit(GBProtokoll);
    MEmail->setObjectName(QStringLiteral("MEmail"));
    ZeichenFrei(MEmail);  // the mail goes out in UTF-8
    MEmail->setFixedHeight(90);
    MEmail->hide();
    MEmail->viewport()->installEventFilter(this);

    auto* protokoll = new QVBoxLayout(GBProtokoll);
    protokoll->addWidget(CBAufzeichnen);
    protokoll->addWidget(new QLabel(QStringLiteral("Bahnfilter:"), GBProtokoll));
    protokoll->addLayout(bahnen);
    protokoll->addWidget(new QLabel(QStringLiteral("Messagefilter:"), GBProtokoll));
    protokoll->addLayout(meldungen);
    protokoll->addLayout(knoepfe);
    protokoll->addLayout(email);
    protokoll->addWidget(MEmail);

    // --- Update and Remotebetrieb ---
    GBUpdate = new QGroupBox(QStringLiteral("Update"), this);
    GBUpdate->setObjectName(QStringLiteral("GBUpdate"));
    LUpdate = verweis(GBUpdate, "LUpdate", QStringLiteral("nach neuen Updates suchen"));
    LServiceseite = verweis(GBUpdate, "LServiceseite", QStringLiteral("Website durchsuchen"));
    for (QLabel* l : {LUpdate, LServiceseite}) l->installEventFilter(this);
    auto* update = new QVBoxLayout(GBUpdate);
    update->addWidget(LUpdate);
    update->addWidget(LServiceseite);
    // Its indicators belong to the network module.
    GBRemotebetrieb = new QGroupBox(QStringLiteral("Remotebetrieb"), this);
    GBRemotebetrieb->setObjectName(QStringLiteral("GBRemotebetrieb"));
    auto* unten = new QHBoxLayout;
    unten->addWidget(GBUpdate, 1);
    unten->addWidget(GBRemotebetrieb, 1);

    BtnOk = knopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = knopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    auto* schluss = new QHBoxLayout;
    schluss->addStretch();
    schluss->addWidget(BtnOk);
    schluss->addWidget(BtnAbbrechen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(GBProtokoll);
    spalte->addLayout(unten);
    spalte->addLayout(schluss);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnMarke, &QPushButton::clicked, this, &TService::BtnMarkeClick);
    connect(BtnLoeschen, &QPushButton::clicked, this, &TService::BtnLoeschenClick);
    connect(BtnMail, &QPushButton::clicked, this, &TService::BtnMailClick);
    connect(BtnSenden, &QPushButton::clicked, this, &TService::BtnSendenClick);
    connect(BtnOk, &QPushButton::clicked, this, &TService::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::pair<QCheckBox*, bool*>> TService::schalter() const
{
    std::vector<std::pair<QCheckBox*, bool*>> s{{CBAufzeichnen, &Einst.CANAufzeichnen}};
    for (long n = 1; n <= 16; ++n) s.emplace_back(CBBahn[n], &Einst.CANBahn[n]);
    s.insert(s.end(), {{CBKommend, &Einst.CANIn},
                       {CBGehend, &Einst.CANOut},
                       {CBWuerfe, &Einst.CANWuerfe},
                       {CBBahnsteuerung, &Einst.CANBahnsteuerung},
                       {CBMannschaftsanzeige, &Einst.CANMannschaftanzeige},
                       {CBNamenanzeige, &Einst.CANNamenanzeige}});
    return s;
}

void TService::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TService::FormActivate()
{
    CEmailAn->clear();
    CEmailAn->addItems(EmailAnListe);
    if (CEmailAn->count() > 0) CEmailAn->setCurrentIndex(0);
    MEmail->hide();
    for (const auto& [box, wert] : schalter()) box->setChecked(*wert);
    protokollKnoepfe();
}

void TService::protokollKnoepfe()
{
    for (QPushButton* b : {BtnMarke, BtnLoeschen, BtnSenden}) b->setEnabled(!MailLaeuft());
}

void TService::BtnMarkeClick() { ProtokollMarke(); }
void TService::BtnLoeschenClick() { ProtokollLeeren(); }
void TService::BtnMailClick() { MEmail->show(); }
void TService::MEmailDblClick() { MEmail->hide(); }

void TService::BtnSendenClick()
{
    const QPointer<TService> selbst(this);
    const bool gesendet =
        ProtokollSenden(CEmailAn->currentText(), MEmail->toPlainText(), [selbst](bool ok, bool mitProtokoll) {
            if (!selbst) return;  // the page was closed meanwhile
            if (ok && mitProtokoll) {
                selbst->MEmail->clear();
                selbst->MEmail->hide();
            }
            selbst->protokollKnoepfe();
        });
    if (gesendet && selbst) protokollKnoepfe();
}

void TService::BtnOkClick()
{
    for (const auto& [box, wert] : schalter()) *wert = box->isChecked();
    if (ServiceUebernehmen()) accept();
}

void TService::LUpdateClick()
{
    UpdateSuchen([selbst = QPointer<TService>(this), beenden = m_programmBeenden] {
        if (selbst) selbst->reject();
        if (beenden) beenden();
    });
}

void TService::LServiceseiteClick() { ServiceseiteOeffnen(); }

bool TService::eventFilter(QObject* o, QEvent* e)
{
    if (o == MEmail->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        MEmailDblClick();
        return true;
    }
    if (o != LUpdate && o != LServiceseite) return QDialog::eventFilter(o, e);
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(o, e);
    const auto* maus = static_cast<QMouseEvent*>(e);
    if (maus->button() != Qt::LeftButton) return QDialog::eventFilter(o, e);
    if (e->type() == QEvent::MouseButtonPress) {
        KlickSoundSpielen();
    } else if (static_cast<QWidget*>(o)->rect().contains(maus->position().toPoint())) {
        if (o == LUpdate)
            LUpdateClick();
        else
            LServiceseiteClick();
    }
    return true;
}
