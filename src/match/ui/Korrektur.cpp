#include "match/ui/Korrektur.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Eingabe.h"
#include "core/ui/Keyb.h"
#include "core/ui/Tastaturfelder.h"
#include "match/lanes/Bahnfenster.h"

#include <QApplication>
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

// A throw field holds one character per throw at its place.
void WurftextSetzen(QLineEdit* feld, const QString& text, int caret)
{
    feld->setText(text);
    feld->setModified(true);
    feld->setCursorPosition(caret);
}

// A digit overwrites the throw under the caret (a selection turns blank
// first); past the last throw it adds one, as far as the field allows.
void WurfTippen(QLineEdit* feld, QChar c)
{
    QString t = feld->text();
    int von = feld->cursorPosition();
    if (feld->hasSelectedText()) {
        von = feld->selectionStart();
        const int n = int(feld->selectedText().size());
        t.replace(von, n, QString(n, QLatin1Char(' ')));
    }
    if (von < t.size())
        t[von] = c;
    else if (t.size() < feld->maxLength())
        t.append(c);
    else
        return;
    WurftextSetzen(feld, t, von + 1);
}

// Deleting leaves a blank, which changes no throw.
void WurfLoeschen(QLineEdit* feld, bool zurueck)
{
    QString t = feld->text();
    int von = feld->cursorPosition(), n = 1;
    if (feld->hasSelectedText())
        von = feld->selectionStart(), n = int(feld->selectedText().size());
    else if (zurueck)
        --von;
    if (von < 0 || von >= t.size()) return;
    t.replace(von, n, QString(n, QLatin1Char(' ')));
    WurftextSetzen(feld, t, von);
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
    for (QLineEdit* e : {EVolle, EAbr}) {
        e->setContextMenuPolicy(Qt::NoContextMenu);
        e->setAcceptDrops(false);
    }

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

    // What the refresh hides keeps its room: no control moves under the pointer.
    for (QWidget* w : std::initializer_list<QWidget*>{GBKorrektur, GBErsatz, SSpielStart, SZeitStart, SZeitStop, EVolle,
                                                      EAbr, ImageStop, ImageStopaus}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }

    // Every press on a control plays the click sound (the shapes do it themselves).
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<TKorrekturFlaeche*>(w) && (qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w)))
            w->installEventFilter(this);

    // The keyboard steps through the player fields; a throw field it edits
    // alone, with the caret on its last throw and every throw at its place.
    // The range is the tapped field's (set on the press, see eventFilter).
    m_tastatur = new TastaturFelder(this, CodeName, CodeGeb);
    m_tastatur->feld(CodeName, QStringLiteral("Name:"), ModusText, EName);
    m_tastatur->feld(CodePass, QStringLiteral("Passnummer:"), ModusZiffern, EPass);
    m_tastatur->feld(CodeGeb, QStringLiteral("Geburtsdatum:"), ModusDatum, EGeb);
    const auto wurffeld = [this](u16 code, const QString& prompt, QLineEdit* e) {
        Tastaturfeld f;
        f.code = code;
        f.prompt = prompt;
        f.modus = ModusZiffern;
        f.lesen = [e] { return e->text(); };
        f.schreiben = [e](const QString& t) { FeldSchreiben(e, t); };
        f.maxLaenge = [e] { return e->maxLength(); };
        f.caretVorEnde = true;
        f.festeStellen = true;
        m_tastatur->feld(f, e);
    };
    wurffeld(CodeVolle, QStringLiteral("Korrektur Volle:"), EVolle);
    wurffeld(CodeAbr, QStringLiteral("Korrektur Abräumen:"), EAbr);

    const auto befehl = [this](TKorrekturFlaeche* s, auto f) {
        connect(s, &TKorrekturFlaeche::geklickt, this, [this, f] {
            f();
            accept();
        });
    };
    // A command on the lane's part acts only while the lane plays the part shown.
    const auto teilBefehl = [this](TKorrekturFlaeche* s, auto f) {
        connect(s, &TKorrekturFlaeche::geklickt, this, [this, f] {
            if (TeilPruefen(m_bahn, m_gezeigt.teil)) f();
            accept();
        });
    };
    teilBefehl(SStart, [this] { KorrekturRahmenSenden(ProbeBeenden(m_bahn)); });
    teilBefehl(SStop, [this] { KorrekturRahmenSenden(BahnStopStart(m_bahn, m_gezeigt.stopBildSichtbar)); });
    teilBefehl(SAbbrechen, [this] { KorrekturRahmenSenden(DurchgangAbbrechen(m_bahn)); });
    befehl(SSpielStart, [this] { SpielStartStop(m_bahn); });
    befehl(SZeitStart, [this] { KorrekturRahmenSenden(ZeitStartStop(m_bahn, true)); });
    befehl(SZeitStop, [this] { KorrekturRahmenSenden(ZeitStartStop(m_bahn, false)); });
    teilBefehl(SVerwarnung, [this] {
        hide();
        KorrekturRahmenSenden(VerwarnungGeben(m_bahn));
    });
    teilBefehl(SLVerwLoeschen, [this] {
        hide();
        KorrekturRahmenSenden(VerwarnungLoeschen(m_bahn));
    });
    teilBefehl(SWurfNicht, [this] {
        hide();
        WurfZaehltNicht(m_bahn);
    });
    teilBefehl(SWurfNull, [this] {
        hide();
        Fehlwurf(m_bahn);
    });
    befehl(SWurfzeit, [this] {
        KorrekturRahmenSenden(WurfzeitAnfragen(m_bahn));
        const EingabeAnfrage anfrage = WurfzeitEingabe(m_bahn);
        m_wurfzeitText = anfrage.text;
        m_wurfzeitOffen = true;
        const auto text = boxen().eingabe(anfrage);
        m_wurfzeitOffen = false;
        // Only a value the operator changed goes to the lane.
        if (text && *text != m_wurfzeitText) KorrekturRahmenSenden(WurfzeitSetzen(m_bahn, *text));
    });
    connect(SErsatz1, &TKorrekturFlaeche::geklickt, this, [this] { ErsatzClick(1); });
    connect(SErsatz2, &TKorrekturFlaeche::geklickt, this, [this] { ErsatzClick(2); });
    for (QPushButton* b : {BtnAusbessernPCBahn, BtnAusbessernPC, BtnAusbessernBahn})
        connect(b, &QPushButton::clicked, this, &TKorrektur::AusbessernClick);

    connect(EName, &QLineEdit::textEdited, this,
            [this](const QString& t) { SpielerfeldAendern(m_bahn, m_gezeigt.teil, Spielerfeld::Name, t); });
    connect(EName, &QLineEdit::editingFinished, this, [this] { SpielernameVerlassen(m_bahn, m_gezeigt.teil); });
    connect(EPass, &QLineEdit::textEdited, this,
            [this] { SpielerfeldAendern(m_bahn, m_gezeigt.teil, Spielerfeld::Pass, FeldText(EPass)); });
    connect(EGeb, &QLineEdit::textEdited, this,
            [this] { SpielerfeldAendern(m_bahn, m_gezeigt.teil, Spielerfeld::Gebdat, FeldText(EGeb)); });
    // A player field is booked as it is typed; leaving it confirms it.
    for (QLineEdit* e : {EName, EPass, EGeb})
        connect(e, &QLineEdit::editingFinished, this, [e] { e->setModified(false); });

    // The panel is modal: the lane control window runs modally over it.
    connect(BtnBahnsteuerung, &QPushButton::clicked, this, [this] {
        bahnfenster().bahnsteuerungModal(m_bahn);
        KorrekturUp();
    });
    connect(BtnZurueck, &QPushButton::clicked, this, &QDialog::reject);

    KorrekturUp();
    adjustSize();
}

TKorrektur::~TKorrektur()
{
    if (g_offen == this) g_offen = nullptr;
}

TKorrektur* TKorrektur::offen() { return g_offen; }

bool TKorrektur::bearbeitet() const
{
    for (const QLineEdit* e : {EName, EPass, EGeb, EVolle, EAbr})
        if (e->isModified()) return true;
    // The keyboard edits its own copy of a field until it writes it back.
    const auto& ziel = tastaturZustand.TastaturZiel;
    const auto* feld = ziel ? qobject_cast<const QWidget*>(ziel->ziel.data()) : nullptr;
    return feld && isAncestorOf(feld) && qobject_cast<TKeyb*>(QApplication::activeModalWidget());
}

void TKorrektur::KorrekturUp()
{
    wurfzeitNachfuehren();
    KorrekturAnzeige a = KorrekturZustand(m_bahn);
    if (bearbeitet()) {
        // The edit belongs to the part and the throws shown.
        if (!(a.teil == m_gezeigt.teil)) return;
        a.volleSichtbar = m_gezeigt.volleSichtbar;
        a.volleMax = m_gezeigt.volleMax;
        a.volleText = m_gezeigt.volleText;
        a.abrSichtbar = m_gezeigt.abrSichtbar;
        a.abrMax = m_gezeigt.abrMax;
        a.abrText = m_gezeigt.abrText;
    }
    m_gezeigt = a;

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

void TKorrektur::wurfzeitNachfuehren()
{
    // A time the lane reports replaces the open box's value until the
    // operator changes it.
    if (!m_wurfzeitOffen) return;
    auto* box = qobject_cast<TEingabefenster*>(QApplication::activeModalWidget());
    if (!box || box->LEingabe->text() != QStringLiteral("Wurfzeit:") || box->EEingabe->text() != m_wurfzeitText)
        return;
    m_wurfzeitText = WurfzeitEingabe(m_bahn).text;
    box->EEingabe->setText(m_wurfzeitText);
}

void TKorrektur::AusbessernClick()
{
    const QObject* s = sender();
    const Ausbesserung art = s == BtnAusbessernPC     ? Ausbesserung::PC
                             : s == BtnAusbessernBahn ? Ausbesserung::Bahn
                                                      : Ausbesserung::PCBahn;
    hide();
    KorrekturRahmenSenden(Ausbessern(m_bahn, m_gezeigt, EVolle->text().toLatin1(), EAbr->text().toLatin1(), art));
    accept();
}

void TKorrektur::ErsatzClick(int knopf)
{
    // "Nein" or a closed question: the panel stays and nothing changes.
    if (TeilPruefen(m_bahn, m_gezeigt.teil) && !ErsatzEinsetzen(m_bahn, knopf)) return;
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
    if (e->type() == QEvent::MouseButtonPress) {
        KlickSoundSpielen();
        // The keyboard's range for the field that the tap opens.
        if (o == EVolle)
            m_tastatur->bereich(CodeVolle, CodeVolle);
        else if (o == EAbr)
            m_tastatur->bereich(CodeAbr, CodeAbr);
        else if (o == EName || o == EPass || o == EGeb)
            m_tastatur->bereich(CodeName, CodeGeb);
    }
    if ((o == EVolle || o == EAbr) && wurffeldEreignis(static_cast<QLineEdit*>(o), e)) return true;
    return QDialog::eventFilter(o, e);
}

// A throw field's character is its throw: only digits enter, a digit
// overwrites, deleting leaves a blank, and nothing (pasting, cutting, undo,
// deleting words) moves the later throws. True when the event is taken.
bool TKorrektur::wurffeldEreignis(QLineEdit* feld, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: break;
    case QEvent::InputMethod: return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton;
    default: return false;
    }
    const auto* k = static_cast<QKeyEvent*>(e);
    for (QKeySequence::StandardKey s : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
                                        QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
                                        QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        if (k->matches(s)) return true;
    if (k->key() == Qt::Key_Backspace || k->matches(QKeySequence::Backspace)) {
        WurfLoeschen(feld, true);
        return true;
    }
    if (k->key() == Qt::Key_Delete || k->matches(QKeySequence::Delete)) {
        WurfLoeschen(feld, false);
        return true;
    }
    const QString t = k->text();
    if (t.isEmpty() || !t.at(0).isPrint()) return false;  // moving the caret, selecting
    if (t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9')) WurfTippen(feld, t.at(0));
    return true;
}
