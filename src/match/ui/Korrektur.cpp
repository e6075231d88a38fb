#include "match/ui/Korrektur.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/ui/Tastaturfelder.h"
#include "match/lanes/Bahnfenster.h"
#include "match/engine/Korrekturbefehle.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace {

TKorrektur* g_offen = nullptr;

// Keyboard codes of the fields.
constexpr u16 CodeName = 60, CodePass = 61, CodeGeb = 62, CodeVolle = 63, CodeAbr = 64;

void TextSetzen(QLineEdit* e, const QString& text)
{
    if (e->isModified() || e->text() == text) return;
    const QSignalBlocker sperre(e);
    e->setText(text);
}

}  // namespace

TKorrekturFlaeche::TKorrekturFlaeche(const QString& name, QWidget* eltern) : QFrame(eltern)
{
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("TKorrekturFlaeche { border: 1px solid palette(mid); border-radius: 8px;"
                                 " background: palette(button); }"
                                 "TKorrekturFlaeche:disabled { background: palette(window); }"));
    setCursor(Qt::PointingHandCursor);
}

void TKorrekturFlaeche::click()
{
    if (isEnabled()) emit geklickt();
}

void TKorrekturFlaeche::mousePressEvent(QMouseEvent* e)
{
    KlickSoundSpielen();
    e->accept();
}

void TKorrekturFlaeche::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) click();
    e->accept();
}

TKorrekturFlaeche* TKorrektur::flaeche(QWidget* eltern, const QString& name, const QString& text,
                                       const QString& hinweis, QLabel*& label, QLabel*& bild, int icon)
{
    auto* s = new TKorrekturFlaeche(QLatin1Char('S') + name, eltern);
    s->setToolTip(hinweis);
    s->setMinimumHeight(40);
    auto* h = new QHBoxLayout(s);
    h->setContentsMargins(6, 3, 6, 3);
    bild = new QLabel(s);
    bild->setObjectName(QStringLiteral("Image") + name);
    bild->setPixmap(style()->standardIcon(QStyle::StandardPixmap(icon)).pixmap(20, 20));
    label = new QLabel(text, s);
    label->setObjectName(QLatin1Char('L') + name);
    for (QWidget* w : {static_cast<QWidget*>(bild), static_cast<QWidget*>(label)}) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        h->addWidget(w);
    }
    h->addStretch();
    return s;
}

TKorrektur::TKorrektur(QWidget* eltern, int bahn) : QDialog(eltern), m_bahn(bahn)
{
    setObjectName(QStringLiteral("Korrektur"));
    setWindowTitle(QStringLiteral("Korrektur Bahn ") + QString::number(bahn));
    setModal(true);

    auto* haupt = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    haupt->addLayout(oben);

    GBBahn = new QGroupBox(QStringLiteral("Bahn"), this);
    GBBahn->setObjectName(QStringLiteral("GBBahn"));
    auto* lb = new QVBoxLayout(GBBahn);
    SStart = flaeche(GBBahn, QStringLiteral("Start"), QStringLiteral("Probe beenden"), QStringLiteral("Bahn starten"),
                     LStart, ImageStart, QStyle::SP_MediaPlay);
    SStop = flaeche(GBBahn, QStringLiteral("Stopaus"), QStringLiteral("Bahn Stop"), QStringLiteral("Bahn stoppen"), LStop,
                    ImageStopaus, QStyle::SP_MediaPlay);
    LStop->setObjectName(QStringLiteral("LStop"));
    SStop->setObjectName(QStringLiteral("SStop"));
    ImageStop = new QLabel(SStop);
    ImageStop->setObjectName(QStringLiteral("ImageStop"));
    ImageStop->setPixmap(style()->standardIcon(QStyle::SP_MediaStop).pixmap(20, 20));
    ImageStop->setAttribute(Qt::WA_TransparentForMouseEvents);
    static_cast<QHBoxLayout*>(SStop->layout())->insertWidget(0, ImageStop);
    SAbbrechen = flaeche(GBBahn, QStringLiteral("Abbrechen"), QStringLiteral("Durchg beenden"),
                         QStringLiteral("Durchgang abbrechen"), LAbbrechen, ImageAbbrechen, QStyle::SP_DialogCancelButton);
    for (QWidget* w : {SStart, SStop, SAbbrechen}) lb->addWidget(w);
    oben->addWidget(GBBahn);

    GBSpiel = new QGroupBox(QStringLiteral("Spiel"), this);
    GBSpiel->setObjectName(QStringLiteral("GBSpiel"));
    auto* ls = new QVBoxLayout(GBSpiel);
    SSpielStart = flaeche(GBSpiel, QStringLiteral("SpielStart"), QStringLiteral("Spiel Start"),
                          QStringLiteral("Spiel starten"), LSpielStart, ImageSpielStart, QStyle::SP_MediaSeekForward);
    SZeitStart = flaeche(GBSpiel, QStringLiteral("ZeitStart"), QStringLiteral("Zeit Start"),
                         QStringLiteral("Zeit auf allen Bahnen starten"), LZeitStart, ImageZeitStart, QStyle::SP_MediaPlay);
    SZeitStop = flaeche(GBSpiel, QStringLiteral("ZeitStop"), QStringLiteral("Zeit Stop"),
                        QStringLiteral("Zeit auf allen Bahnen stoppen"), LZeitStop, ImageZeitStop, QStyle::SP_MediaPause);
    for (QWidget* w : {SSpielStart, SZeitStart, SZeitStop}) ls->addWidget(w);
    oben->addWidget(GBSpiel);

    auto* rechts = new QVBoxLayout;
    oben->addLayout(rechts);
    GBSpieler = new QGroupBox(QStringLiteral("Spieler"), this);
    GBSpieler->setObjectName(QStringLiteral("GBSpieler"));
    auto* lp = new QVBoxLayout(GBSpieler);
    EName = new QLineEdit(GBSpieler);
    EName->setObjectName(QStringLiteral("EName"));
    EName->setMaxLength(24);
    EName->setToolTip(QStringLiteral("Spielernamen ändern"));
    EPass = new QLineEdit(GBSpieler);
    EPass->setObjectName(QStringLiteral("EPass"));
    EPass->setInputMask(QStringLiteral("000000; "));
    EPass->setToolTip(QStringLiteral("Passnummer ändern"));
    EGeb = new QLineEdit(GBSpieler);
    EGeb->setObjectName(QStringLiteral("EGeb"));
    EGeb->setInputMask(QStringLiteral("99.99.99; "));
    EGeb->setToolTip(QStringLiteral("Geburtsdatum ändern"));
    auto* passGeb = new QHBoxLayout;
    passGeb->addWidget(EPass);
    passGeb->addWidget(EGeb);
    lp->addWidget(EName);
    lp->addLayout(passGeb);
    rechts->addWidget(GBSpieler);

    GBErsatz = new QGroupBox(QStringLiteral("Ersatzspieler"), this);
    GBErsatz->setObjectName(QStringLiteral("GBErsatz"));
    auto* le = new QVBoxLayout(GBErsatz);
    QLabel* ohneBild = nullptr;
    SErsatz1 = flaeche(GBErsatz, QStringLiteral("Ersatz1"), QString(), QStringLiteral("ersten Ersatzspieler einsetzen"),
                       LErsatz1, ohneBild, QStyle::SP_ArrowRight);
    delete ohneBild;
    SErsatz2 = flaeche(GBErsatz, QStringLiteral("Ersatz2"), QString(), QStringLiteral("zweiten Ersatzspieler einsetzen"),
                       LErsatz2, ohneBild, QStyle::SP_ArrowRight);
    delete ohneBild;
    SErsatz1->setProperty("Tag", 7);
    SErsatz2->setProperty("Tag", 8);
    le->addWidget(SErsatz1);
    le->addWidget(SErsatz2);
    rechts->addWidget(GBErsatz);

    GBKorrektur = new QGroupBox(QStringLiteral("Korrektur"), this);
    GBKorrektur->setObjectName(QStringLiteral("GBKorrektur"));
    auto* lk = new QGridLayout(GBKorrektur);
    EVolle = new QLineEdit(GBKorrektur);
    EVolle->setObjectName(QStringLiteral("EVolle"));
    EAbr = new QLineEdit(GBKorrektur);
    EAbr->setObjectName(QStringLiteral("EAbr"));
    for (QLineEdit* e : {EVolle, EAbr}) {
        e->setMaxLength(24);
        e->setMinimumWidth(420);
        e->setFont(QFont(QStringLiteral("Monospace"), 11));
        e->installEventFilter(this);
    }
    lk->addWidget(new QLabel(QStringLiteral("Volle"), GBKorrektur), 0, 0);
    lk->addWidget(EVolle, 0, 1, 1, 4);
    lk->addWidget(new QLabel(QStringLiteral("Abräumen"), GBKorrektur), 1, 0);
    lk->addWidget(EAbr, 1, 1, 1, 4);
    BtnAusbessernPCBahn = new QPushButton(QStringLiteral("PC + Bahn"), GBKorrektur);
    BtnAusbessernPCBahn->setObjectName(QStringLiteral("BtnAusbessernPCBahn"));
    BtnAusbessernPCBahn->setToolTip(QStringLiteral("korrigierte Würfe am PC und an der Bahn übernehmen"));
    BtnAusbessernPC = new QPushButton(QStringLiteral("nur PC"), GBKorrektur);
    BtnAusbessernPC->setObjectName(QStringLiteral("BtnAusbessernPC"));
    BtnAusbessernPC->setToolTip(QStringLiteral("nur am PC korrigieren"));
    BtnAusbessernBahn = new QPushButton(QStringLiteral("nur Bahn"), GBKorrektur);
    BtnAusbessernBahn->setObjectName(QStringLiteral("BtnAusbessernBahn"));
    BtnAusbessernBahn->setToolTip(QStringLiteral("nur an der Bahn korrigieren"));
    lk->addWidget(BtnAusbessernPCBahn, 2, 1);
    lk->addWidget(BtnAusbessernPC, 2, 2);
    lk->addWidget(BtnAusbessernBahn, 2, 3);
    SWurfzeit = flaeche(GBKorrektur, QStringLiteral("Wurfzeit"), QStringLiteral("Wurfzeit"),
                        QStringLiteral("Wurfzeit in Minuten"), LWurfzeit, ImageWurfzeit, QStyle::SP_BrowserReload);
    SVerwarnung = flaeche(GBKorrektur, QStringLiteral("Verwarnung"), QStringLiteral("Verwarnung"),
                          QStringLiteral("Verwarnung geben"), LVerwarnung, ImageVerwarnung, QStyle::SP_MessageBoxWarning);
    SLVerwLoeschen = flaeche(GBKorrektur, QStringLiteral("LVerwLoeschen"), QStringLiteral("Verwarnung löschen"),
                             QStringLiteral("Verwarnung zurücknehmen"), LVerwLoeschen, ImageLVerwLoeschen,
                             QStyle::SP_DialogResetButton);
    SLVerwLoeschen->setObjectName(QStringLiteral("SLVerwLoeschen"));
    LVerwLoeschen->setObjectName(QStringLiteral("LVerwLoeschen"));
    SWurfNicht = flaeche(GBKorrektur, QStringLiteral("WurfNicht"), QStringLiteral("Wurf zählt nicht"),
                         QStringLiteral("letzter Wurf zählt nicht"), LWurfNicht, ImageWurfNicht, QStyle::SP_DialogNoButton);
    SWurfNull = flaeche(GBKorrektur, QStringLiteral("WurfNull"), QStringLiteral("Fehlwurf"),
                        QStringLiteral("letzter Wurf war ein Fehlwurf"), LWurfNull, ImageWurfNull, QStyle::SP_DialogDiscardButton);
    auto* befehle = new QHBoxLayout;
    for (QWidget* w : {SWurfzeit, SVerwarnung, SLVerwLoeschen, SWurfNicht, SWurfNull}) befehle->addWidget(w);
    lk->addLayout(befehle, 3, 0, 1, 5);
    haupt->addWidget(GBKorrektur);

    auto* unten = new QHBoxLayout;
    BtnBahnsteuerung = new QPushButton(QStringLiteral("&Bahnsteuerung"), this);
    BtnBahnsteuerung->setObjectName(QStringLiteral("BtnBahnsteuerung"));
    BtnBahnsteuerung->setToolTip(QStringLiteral("Bahnsteuerung aufrufen"));
    BtnZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    BtnZurueck->setObjectName(QStringLiteral("BtnZurueck"));
    BtnZurueck->setToolTip(QStringLiteral("Korrekturansicht beenden"));
    BtnZurueck->setDefault(true);
    unten->addWidget(BtnBahnsteuerung);
    unten->addStretch();
    unten->addWidget(BtnZurueck);
    haupt->addLayout(unten);

    // Every press on a control plays the click sound (the shapes do it themselves).
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<TKorrekturFlaeche*>(w) && (qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w)))
            w->installEventFilter(this);

    m_tastatur = new TastaturFelder(this, CodeName, CodeGeb);
    m_tastatur->feld(CodeName, QStringLiteral("Name:"), ModusText, EName);
    m_tastatur->feld(CodePass, QStringLiteral("Pass:"), ModusZiffern, EPass);
    m_tastatur->feld(CodeGeb, QStringLiteral("Geburtsdatum:"), ModusDatum, EGeb);
    m_tastatur->feld(CodeVolle, QStringLiteral("Volle:"), ModusZiffern, EVolle);
    m_tastatur->feld(CodeAbr, QStringLiteral("Abräumen:"), ModusZiffern, EAbr);
    m_tastatur->geoeffnet = [this](QWidget* w) {
        if (w == EVolle) m_tastatur->bereich(CodeVolle, CodeVolle);
        else if (w == EAbr) m_tastatur->bereich(CodeAbr, CodeAbr);
        else m_tastatur->bereich(CodeName, CodeGeb);
    };

    const auto befehl = [this](TKorrekturFlaeche* s, auto f) {
        connect(s, &TKorrekturFlaeche::geklickt, this, [this, f] {
            f();
            accept();
        });
    };
    befehl(SStart, [this] { KorrekturRahmenSenden(ProbeBeenden(m_bahn)); });
    befehl(SStop, [this] { KorrekturRahmenSenden(BahnStopStart(m_bahn)); });
    befehl(SAbbrechen, [this] { KorrekturRahmenSenden(DurchgangAbbrechen(m_bahn)); });
    befehl(SSpielStart, [this] { SpielStartStop(m_bahn); });
    befehl(SZeitStart, [this] { KorrekturRahmenSenden(ZeitStartStop(m_bahn, true)); });
    befehl(SZeitStop, [this] { KorrekturRahmenSenden(ZeitStartStop(m_bahn, false)); });
    befehl(SVerwarnung, [this] {
        hide();
        KorrekturRahmenSenden(VerwarnungGeben(m_bahn));
    });
    befehl(SLVerwLoeschen, [this] {
        hide();
        KorrekturRahmenSenden(VerwarnungLoeschen(m_bahn));
    });
    befehl(SWurfNicht, [this] {
        hide();
        WurfZaehltNicht(m_bahn);
    });
    befehl(SWurfNull, [this] {
        hide();
        Fehlwurf(m_bahn);
    });
    befehl(SWurfzeit, [this] {
        KorrekturRahmenSenden(WurfzeitAnfragen(m_bahn));
        if (const auto text = boxen().eingabe(WurfzeitEingabe(m_bahn)))
            KorrekturRahmenSenden(WurfzeitSetzen(m_bahn, *text));
    });
    connect(SErsatz1, &TKorrekturFlaeche::geklickt, this, [this] { ErsatzClick(1); });
    connect(SErsatz2, &TKorrekturFlaeche::geklickt, this, [this] { ErsatzClick(2); });
    for (QPushButton* b : {BtnAusbessernPCBahn, BtnAusbessernPC, BtnAusbessernBahn})
        connect(b, &QPushButton::clicked, this, &TKorrektur::AusbessernClick);

    connect(EName, &QLineEdit::textEdited, this,
            [this](const QString& t) { SpielerfeldAendern(m_bahn, Spielerfeld::Name, t); });
    connect(EName, &QLineEdit::editingFinished, this, [this] { SpielernameVerlassen(m_bahn); });
    connect(EPass, &QLineEdit::textEdited, this,
            [this] { SpielerfeldAendern(m_bahn, Spielerfeld::Pass, FeldText(EPass)); });
    connect(EGeb, &QLineEdit::textEdited, this,
            [this] { SpielerfeldAendern(m_bahn, Spielerfeld::Gebdat, FeldText(EGeb)); });

    connect(BtnBahnsteuerung, &QPushButton::clicked, this, [this] { bahnfenster().bahnsteuerungZeigen(m_bahn); });
    connect(BtnZurueck, &QPushButton::clicked, this, &QDialog::reject);

    KorrekturUp();
    adjustSize();
}

TKorrektur::~TKorrektur()
{
    if (g_offen == this) g_offen = nullptr;
}

TKorrektur* TKorrektur::offen() { return g_offen; }

void TKorrektur::KorrekturUp()
{
    const KorrekturAnzeige a = KorrekturZustand(m_bahn);

    EVolle->setVisible(a.volleSichtbar);
    EAbr->setVisible(a.abrSichtbar);
    // A throw text being edited keeps its text and length.
    if (!EVolle->isModified()) {
        EVolle->setMaxLength(std::max(a.volleMax, 1));
        TextSetzen(EVolle, a.volleText);
    }
    if (!EAbr->isModified()) {
        EAbr->setMaxLength(std::max(a.abrMax, 1));
        TextSetzen(EAbr, a.abrText);
    }

    TextSetzen(EName, a.name);
    TextSetzen(EPass, a.pass);
    TextSetzen(EGeb, a.gebdat);
    GBSpieler->setEnabled(a.gueltig);

    SWurfNicht->setEnabled(a.letzterWurfAktiv);
    SWurfNull->setEnabled(a.letzterWurfAktiv);

    GBErsatz->setVisible(a.ersatzSichtbar);
    LErsatz1->setText(a.ersatz1Text);
    LErsatz2->setText(a.ersatz2Text);
    SErsatz1->setEnabled(a.ersatz1Aktiv);
    SErsatz2->setEnabled(a.ersatz2Aktiv);

    ImageStop->setVisible(a.stopBildSichtbar);
    ImageStopaus->setVisible(!a.stopBildSichtbar);
    LStop->setText(a.stopText);

    SSpielStart->setVisible(a.spielStartSichtbar);
    LSpielStart->setText(a.spielStartText);
    SZeitStart->setVisible(a.zeitSichtbar);
    SZeitStop->setVisible(a.zeitSichtbar);

    GBKorrektur->setVisible(a.korrekturSichtbar);
}

void TKorrektur::AusbessernClick()
{
    const QObject* s = sender();
    const Ausbesserung art = s == BtnAusbessernPC     ? Ausbesserung::PC
                             : s == BtnAusbessernBahn ? Ausbesserung::Bahn
                                                      : Ausbesserung::PCBahn;
    hide();
    KorrekturRahmenSenden(Ausbessern(m_bahn, EVolle->text().toLatin1(),
                                     EAbr->isVisibleTo(this) ? EAbr->text().toLatin1() : QByteArray(), art));
    accept();
}

void TKorrektur::ErsatzClick(int knopf)
{
    // "Nein" or a closed question: the panel stays and nothing changes.
    if (!ErsatzEinsetzen(m_bahn, knopf)) return;
    accept();
}

void TKorrektur::done(int r)
{
    QDialog::done(r);
    if (fenster().offen(MdiFenster::Wettkampf)) fenster().aktualisieren(MdiFenster::Wettkampf);
    bahnfenster().bahnuebersichtAktualisieren(m_bahn);
    bahnfenster().bahnuebersichtZeigen();
    bahnfenster().bahnsteuerungNachVorn();
}

void TKorrektur::showEvent(QShowEvent* e)
{
    g_offen = this;
    for (QLineEdit* l : {EName, EPass, EGeb, EVolle, EAbr}) l->setModified(false);
    KorrekturUp();
    BtnZurueck->setFocus();
    QDialog::showEvent(e);
}

void TKorrektur::hideEvent(QHideEvent* e)
{
    if (g_offen == this) g_offen = nullptr;
    QDialog::hideEvent(e);
}

bool TKorrektur::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) KlickSoundSpielen();
    if ((o == EVolle || o == EAbr) && e->type() == QEvent::KeyPress) {
        // Only digits enter a throw; other printable keys are refused.
        const auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (!t.isEmpty() && t.at(0).isPrint() && !(t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9')))
            return true;
        // A digit overwrites the throw under the cursor; typed past the
        // last one it adds a throw. Inserting would shift every later throw.
        auto* feld = static_cast<QLineEdit*>(o);
        if (!t.isEmpty() && t.at(0).isDigit() && !feld->hasSelectedText() &&
            feld->cursorPosition() < feld->text().size())
            feld->setSelection(feld->cursorPosition(), 1);
    }
    return QDialog::eventFilter(o, e);
}
