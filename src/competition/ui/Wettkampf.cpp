#include "competition/ui/Wettkampf.h"

#include "competition/Kartenzeitgeber.h"
#include "competition/Spielerdatenbank.h"
#include "competition/Wettbewerb.h"
#include "competition/Wettkampfanzeige.h"
#include "competition/ui/Maskenfeld.h"
#include "competition/ui/WettkampfDatenbank.h"
#include "competition/ui/WettkampfIntern.h"
#include "report/projekte/L8.h"
#include "core/Cp1252.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "core/ui/Farben.h"
#include "core/ui/Tastaturfelder.h"
#include "match/flow/Wettkampfslots.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <vector>

namespace WettkampfIntern {

void grundfarbe(QWidget* w, u32 wert)
{
    QPalette p = w->palette();
    const QColor c = FarbeZuQColor(wert);
    for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) p.setColor(gruppe, QPalette::Base, c);
    w->setPalette(p);
}

void schriftfarbe(QWidget* w, QStringView einstellung)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, FarbeZuQColor(Farbe(einstellung)));
    w->setPalette(p);
}

QLineEdit* textEdit(QWidget* eltern, const char* name, int max)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(max);
    return e;
}

QLineEdit* ziffernEdit(QWidget* eltern, const QString& name, int max)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setMaxLength(max);
    return e;
}

QLineEdit* datumEdit(QWidget* eltern, const QString& name)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    e->setInputMask(QStringLiteral("99.99.99; "));
    MaskenfeldEinrichten(e);
    return e;
}

QByteArray datumAusEdit(const QLineEdit* e) { return Cp1252::encode(e->displayText()); }

}  // namespace WettkampfIntern

namespace {

// WettkampfOptionenAnzeigen with no option bit: only the start plan again.
constexpr int NurStartfolge = 16;

QComboBox* auswahl(QWidget* eltern, const char* name, const QStringList& punkte, bool editierbar = false)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QLatin1String(name));
    c->setEditable(editierbar);
    c->addItems(punkte);
    return c;
}

QString zeilenPrompt(int n, const char* feld)
{
    const bool heim = n <= 8;
    const int k = heim ? n : n - 8;
    if (k <= 6)
        return QStringLiteral("%1spieler%2 - %3:").arg(heim ? u"Heim" : u"Gast").arg(k).arg(QLatin1String(feld));
    return QStringLiteral("Ersatzspieler%1 %2 - %3:").arg(k - 6).arg(heim ? u"Heim" : u"Gast").arg(QLatin1String(feld));
}

}  // namespace

using namespace WettkampfIntern;

TWettkampf::TWettkampf(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Wettkampf"));
    bauen();
    aktionenBauen();
    datenbankAktionenBauen();
    tastaturBauen();
    verbinden();
    datenbankVerbinden();
    listenkomponente();
    exportDateiWaehlen = [this] { return ExportDateiDialog(this); };
    SpielerdatenbankLaden();
    DatenbankFensterSetzen(0);
    // Activated again (from another child window), it becomes the active
    // kind and shows the record anew.
    BeiAktivierung(this, [this] {
        if (!(OffeneFenster & FensterWettkampf) || AktivesFenster == FensterWettkampf) return;
        AktivesFenster = FensterWettkampf;
        if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()); rahmen && !rahmen->isMaximized())
            rahmen->showMaximized();
        aktualisieren();
    });
    OffeneFenster |= FensterWettkampf;
    setSpielerkarteEinlesen([this] { return SpielerkarteEinlesen(); });
}

TWettkampf::~TWettkampf()
{
    GridUebernahme = {};
    SpielerkarteNichtAbwarten();
    setSpielerkarteEinlesen({});
}

// --- Construction ---------------------------------------------------------------------

void TWettkampf::bauen()
{
    HintergrundSetzen(this, u"ColorSpiel");
    // A window lower than its parts need (the database panel open on a small
    // screen) scrolls instead of squeezing the line-up fields.
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    auto* rollen = new QScrollArea(this);
    rollen->setObjectName(QStringLiteral("Rollbereich"));
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    // The window is as wide as its parts; only its height may run short.
    rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollen->viewport()->setAutoFillBackground(false);
    auto* inhalt = new QWidget(rollen);
    inhalt->setObjectName(QStringLiteral("Inhalt"));
    inhalt->setAutoFillBackground(false);
    rollen->setWidget(inhalt);
    rahmen->addWidget(rollen);
    auto* haupt = new QVBoxLayout(inhalt);
    haupt->setContentsMargins(6, 6, 6, 6);
    haupt->setSpacing(6);

    auto* oben = new QHBoxLayout;
    oben->addWidget(datenBauen(), 3);
    oben->addWidget(optionenBauen(), 2);
    haupt->addLayout(oben);

    auto* mitte = new QHBoxLayout;
    GHeim = mannschaftBauen(true);
    GGast = mannschaftBauen(false);
    mitte->addWidget(GHeim);
    mitte->addWidget(GGast);
    haupt->addLayout(mitte);

    // The player database below the line-ups; dragging the splitter under
    // it down opens it.
    haupt->addWidget(datenbankBauen());
    Splitter = new QFrame(this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setFrameShape(QFrame::HLine);
    Splitter->setFixedHeight(6);
    Splitter->setCursor(Qt::SplitVCursor);
    haupt->addWidget(Splitter);
    haupt->addStretch(1);
}

QWidget* TWettkampf::datenBauen()
{
    GSpieldaten = new QGroupBox(QStringLiteral("Spieldaten"), this);
    GSpieldaten->setObjectName(QStringLiteral("GSpieldaten"));
    auto* g = new QGridLayout(GSpieldaten);
    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, GSpieldaten);
        l->setObjectName(QLatin1String(name));
        return l;
    };

    EClub = textEdit(GSpieldaten, "EClub", 30);
    EMannschaft = ziffernEdit(GSpieldaten, QStringLiteral("EMannschaft"), 2);
    EMannschaft->setMaximumWidth(50);
    EGast = textEdit(GSpieldaten, "EGast", 30);
    CKlasse = auswahl(GSpieldaten, "CKlasse", KlasseListe, true);
    CKlasse->lineEdit()->setMaxLength(30);
    EDatum = datumEdit(GSpieldaten, QStringLiteral("EDatum"));
    ESpielnummer = ziffernEdit(GSpieldaten, QStringLiteral("ESpielnummer"), 5);
    // A kind of the list or any typed one.
    CSpielart = auswahl(GSpieldaten, "CSpielart",
                        {QStringLiteral("Clubspiel"), QStringLiteral("Pokalspiel"), QStringLiteral("Länderspiel"),
                         QStringLiteral("CL-League")},
                        true);
    CSpielart->lineEdit()->setMaxLength(20);
    ESchiedsrichter = textEdit(GSpieldaten, "ESchiedsrichter", 30);
    CGruppe = auswahl(GSpieldaten, "CGruppe", GruppeListe, true);
    CGruppe->lineEdit()->setMaxLength(15);
    EText = textEdit(GSpieldaten, "EText", 60);
    BtnUp = new QPushButton(QStringLiteral("▲"), GSpieldaten);
    BtnUp->setObjectName(QStringLiteral("BtnUp"));
    BtnDown = new QPushButton(QStringLiteral("▼"), GSpieldaten);
    BtnDown->setObjectName(QStringLiteral("BtnDown"));
    for (QPushButton* b : {BtnUp, BtnDown}) {
        b->setFixedWidth(28);
        b->setFocusPolicy(Qt::NoFocus);
    }
    BtnUp->setToolTip(QStringLiteral("Zeile 1"));
    BtnDown->setToolTip(QStringLiteral("Zeile 2"));

    QLabel* lClub = label("LClub", QStringLiteral("Club:"));
    QLabel* lMannschaft = label("LMannschaft", QStringLiteral("Mannschaft:"));
    QLabel* lGast = label("LGast", QStringLiteral("Gast:"));
    schriftfarbe(lClub, u"ColorHeaderHeim");
    schriftfarbe(lMannschaft, u"ColorHeaderHeim");
    schriftfarbe(lGast, u"ColorHeaderGast");

    g->addWidget(lClub, 0, 0);
    g->addWidget(EClub, 0, 1);
    g->addWidget(lMannschaft, 0, 2);
    g->addWidget(EMannschaft, 0, 3);
    g->addWidget(lGast, 1, 0);
    g->addWidget(EGast, 1, 1);
    g->addWidget(label("LKlasse", QStringLiteral("Klasse:")), 1, 2);
    g->addWidget(CKlasse, 1, 3);
    g->addWidget(label("LDatum", QStringLiteral("Datum:")), 2, 0);
    g->addWidget(EDatum, 2, 1);
    g->addWidget(label("LSpielnummer", QStringLiteral("Spielnummer:")), 2, 2);
    g->addWidget(ESpielnummer, 2, 3);
    g->addWidget(label("LSpielart", QStringLiteral("Spielart:")), 3, 0);
    g->addWidget(CSpielart, 3, 1);
    g->addWidget(label("LGruppe", QStringLiteral("Gruppe:")), 3, 2);
    g->addWidget(CGruppe, 3, 3);
    g->addWidget(label("LSchiedsrichter", QStringLiteral("Schiedsrichter:")), 4, 0);
    g->addWidget(ESchiedsrichter, 4, 1, 1, 3);
    auto* text = new QHBoxLayout;
    text->addWidget(EText, 1);
    text->addWidget(BtnUp);
    text->addWidget(BtnDown);
    g->addWidget(label("LText", QStringLiteral("Text:")), 5, 0);
    g->addLayout(text, 5, 1, 1, 3);
    g->setColumnStretch(1, 3);
    g->setColumnStretch(3, 2);
    return GSpieldaten;
}

QWidget* TWettkampf::optionenBauen()
{
    auto* box = new QGroupBox(QStringLiteral("Optionen"), this);
    box->setObjectName(QStringLiteral("GOptionen"));
    auto* g = new QGridLayout(box);
    QStringList wurf;
    for (int i = 0;; ++i) {
        const QString zeile = WurfvorwahlZeile(i);
        if (zeile.isEmpty()) break;
        wurf << zeile.section(QLatin1Char(';'), 0, 0);
    }
    CWurf = auswahl(box, "CWurf", wurf);
    CSpieler = auswahl(box, "CSpieler", {QStringLiteral("4 Spieler"), QStringLiteral("5 Spieler"), QStringLiteral("6 Spieler")});
    CBahnen = auswahl(box, "CBahnen", {});
    CArt = auswahl(box, "CArt", {});
    CArt->hide();
    CProbe = auswahl(box, "CProbe", ProbeGrundpunkte() << QStringLiteral("eigene Vorgabe"));
    CZeit = auswahl(box, "CZeit", {QStringLiteral("Zeit aus"), QStringLiteral("Zeit ein")});
    CUebertritt = auswahl(box, "CUebertritt", {QStringLiteral("Übertritt aus"), QStringLiteral("Übertritt ein")});
    CDurchlaeufer = auswahl(box, "CDurchlaeufer", {QStringLiteral("Durchl. aus"), QStringLiteral("Durchl. ein")});
    g->addWidget(CWurf, 0, 0);
    g->addWidget(CSpieler, 0, 1);
    g->addWidget(CBahnen, 1, 0);
    g->addWidget(CProbe, 1, 1);
    g->addWidget(CZeit, 2, 0);
    g->addWidget(CUebertritt, 2, 1);
    g->addWidget(CDurchlaeufer, 3, 0);
    g->addWidget(CArt, 3, 1);
    g->setRowStretch(4, 1);
    return box;
}

void TWettkampf::tastaturBauen()
{
    m_tastatur = new TastaturFelder(this, 2, 58);
    m_tastatur->feld(2, QStringLiteral("Club:"), ModusText, EClub);
    m_tastatur->feld(3, QStringLiteral("Mannschaft:"), ModusZiffern, EMannschaft);
    m_tastatur->feld(4, QStringLiteral("Spielnummer:"), ModusZiffern, ESpielnummer);
    m_tastatur->feld(5, QStringLiteral("Gast:"), ModusText, EGast);
    m_tastatur->feld(6, QStringLiteral("Klasse:"), ModusText, CKlasse);
    m_tastatur->feld(7, QStringLiteral("Datum:"), ModusDatum, EDatum);
    m_tastatur->feld(8, QStringLiteral("Schiedsrichter:"), ModusText, ESchiedsrichter);
    // Code 9 edits greeting line 1, code 10 line 2; each shows its line in EText.
    for (int i : {0, 1}) {
        Tastaturfeld& f = m_textfeld[i];
        f.code = u16(9 + i);
        f.prompt = QStringLiteral("Begrüßungstext Zeile %1:").arg(i + 1);
        f.modus = ModusText;
        f.lesen = [this, i] {
            textzeileZeigen(i);
            return EText->text();
        };
        f.schreiben = [this, i](const QString& t) {
            textzeileZeigen(i);
            FeldSchreiben(EText, t);
        };
        f.maxLaenge = [] { return 60; };
    }
    m_tastatur->feld(m_textfeld[1], EText);
    m_tastatur->feld(m_textfeld[0], EText);
    m_textCode = 9;
    for (int n = 1; n <= MaxSpieler; ++n) {
        m_tastatur->feld(u16(10 + n), zeilenPrompt(n, "Name"), ModusText, name(n));
        m_tastatur->feld(u16(26 + n), zeilenPrompt(n, "Pass"), ModusZiffern, pass(n));
        m_tastatur->feld(u16(42 + n), zeilenPrompt(n, "Geb"), ModusDatum, geb(n));
    }
}

void TWettkampf::verbinden()
{
    using F = Wettkampffeld;
    auto text = [this](QLineEdit* e, F f, auto ziel, bool titel = false, bool menue = false) {
        connect(e, &QLineEdit::textEdited, this, [this, f, ziel, titel, menue](const QString& t) {
            if (feldSchreiben(f, [&](TWettkampfDaten& w) { (w.*ziel).setzenText(t); }) && titel)
                titelAktualisieren(menue);
        });
    };
    text(EClub, F::EClub, &TWettkampfDaten::Club, true, true);
    text(EMannschaft, F::EMannschaft, &TWettkampfDaten::MannschaftNr, true, true);
    text(EGast, F::EGast, &TWettkampfDaten::Gastmannschaft, true);
    text(ESpielnummer, F::ESpielnummer, &TWettkampfDaten::Spielnummer);
    text(ESchiedsrichter, F::ESchiedsrichter, &TWettkampfDaten::Schiedsrichter);
    // A choice box stores the text it shows, also where its list completed
    // what was typed; the fill sets that text under a blocker.
    auto gezeigt = [this](QComboBox* c, F f, auto ziel, std::function<void()> danach = {}) {
        c->setInsertPolicy(QComboBox::NoInsert);
        auto speichern = [this, c, f, ziel, danach] {
            if (feldSchreiben(f, [&](TWettkampfDaten& w) { (w.*ziel).setzenText(c->currentText()); }) && danach) danach();
        };
        connect(c, &QComboBox::editTextChanged, this, speichern);
        connect(c, &QComboBox::activated, this, speichern);
    };
    gezeigt(CKlasse, F::CKlasse, &TWettkampfDaten::Klasse);
    gezeigt(CGruppe, F::CGruppe, &TWettkampfDaten::Gruppe);
    gezeigt(CSpielart, F::CSpielart, &TWettkampfDaten::Spielart,
            [this] { GSpieldaten->setTitle(SpieldatenTitel(*AktWettkampf)); });
    connect(CSpielart, &QComboBox::activated, this, [] { AktSpielerNr = 0; });
    connect(EDatum, &QLineEdit::textEdited, this, [this] {
        feldSchreiben(F::EDatum, [this](TWettkampfDaten& w) { DatumBereinigen(w.Datum, datumAusEdit(EDatum).constData()); });
    });
    connect(EText, &QLineEdit::textEdited, this, [this](const QString& t) {
        feldSchreiben(F::EText, [&](TWettkampfDaten& w) { w.Textzeile[TextzeileIndex + 1].setzenText(t); });
    });
    connect(BtnUp, &QPushButton::clicked, this, [this] { textzeileZeigen(0); });
    connect(BtnDown, &QPushButton::clicked, this, [this] { textzeileZeigen(1); });

    // The option choices (the shared click handler).
    auto option = [this](QComboBox* c, std::function<void(TWettkampfDaten&, int)> wirkung) {
        connect(c, &QComboBox::activated, this, [this, wirkung](int i) {
            if (!AktWettkampf || optionenGesperrt()) return;
            AktSpielerNr = 0;
            FeldGeschrieben(*AktWettkampf, Wettkampffeld::Auswahl);
            wirkung(*AktWettkampf, i);
            // The window list names the match by its lanes, which the options set.
            fenster().hauptmenueAktualisieren();
        });
    };
    option(CWurf, [this](TWettkampfDaten& w, int i) {
        w.Wurfvorwahl = u16(i);
        w.DateiWurfvorwahl.reset();  // the match now plays this preset
        WettkampfOptionenAnzeigen(OptionAlle, *this);
        CProbe->setCurrentIndex(w.Probe < CProbe->count() ? w.Probe : -1);
    });
    option(CSpieler, [this](TWettkampfDaten&, int) { WettkampfOptionenAnzeigen(OptionSpieleranzahl | OptionBahnen, *this); });
    option(CBahnen, [this](TWettkampfDaten&, int) { WettkampfOptionenAnzeigen(OptionBahnen, *this); });
    option(CArt, [this](TWettkampfDaten& w, int i) {
        w.Art = u16(i);
        WettkampfOptionenAnzeigen(NurStartfolge, *this);
    });
    option(CProbe, [this](TWettkampfDaten& w, int i) {
        w.Probe = u16(i);
        ProbewuerfeUebernehmen(CProbe->currentText());
    });
    option(CZeit, [](TWettkampfDaten& w, int i) { w.Zeit = u16(i); });
    option(CUebertritt, [](TWettkampfDaten& w, int i) { w.Uebertritt = u16(i); });
    option(CDurchlaeufer, [](TWettkampfDaten& w, int i) { w.Durchlaeufer = u16(i); });

    // The player lines and the edit menu.
    aufstellungVerbinden();

    // Presses on every edit tell the window which field is current.
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        e->installEventFilter(this);
        e->setContextMenuPolicy(Qt::NoContextMenu);
    }
}

// --- Fields ---------------------------------------------------------------------------

bool TWettkampf::feldSchreiben(Wettkampffeld f, const std::function<void(TWettkampfDaten&)>& schreiben)
{
    if (!AktWettkampf) return false;
    schreiben(*AktWettkampf);
    FeldGeschrieben(*AktWettkampf, f);
    return true;
}

void TWettkampf::titelAktualisieren(bool menue)
{
    if (!AktWettkampf) return;
    const TWettkampfDaten& w = *AktWettkampf;
    GHeim->setTitle(HeimTitel(w));
    GGast->setTitle(GastTitel(w));
    setWindowTitle(WettkampfTitel(w));
    fenster().statusText(1, WettkampfTitel(w));
    if (menue) fenster().hauptmenueAktualisieren();
}

void TWettkampf::textzeileZeigen(int index)
{
    TextzeileIndex = index == 1 ? 1 : 0;
    {
        const QSignalBlocker sperre(EText);
        EText->setText(AktWettkampf ? AktWettkampf->Textzeile[TextzeileIndex + 1].text().left(60) : QString());
    }
    BtnUp->setVisible(TextzeileIndex == 1);
    BtnDown->setVisible(TextzeileIndex == 0);
}

// A tap on EText opens the keyboard on the line it shows. Called before the
// keyboard opens, never while it holds a field.
void TWettkampf::textfeldAnmelden()
{
    const u16 code = u16(9 + TextzeileIndex);
    if (code == m_textCode) return;
    m_tastatur->feld(m_textfeld[TextzeileIndex], EText);
    m_textCode = code;
}

bool TWettkampf::optionenGesperrt() const { return AktWettkampf && (AktWettkampf->Gestartet || AktWettkampf->Beendet); }

// --- Fills ----------------------------------------------------------------------------

void TWettkampf::aktualisieren()
{
    if (AktWettkampfNr >= 1 && AktWettkampfNr <= MaxWettkaempfe) AktWettkampf = &Wettkaempfe[AktWettkampfNr];
    if (!AktWettkampf) return;
    const TWettkampfDaten& w = *AktWettkampf;

    std::vector<std::unique_ptr<QSignalBlocker>> sperren;
    for (QWidget* c : findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c)) sperren.push_back(std::make_unique<QSignalBlocker>(c));

    EClub->setText(w.Club.text());
    EMannschaft->setText(w.MannschaftNr.text());
    EGast->setText(w.Gastmannschaft.text());
    CKlasse->setEditText(w.Klasse.text());
    EDatum->setText(w.Datum.text());
    ESpielnummer->setText(w.Spielnummer.text());
    CSpielart->setEditText(w.Spielart.text());
    GSpieldaten->setTitle(SpieldatenTitel(w));
    ESchiedsrichter->setText(w.Schiedsrichter.text());
    textzeileZeigen(0);
    GHeim->setTitle(HeimTitel(w));
    GGast->setTitle(GastTitel(w));

    optionenSperren(false);
    probeAuswahlFuellen();
    CGruppe->setEditText(w.Gruppe.text());
    CZeit->setCurrentIndex(std::min<int>(w.Zeit, 1));
    CUebertritt->setCurrentIndex(std::min<int>(w.Uebertritt, 1));
    CDurchlaeufer->setCurrentIndex(std::min<int>(w.Durchlaeufer, 1));
    CWurf->setCurrentIndex(w.Wurfvorwahl < CWurf->count() ? w.Wurfvorwahl : -1);
    CSpieler->setCurrentIndex(std::clamp(int(w.Spieleranzahl) - 4, 0, 2));
    CSpieler->setEnabled(w.SpieleranzahlWaehlbar);
    CProbe->setCurrentIndex(w.Probe < CProbe->count() ? w.Probe : -1);
    CBahnen->setCurrentIndex(w.BahnenIndex < CBahnen->count() ? w.BahnenIndex : -1);
    // Only shown: the options were derived when they were chosen, and a
    // refresh must not apply the throw preset or the plan again.
    CArt->clear();
    CArt->addItems(BahnwechselPunkte(w));
    CArt->setCurrentIndex(w.Art < CArt->count() ? w.Art : -1);
    CArt->setVisible(w.ArtWaehlbar && CArt->count() > 0);
    if (w.Gestartet || w.Beendet) optionenSperren(true);

    zeilenAnordnen(w);
    for (int n = 1; n <= MaxSpieler; ++n) spielerAktualisieren(n);

    setWindowTitle(WettkampfTitel(w));
    fenster().statusText(1, WettkampfTitel(w));
    SpielstatusAnzeigen();
    fenster().hauptmenueAktualisieren();
}

void TWettkampf::optionenSperren(bool gesperrt)
{
    for (QComboBox* c : {CZeit, CUebertritt, CDurchlaeufer, CWurf, CSpieler, CBahnen, CArt, CProbe}) {
        grundfarbe(c, gesperrt ? FarbeGesperrt : FarbeWeiss);
        c->setEnabled(!gesperrt);
    }
}

// --- OptionenAnsicht ------------------------------------------------------------------

int TWettkampf::spieleranzahlIndex() const { return CSpieler->currentIndex(); }
void TWettkampf::setSpieleranzahlIndex(int i) { CSpieler->setCurrentIndex(i); }
void TWettkampf::setSpieleranzahlAktiv(bool aktiv) { CSpieler->setEnabled(aktiv); }

void TWettkampf::setSpielerzeilen(int anzahl)
{
    for (int n = 1; n <= MaxSpieler; ++n) {
        const int k = n <= 8 ? n : n - 8;
        zeileZeigen(n, k > 6 || k <= anzahl);
    }
}

QString TWettkampf::probeText() const { return CProbe->currentText(); }

// ProbeAuswahlFuellen: the preset's own practice items and its lane choices.
void TWettkampf::probeAuswahlFuellen()
{
    if (!AktWettkampf) return;
    const QSignalBlocker s1(CProbe), s2(CBahnen);
    CBahnen->setEnabled(true);
    CBahnen->clear();
    const ProbeAuswahl a = ProbeAuswahlAusZeile(WurfvorwahlZeile(AktWettkampf->Wurfvorwahl));
    while (CProbe->count() > 5) CProbe->removeItem(CProbe->count() - 1);
    CProbe->addItems(a.eigeneProbe);
    CBahnen->addItems(a.bahnen);
}

QString TWettkampf::bahnText() const { return CBahnen->currentText(); }
int TWettkampf::bahnIndex() const { return CBahnen->currentIndex(); }
void TWettkampf::setBahnIndex(int i) { CBahnen->setCurrentIndex(i < CBahnen->count() ? i : -1); }

// BahnwechselAuswahlFuellen after a choice: the list goes to its first item.
bool TWettkampf::bahnwechselAuswahlFuellen()
{
    const QSignalBlocker sperre(CArt);
    CArt->clear();
    if (AktWettkampf) CArt->addItems(BahnwechselPunkte(*AktWettkampf));
    const bool gezeigt = CArt->count() > 0;
    CArt->setVisible(gezeigt);
    if (gezeigt) {
        CArt->setCurrentIndex(0);
        AktWettkampf->Art = 0;
    }
    return gezeigt;
}

void TWettkampf::geoeffnet()
{
    EClub->setFocus();
    m_letztesEdit = EClub;
    menueStatusSetzen();
}

QWidget* TWettkampf::erstesEingabefeld() const
{
    for (QWidget* feld : {static_cast<QWidget*>(EClub), static_cast<QWidget*>(name(1))})
        if (feld->isEnabled() && feld->isVisible()) return feld;
    return nullptr;
}

// --- Window events --------------------------------------------------------------------

void TWettkampf::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    AktivesFenster = FensterWettkampf;
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()); rahmen && !rahmen->isMaximized())
        rahmen->showMaximized();
}

void TWettkampf::closeEvent(QCloseEvent* e)
{
    // The database goes with the window: a changed one is saved first, and
    // one that cannot be saved keeps the window open.
    gridUebernehmen();
    if (!SpielerdatenbankSpeichernFragen()) {
        e->ignore();
        return;
    }
    if (AktivesFenster == FensterWettkampf) AktivesFenster = 0;
    OffeneFenster &= u8(~FensterWettkampf);
    QWidget::closeEvent(e);
}
