#include "match/ui/Druckerport.h"

#include "core/Globals.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QComboBox* auswahl(QWidget* eltern, const char* name, const QStringList& eintraege = {})
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(eintraege);
    return c;
}

QLineEdit* feld(QWidget* eltern, const char* name)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

void zeile(QGridLayout* raster, int z, const QString& text, QWidget* w)
{
    auto* l = new QLabel(text, w->parentWidget());
    l->setBuddy(w);
    raster->addWidget(l, z, 0);
    raster->addWidget(w, z, 1);
}

const QStringList SeriellModi = {QStringLiteral("kein Handshake"), QStringLiteral("CTS prüfen")};
const QStringList ParallelModi = {QStringLiteral("kein Statustest"), QStringLiteral("Druckerstatus prüfen")};

void modiSetzen(QComboBox* c, const QStringList& modi)
{
    if (c->count() == modi.size() && c->itemText(0) == modi.first()) return;
    c->clear();
    c->addItems(modi);
}

// The item with the number's text; none when there is no such item.
void nachText(QComboBox* c, int wert) { c->setCurrentIndex(c->findText(QString::number(wert))); }

}  // namespace

TDruckerPort::TDruckerPort(DruckerportArbeitskopie& opt, QWidget* eltern) : QDialog(eltern), Opt(opt)
{
    setWindowTitle(QStringLiteral("Druckerport"));
    HintergrundSetzen(this, u"ColorHinweis");

    TBarMain = new QToolBar(this);
    TBarMain->setObjectName(QStringLiteral("TBarMain"));
    auto* gruppe = new QButtonGroup(this);
    for (int p = 1; p <= 4; ++p) {
        auto* k = new QToolButton(TBarMain);
        k->setObjectName(QStringLiteral("SBtnDrucker%1").arg(p));
        k->setText(QStringLiteral("Drucker %1").arg(p));
        k->setCheckable(true);
        gruppe->addButton(k, p);
        TBarMain->addWidget(k);
        m_druckerKnoepfe[p - 1] = k;
        connect(k, &QToolButton::clicked, this, [this, p] { SBtnDruckerClick(p); });
    }
    SBtnDrucker1 = m_druckerKnoepfe[0];
    SBtnDrucker2 = m_druckerKnoepfe[1];
    SBtnDrucker3 = m_druckerKnoepfe[2];
    SBtnDrucker4 = m_druckerKnoepfe[3];

    CSchnittstelle = auswahl(this, "CSchnittstelle",
                             {"keine", "LPT1", "LPT2", "LPT3", "LPT4", "COM1", "COM2", "COM3", "COM4"});
    CBaud = auswahl(this, "CBaud", {"19200", "9600", "7200", "4800", "3600", "2400", "1200"});
    CDatenbit = auswahl(this, "CDatenbit", {"5", "6", "7", "8"});
    CParity = auswahl(this, "CParity",
                      {"keine", "gerade", "ungerade", "gerade invertiert", "ungerade invertiert"});
    CStopbit = auswahl(this, "CStopbit", {"1", "2"});
    CMode = auswahl(this, "CMode", SeriellModi);
    ETimer = feld(this, "ETimer");
    CEmulation = auswahl(this, "CEmulation", {"Epson LQ", "Epson FX 850"});

    GBDrBahnen = new QGroupBox(this);
    GBDrBahnen->setObjectName(QStringLiteral("GBDrBahnen"));
    CDrBahnVon = auswahl(GBDrBahnen, "CDrBahnVon");
    CDrBahnBis = auswahl(GBDrBahnen, "CDrBahnBis");
    auto* bahnen = new QHBoxLayout(GBDrBahnen);
    bahnen->addWidget(CDrBahnVon);
    bahnen->addWidget(new QLabel(QStringLiteral("bis"), GBDrBahnen));
    bahnen->addWidget(CDrBahnBis);
    bahnen->addWidget(new QLabel(QStringLiteral("druckt"), GBDrBahnen));

    GBSonderzeichen = new QGroupBox(this);
    GBSonderzeichen->setObjectName(QStringLiteral("GBSonderzeichen"));
    CSonderzeichen = auswahl(GBSonderzeichen, "CSonderzeichen", {"Ä", "Ö", "Ü", "ä", "ö", "ü", "ß"});
    ESonderzeichen = feld(GBSonderzeichen, "ESonderzeichen");
    auto* zeichen = new QHBoxLayout(GBSonderzeichen);
    auto* zeichenLabel = new QLabel(QStringLiteral("Sonderzeichen:"), GBSonderzeichen);
    zeichenLabel->setBuddy(CSonderzeichen);
    zeichen->addWidget(zeichenLabel);
    zeichen->addWidget(CSonderzeichen);
    zeichen->addWidget(ESonderzeichen);

    GBPapiervorschub = new QGroupBox(QStringLiteral("Papiervorschub"), this);
    GBPapiervorschub->setObjectName(QStringLiteral("GBPapiervorschub"));
    EStartFeed = feld(GBPapiervorschub, "EStartFeed");
    EEndFeed = feld(GBPapiervorschub, "EEndFeed");
    EPageLength = feld(GBPapiervorschub, "EPageLength");
    CBFormFeed = new QCheckBox(QStringLiteral("    Form Feed verwenden"), GBPapiervorschub);
    CBFormFeed->setObjectName(QStringLiteral("CBFormFeed"));
    auto* vorschub = new QGridLayout(GBPapiervorschub);
    zeile(vorschub, 0, QStringLiteral("Blattanfang:"), EStartFeed);
    zeile(vorschub, 1, QStringLiteral("Blattende:"), EEndFeed);
    zeile(vorschub, 2, QStringLiteral("Seitenlänge:"), EPageLength);
    vorschub->addWidget(CBFormFeed, 3, 0, 1, 2);

    auto* port = new QGridLayout;
    const std::pair<const char*, QWidget*> felder[] = {
        {"Schnittstelle:", CSchnittstelle}, {"Baud:", CBaud},   {"Datenbit:", CDatenbit}, {"Parity:", CParity},
        {"Stoppbit:", CStopbit},            {"Mode:", CMode},   {"Timer:", ETimer},       {"Modus:", CEmulation},
    };
    int z = 0;
    for (const auto& [text, w] : felder) zeile(port, z++, QString::fromUtf8(text), w);

    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnTest = BoxKnopf(this, QStringLiteral("BtnTest"), QStringLiteral("&Test"));
    BtnAbbruch = BoxKnopf(this, QStringLiteral("BtnAbbruch"), QStringLiteral("&Abbrechen"));
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(BtnOk, QDialogButtonBox::AcceptRole);
    knoepfe->addButton(BtnTest, QDialogButtonBox::ActionRole);
    knoepfe->addButton(BtnAbbruch, QDialogButtonBox::RejectRole);
    connect(BtnOk, &QPushButton::clicked, this, &TDruckerPort::BtnOkClick);
    connect(BtnTest, &QPushButton::clicked, this, &TDruckerPort::BtnTestClick);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);

    connect(CSchnittstelle, &QComboBox::activated, this, &TDruckerPort::CSchnittstelleChange);
    connect(CSonderzeichen, &QComboBox::activated, this, &TDruckerPort::CSonderzeichenClick);
    connect(ESonderzeichen, &QLineEdit::textEdited, this, &TDruckerPort::ESonderzeichenChange);
    for (QLineEdit* e : {ETimer, EStartFeed, EEndFeed, EPageLength})
        connect(e, &QLineEdit::textEdited, this, [this, e] { EditChange(e); });

    // The on-screen keyboard steps through the timer alone, the three feeds,
    // and the letter code alone; what it writes back arrives as typed.
    auto* timerFeld = new TastaturFelder(this, 256, 256);
    timerFeld->feld(256, QStringLiteral("Timer:"), ModusZiffern, ETimer);
    auto* feedFelder = new TastaturFelder(this, 257, 259);
    feedFelder->feld(257, QStringLiteral("LineFeed Papieranfang:"), ModusZiffern, EStartFeed);
    feedFelder->feld(258, QStringLiteral("LineFeed Papierende:"), ModusZiffern, EEndFeed);
    feedFelder->feld(259, QStringLiteral("Seitenlänge:"), ModusZiffern, EPageLength);
    auto* zeichenFeld = new TastaturFelder(this, 260, 260);
    zeichenFeld->feld(260, QStringLiteral("Sonderzeichen:"), ModusText, ESonderzeichen);
    connect(CBFormFeed, &QCheckBox::clicked, this, [this](bool an) { Opt.Drucker[AktDrucker].FormFeed = an; });

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(GBDrBahnen);
    rechts->addWidget(GBSonderzeichen);
    rechts->addWidget(GBPapiervorschub);
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(port);
    mitte->addLayout(rechts);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(TBarMain);
    spalte->addLayout(mitte);
    spalte->addWidget(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

// Each activation starts again at printer 1.
void TDruckerPort::showEvent(QShowEvent* event)
{
    const int bahnen = BahnAnzahl;
    for (QComboBox* c : {CDrBahnVon, CDrBahnBis}) {
        c->clear();
        for (int b = 1; b <= BekannteBahnanzahl(bahnen); ++b) c->addItem(QStringLiteral("Bahn %1").arg(b));
    }
    AktDrucker = 1;
    SBtnDrucker1->setChecked(true);
    CSchnittstelle->setCurrentIndex(Opt.Drucker[1].Schnittstelle);
    CSchnittstelleChange();
    CSonderzeichen->setCurrentIndex(0);
    CSonderzeichenClick();
    QDialog::showEvent(event);
}

void TDruckerPort::mousePressEvent(QMouseEvent* event)
{
    KlickSoundSpielen();
    QDialog::mousePressEvent(event);
}

// Shows the values of AktDrucker for the port selected on screen.
void TDruckerPort::CSchnittstelleChange()
{
    const int n = CSchnittstelle->currentIndex();
    if (n <= 0) {
        for (QComboBox* c : {CBaud, CDatenbit, CStopbit, CParity, CMode}) c->setCurrentIndex(-1);
        return;
    }
    const TZentralDrucker& d = Opt.Drucker[AktDrucker];
    // The copies hold the lane lists' indices; one beyond the list selects none.
    CDrBahnVon->setCurrentIndex(d.DrBahnVon < CDrBahnVon->count() ? d.DrBahnVon : -1);
    CDrBahnBis->setCurrentIndex(d.DrBahnBis < CDrBahnBis->count() ? d.DrBahnBis : -1);
    CEmulation->setCurrentIndex(d.Emulation < CEmulation->count() ? d.Emulation : -1);
    ETimer->setText(QString::number(d.DrTimer));
    if (n >= 5) {
        nachText(CBaud, d.ComBaud);
        nachText(CDatenbit, d.ComDatenbit);
        nachText(CStopbit, d.ComStopbit);
        CParity->setCurrentIndex(d.ComParity < CParity->count() ? d.ComParity : -1);
        modiSetzen(CMode, SeriellModi);
        CMode->setCurrentIndex(d.ComMode < 2 ? d.ComMode : -1);
    } else {
        for (QComboBox* c : {CBaud, CDatenbit, CStopbit, CParity}) c->setCurrentIndex(-1);
        modiSetzen(CMode, ParallelModi);
        CMode->setCurrentIndex(d.LptMode < 2 ? d.LptMode : -1);
    }
    // Shown for both port kinds, so that a printer never takes over the
    // feeds of the one shown before.
    EStartFeed->setText(QString::number(d.StartFeed));
    EEndFeed->setText(QString::number(d.EndFeed));
    EPageLength->setText(QString::number(d.PageLength));
    CBFormFeed->setChecked(d.FormFeed);
}

// The values on screen into the working copies of AktDrucker; a list
// without a selection leaves its value as it was.
void TDruckerPort::Speichern()
{
    TZentralDrucker& d = Opt.Drucker[AktDrucker];
    const int n = CSchnittstelle->currentIndex();
    if (n < 0) return;
    d.Schnittstelle = static_cast<u8>(n);
    if (n == 0) return;
    auto index = [](QComboBox* c, auto& ziel) {
        if (c->currentIndex() >= 0) ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(c->currentIndex());
    };
    auto text = [](QComboBox* c, auto& ziel) {
        if (c->currentIndex() >= 0) ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(c->currentText().toInt());
    };
    index(CDrBahnVon, d.DrBahnVon);
    index(CDrBahnBis, d.DrBahnBis);
    d.DrTimer = static_cast<u16>(DruckerportZahl(ETimer->text()));
    index(CEmulation, d.Emulation);
    d.StartFeed = static_cast<i32>(DruckerportZahl(EStartFeed->text()));
    d.EndFeed = static_cast<i32>(DruckerportZahl(EEndFeed->text()));
    d.PageLength = static_cast<i32>(DruckerportZahl(EPageLength->text()));
    d.FormFeed = CBFormFeed->isChecked();
    if (n >= 5) {
        text(CBaud, d.ComBaud);
        text(CDatenbit, d.ComDatenbit);
        text(CStopbit, d.ComStopbit);
        index(CParity, d.ComParity);
        index(CMode, d.ComMode);
    } else {
        index(CMode, d.LptMode);
    }
}

void TDruckerPort::SBtnDruckerClick(int drucker)
{
    Speichern();
    AktDrucker = drucker;
    const QSignalBlocker sperre(CSchnittstelle);
    CSchnittstelle->setCurrentIndex(Opt.Drucker[drucker].Schnittstelle);
    CSchnittstelleChange();
}

void TDruckerPort::BtnOkClick()
{
    Speichern();
    accept();
}

void TDruckerPort::BtnTestClick()
{
    Speichern();
    DruckertestSenden(Opt, AktDrucker);
}

void TDruckerPort::EditChange(QLineEdit* edit)
{
    TZentralDrucker& d = Opt.Drucker[AktDrucker];
    const std::int64_t wert = DruckerportZahl(edit->text());
    if (edit == ETimer)
        d.DrTimer = static_cast<u16>(wert);
    else if (edit == EStartFeed)
        d.StartFeed = static_cast<i32>(wert);
    else if (edit == EEndFeed)
        d.EndFeed = static_cast<i32>(wert);
    else if (edit == EPageLength)
        d.PageLength = static_cast<i32>(wert);
}

void TDruckerPort::CSonderzeichenClick()
{
    const int i = CSonderzeichen->currentIndex();
    if (i < 0) return;
    ESonderzeichen->setText(SonderzeichenText(Opt.Sonderzeichen[static_cast<std::size_t>(i)]));
}

void TDruckerPort::ESonderzeichenChange()
{
    const int i = CSonderzeichen->currentIndex();
    if (i < 0) return;
    Opt.Sonderzeichen[static_cast<std::size_t>(i)] = static_cast<u8>(DruckerportZahl(ESonderzeichen->text()));
}
