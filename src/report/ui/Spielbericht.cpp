#include "report/ui/Spielbericht.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Tastaturfelder.h"
#include "match/engine/Punkte.h"
#include "match/lanes/Bahnfenster.h"
#include "match/lanes/Spielberichtanzeige.h"
#include "report/Spielbericht.h"
#include "report/ui/Berichtausgabe.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <vector>

namespace {

constexpr u16 FeldcodeErstes = 65;
constexpr u16 FeldcodeLetztes = 80;
// A press on a result edit: the keyboard steps up to the guest's second line.
constexpr u16 FeldcodeLetztesErgebnis = 78;
constexpr u16 FeldcodeGast = 8;  // guest codes = home codes + 8
constexpr u16 FeldcodeMemo = 69;

constexpr int MemoLaenge = 188;
constexpr int PanelHoehe = 25;

const QString ZiffernMaske = QStringLiteral("9999; ");
const QString PunkteMaske = QStringLiteral("9.9; ");

QLabel* Panel(QWidget* eltern, const QString& name, int breite, Qt::Alignment a, bool fett)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setFixedHeight(PanelHoehe);
    l->setMinimumWidth(breite);
    l->setAlignment(a | Qt::AlignVCenter);
    l->setIndent(4);
    QFont f = l->font();
    f.setBold(fett);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    l->setPalette(p);
    return l;
}

QLineEdit* Edit(QWidget* eltern, const QString& name, const QString& maske, int breite)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    e->setInputMask(maske);
    e->setFixedWidth(breite);
    return e;
}

void Schriftfarbe(QWidget* w, QStringView einstellung)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, FarbeZuQColor(Farbe(einstellung)));
    w->setPalette(p);
}

QString Seitenname(bool heim) { return heim ? QStringLiteral("Heim") : QStringLiteral("Gast"); }

QString Mannschaft(bool heim) { return heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft"); }

}  // namespace

TSpielbericht::TSpielbericht(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Spielbericht"));
    setWindowTitle(QStringLiteral("Spielbericht"));
    QFont schrift = font();
    schrift.setPixelSize(15);
    setFont(schrift);

    m_heim = spielerBauen(true);
    m_gast = spielerBauen(false);
    ergebnisseBauen(true, m_heim);
    ergebnisseBauen(false, m_gast);
    GHeim = m_heim.G, GGast = m_gast.G;
    GHeimErgebnisse = m_heim.GErgebnisse, GGastErgebnisse = m_gast.GErgebnisse;
    LHeimErsatz = m_heim.LErsatz, LGastErsatz = m_gast.LErsatz;
    EHeimVolle = m_heim.Volle, EHeimAbr = m_heim.Abr, EHeimFehler = m_heim.Fehler;
    EHeimTotal = m_heim.Total, EHeimPunkte = m_heim.Punkte, MHeim = m_heim.M;
    EGastVolle = m_gast.Volle, EGastAbr = m_gast.Abr, EGastFehler = m_gast.Fehler;
    EGastTotal = m_gast.Total, EGastPunkte = m_gast.Punkte, MGast = m_gast.M;
    PZusatz = zusatzBauen();

    BtnDrucken = new QPushButton(QStringLiteral("&Drucken"), this);
    BtnFormular = new QPushButton(QStringLiteral("&Formular"), this);
    BtnDeckblatt = new QPushButton(QStringLiteral("Deck&blatt"), this);
    BtnDrucken->setObjectName(QStringLiteral("BtnDrucken"));
    BtnFormular->setObjectName(QStringLiteral("BtnFormular"));
    BtnDeckblatt->setObjectName(QStringLiteral("BtnDeckblatt"));
    BtnDrucken->setToolTip(QStringLiteral("Spielbericht drucken"));
    BtnFormular->setToolTip(QStringLiteral("Spielbericht im Original"));
    BtnDeckblatt->setToolTip(QStringLiteral("Deckblatt für Fax oder Spielberichtsausdruck"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton* b : {BtnDrucken, BtnFormular, BtnDeckblatt}) {
        b->setMinimumSize(120, 36);
        knoepfe->addWidget(b);
    }

    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(10, 8, 10, 8);
    raster->setHorizontalSpacing(12);
    raster->addWidget(GHeim, 0, 0);
    raster->addWidget(GGast, 0, 1);
    raster->addWidget(GHeimErgebnisse, 1, 0);
    raster->addWidget(GGastErgebnisse, 1, 1);
    raster->addWidget(PZusatz, 2, 0);
    raster->addLayout(knoepfe, 2, 1, Qt::AlignBottom);
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);

    PopupColor = new QMenu(this);
    PopupColor->setObjectName(QStringLiteral("PopupColor"));
    PopupColorGround = HintergrundAktion(this, u"ColorSpielbericht", PopupColor);
    PopupColorGround->setText(QStringLiteral("Hintergrundfarbe"));
    PopupSpiel = new QMenu(this);
    PopupSpiel->setObjectName(QStringLiteral("PopupSpiel"));
    PopupMannschDaten = PopupSpiel->addAction(QStringLiteral("&Mannschaftsdaten"));
    PopupMannschDaten->setObjectName(QStringLiteral("PopupMannschDaten"));

    farbenSetzen();
    m_ergebnisTasten = new TastaturFelder(this, FeldcodeErstes, FeldcodeLetztesErgebnis);
    for (bool heim : {true, false}) {
        const Seite& s = heim ? m_heim : m_gast;
        tastaturBauen(heim, s);
        verbinden(heim, s);
    }
    connect(BtnDrucken, &QPushButton::clicked, this, &TSpielbericht::BtnDruckenClick);
    connect(BtnFormular, &QPushButton::clicked, this, &TSpielbericht::BtnFormularClick);
    connect(BtnDeckblatt, &QPushButton::clicked, this, &TSpielbericht::BtnDeckblattClick);
    connect(PopupMannschDaten, &QAction::triggered, this, &TSpielbericht::PopupMannschDatenClick);

    // The main window's background picture stays hidden behind the report.
    if (parent)
        if (auto* grund = parent->findChild<QWidget*>(QStringLiteral("Ground"))) grund->hide();
    BeiAktivierung(this, [this] { FormActivate(); });
    OffeneFenster |= FensterSpielbericht;
}

TSpielbericht::~TSpielbericht()
{
    if (!m_geschlossen) OffeneFenster &= u8(~FensterSpielbericht);
}

// --- Construction ---------------------------------------------------------------------

TSpielbericht::Seite TSpielbericht::spielerBauen(bool heim)
{
    const QString seite = Seitenname(heim);
    Seite s;
    s.G = new QGroupBox(Mannschaft(heim), this);
    s.G->setObjectName(QStringLiteral("G") + seite);
    auto* raster = new QGridLayout(s.G);
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(3);
    const std::pair<const char*, Qt::Alignment> kopf[] = {
        {"Name:", Qt::AlignLeft}, {"Volle:", Qt::AlignRight}, {"Abr.:", Qt::AlignRight}, {"Gesamt:", Qt::AlignRight}};
    int spalte = 0;
    for (const auto& [text, a] : kopf) raster->addWidget(new QLabel(QString::fromUtf8(text), s.G), 0, spalte++, a);
    s.LErsatz = new QLabel(QStringLiteral("Ersatz:"), s.G);
    s.LErsatz->setObjectName(QStringLiteral("L%1Ersatz").arg(seite));
    raster->addWidget(s.LErsatz, 7, 0);

    for (int k = 1; k <= 8; ++k) {
        const int n = heim ? k : k + 8;
        Zeile& z = Zeilen[n];
        const auto name = [&](const char* feld) { return QStringLiteral("P%1%2%3").arg(seite, QLatin1String(feld)).arg(k); };
        z.Name = Panel(s.G, name("Name"), 190, Qt::AlignLeft, false);
        z.Volle = Panel(s.G, name("Volle"), 62, Qt::AlignRight, true);
        z.Abr = Panel(s.G, name("Abr"), 62, Qt::AlignRight, true);
        z.Gesamt = Panel(s.G, name("Gesamt"), 72, Qt::AlignRight, true);
        z.Name->setProperty("Tag", n);
        z.Name->setCursor(Qt::PointingHandCursor);
        const int reihe = k <= 6 ? k : k + 1;
        QLabel* panele[] = {z.Name, z.Volle, z.Abr, z.Gesamt};
        for (int i = 0; i < 4; ++i) {
            raster->addWidget(panele[i], reihe, i);
            panele[i]->installEventFilter(this);
        }
    }
    raster->setColumnStretch(0, 1);
    return s;
}

void TSpielbericht::ergebnisseBauen(bool heim, Seite& s)
{
    const QString seite = Seitenname(heim);
    s.GErgebnisse = new QGroupBox(QStringLiteral("Ergebnis"), this);
    s.GErgebnisse->setObjectName(QStringLiteral("G%1Ergebnisse").arg(seite));
    QGroupBox* g = s.GErgebnisse;
    const auto name = [&](const char* feld) { return QStringLiteral("E%1%2").arg(seite, QLatin1String(feld)); };
    s.Volle = Edit(g, name("Volle"), ZiffernMaske, 64);
    s.Abr = Edit(g, name("Abr"), ZiffernMaske, 64);
    s.Fehler = Edit(g, name("Fehler"), ZiffernMaske, 64);
    s.Total = Edit(g, name("Total"), ZiffernMaske, 64);
    s.Punkte = Edit(g, name("Punkte"), PunkteMaske, 52);
    s.M = new QPlainTextEdit(g);
    s.M->setObjectName(QStringLiteral("M") + seite);
    s.M->setLineWrapMode(QPlainTextEdit::NoWrap);
    s.M->setTabChangesFocus(true);
    s.M->setFixedHeight(s.M->fontMetrics().lineSpacing() * BemerkungZeilen + 14);
    s.M->viewport()->installEventFilter(this);

    auto* raster = new QGridLayout(g);
    raster->setHorizontalSpacing(6);
    const auto feld = [&](const char* text, QWidget* w, int reihe, int spalte) {
        raster->addWidget(new QLabel(QString::fromUtf8(text), g), reihe, spalte, Qt::AlignLeft | Qt::AlignVCenter);
        raster->addWidget(w, reihe, spalte + 1, Qt::AlignLeft);
    };
    feld("Volle:", s.Volle, 0, 0);
    feld("Fehler:", s.Fehler, 0, 2);
    feld("Punkte:", s.Punkte, 0, 4);
    feld("Abr:", s.Abr, 1, 0);
    feld("Total:", s.Total, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Text:"), g), 2, 0, Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(s.M, 2, 1, 1, 6);
    raster->setColumnStretch(6, 1);
}

QFrame* TSpielbericht::zusatzBauen()
{
    auto* p = new QFrame(this);
    p->setObjectName(QStringLiteral("PZusatz"));
    p->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* raster = new QGridLayout(p);
    raster->setHorizontalSpacing(14);
    const std::pair<QCheckBox**, const char*> boxen[] = {
        {&CBBahnenOK, "Bahnen Ok"},     {&CBPaesseOK, "Pässe Ok"}, {&CBVerwarnungen, "Verwarnungen"},
        {&CBVerletzungen, "Verletzungen"}, {&CBProtest, "Protest"},   {&CBSonstiges, "Sonstiges"},
        {&CBAnlagen, "Anlagen"}};
    const char* namen[] = {"CBBahnenOK", "CBPaesseOK", "CBVerwarnungen", "CBVerletzungen",
                           "CBProtest",  "CBSonstiges", "CBAnlagen"};
    for (int i = 0; i < 7; ++i) {
        auto* b = new QCheckBox(QString::fromUtf8(boxen[i].second), p);
        b->setObjectName(QLatin1String(namen[i]));
        *boxen[i].first = b;
        raster->addWidget(b, i / 4, i % 4);
        const auto z = Zwischenfall(i);
        connect(b, &QCheckBox::clicked, this, [z](bool an) {
            if (AktWettkampf) ZwischenfallGeaendert(*AktWettkampf, z, an);
        });
    }
    return p;
}

void TSpielbericht::farbenSetzen()
{
    HintergrundSetzen(this, u"ColorSpielbericht");
    HintergrundSetzen(GHeim, u"ColorHeim");
    HintergrundSetzen(GGast, u"ColorGast");
    Schriftfarbe(GHeim, u"ColorHeaderHeim");
    Schriftfarbe(GGast, u"ColorHeaderGast");
}

void TSpielbericht::tastaturBauen(bool heim, const Seite& s)
{
    const u16 basis = heim ? FeldcodeErstes : FeldcodeErstes + FeldcodeGast;
    const QString mannschaft = Mannschaft(heim);
    const std::pair<QLineEdit*, const char*> ergebnisse[] = {
        {s.Volle, " Volle:"}, {s.Abr, " Abräumen:"}, {s.Fehler, " Fehler:"}, {s.Total, " Gesamt:"}};
    u16 code = basis;
    for (const auto& [edit, text] : ergebnisse)
        m_ergebnisTasten->feld(code++, mannschaft + QString::fromUtf8(text), ModusZiffern, edit);

    // The memo: lines 1..4; a tap opens line 1, and until the match has
    // ended the keyboard steps through this memo's lines only.
    const u16 erste = basis + (FeldcodeMemo - FeldcodeErstes);
    auto* memo = new TastaturFelder(this, erste, erste + BemerkungZeilen - 1);
    memo->touchAn = [memo, erste] {
        if (!TouchEingabe) return false;
        if (AktWettkampf && AktWettkampf->Beendet) memo->bereich(FeldcodeErstes, FeldcodeLetztes);
        else memo->bereich(erste, erste + BemerkungZeilen - 1);
        return true;
    };
    for (int zeile = BemerkungZeilen; zeile >= 1; --zeile)
        memo->zeile(u16(erste + zeile - 1), mannschaft + QStringLiteral(" Textzeile %1:").arg(zeile), s.M, zeile);
}

void TSpielbericht::verbinden(bool heim, const Seite& s)
{
    QLineEdit* total = s.Total;
    const auto summe = [heim, total](QString (*aendern)(TWettkampfDaten&, bool, const QString&)) {
        return [heim, total, aendern](const QString& text) {
            if (!AktWettkampf) return;
            const QString anzeige = aendern(*AktWettkampf, heim, text);
            const QSignalBlocker b(total);
            total->setText(anzeige);
        };
    };
    connect(s.Volle, &QLineEdit::textEdited, this, summe(&VolleGeaendert));
    connect(s.Abr, &QLineEdit::textEdited, this, summe(&AbrGeaendert));
    const auto schreiben = [heim](auto aendern) {
        return [heim, aendern](const QString& text) {
            if (AktWettkampf) aendern(*AktWettkampf, heim, text);
        };
    };
    connect(s.Total, &QLineEdit::textEdited, this, schreiben(&TotalGeaendert));
    connect(s.Fehler, &QLineEdit::textEdited, this, schreiben(&FehlerGeaendert));
    connect(s.Punkte, &QLineEdit::textEdited, this, schreiben(&PunkteGeaendert));
    QPlainTextEdit* m = s.M;
    connect(m, &QPlainTextEdit::textChanged, this, [this, heim, m] { memoGeaendert(heim, m); });
}

// --- Showing the match ----------------------------------------------------------------

void TSpielbericht::aktualisieren()
{
    if (!AktWettkampf) return;
    const SpielberichtAnsicht a = SpielberichtAktualisieren(*AktWettkampf);
    // Filling is no edit: the match stays unchanged.
    std::vector<QSignalBlocker> sperren;
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QCheckBox*>(w))
            sperren.emplace_back(w);

    for (int n = 1; n <= MaxSpieler; ++n) {
        const SpielberichtZeile& z = a.zeilen[n];
        const Zeile& l = Zeilen[n];
        const QColor farbe = FarbeZuQColor(z.farbe);
        for (QLabel* p : {l.Name, l.Volle, l.Abr, l.Gesamt}) {
            p->setVisible(z.sichtbar);
            QPalette pal = p->palette();
            pal.setColor(QPalette::Window, farbe);
            p->setPalette(pal);
        }
        l.Name->setText(z.name);
        l.Volle->setText(z.volle);
        l.Abr->setText(z.abr);
        l.Gesamt->setText(z.total);
    }
    // With eight players who all count there are no substitutes.
    const bool ersatz = !AktWettkampf->Streichspiel;
    for (bool heim : {true, false}) {
        const Seite& s = heim ? m_heim : m_gast;
        const SpielberichtSeite& werte = heim ? a.heim : a.gast;
        s.G->setTitle(werte.ueberschrift.trimmed().isEmpty() ? Mannschaft(heim) : werte.ueberschrift);
        s.LErsatz->setVisible(ersatz);
        for (QLineEdit* e : {s.Volle, s.Abr, s.Fehler, s.Total}) e->setEnabled(a.ergebnisseAktiv);
        s.Punkte->setEnabled(a.punkteAktiv);
        s.Volle->setText(werte.volle);
        s.Abr->setText(werte.abr);
        s.Fehler->setText(werte.fehler);
        s.Total->setText(werte.total);
        // The mask's point alone would stand where there are no points.
        s.Punkte->setInputMask(werte.totalMaP.isEmpty() ? QString() : PunkteMaske);
        s.Punkte->setText(werte.totalMaP);
        QString text = werte.bemerkung;
        s.M->setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }
    const std::pair<QCheckBox*, bool> boxen[] = {{CBBahnenOK, a.BahnenOk},         {CBPaesseOK, a.PaesseOk},
                                                 {CBVerwarnungen, a.Verwarnungen}, {CBVerletzungen, a.Verletzungen},
                                                 {CBProtest, a.Protest},           {CBSonstiges, a.Sonstiges},
                                                 {CBAnlagen, a.Anlagen}};
    for (const auto& [box, an] : boxen) box->setChecked(an);
}

void TSpielbericht::memoGeaendert(bool heim, QPlainTextEdit* m)
{
    if (m->toPlainText().size() > MemoLaenge) {
        const QSignalBlocker b(m);
        QTextCursor c = m->textCursor();
        const int stelle = std::min(c.position(), MemoLaenge);
        m->setPlainText(m->toPlainText().left(MemoLaenge));
        c = m->textCursor();
        c.setPosition(stelle);
        m->setTextCursor(c);
    }
    if (AktWettkampf) BemerkungGeaendert(*AktWettkampf, heim, m->toPlainText());
}

// --- Lifecycle ------------------------------------------------------------------------

void TSpielbericht::FormActivate()
{
    if (!(OffeneFenster & FensterSpielbericht) || AktivesFenster == FensterSpielbericht || m_geschlossen) return;
    FeldcodeMin = FeldcodeErstes;
    FeldcodeMax = FeldcodeLetztes;
    AktivesFenster = FensterSpielbericht;
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()); rahmen && !rahmen->isMaximized())
        rahmen->showMaximized();
    fenster().hauptmenueAktualisieren();
    if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
    if (fenster().offen(MdiFenster::Spielbericht)) aktualisieren();
}

void TSpielbericht::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    PlatzierungGesperrt = 0;
}

void TSpielbericht::closeEvent(QCloseEvent* e)
{
    AktivesFenster = 0;
    OffeneFenster &= u8(~FensterSpielbericht);
    m_geschlossen = true;
    QWidget::closeEvent(e);
}

// --- Mouse and menus ------------------------------------------------------------------

bool TSpielbericht::eventFilter(QObject* o, QEvent* e)
{
    if (auto* m = qobject_cast<QPlainTextEdit*>(o->parent()); m && o == m->viewport()) return memoMaus(m, e);
    auto* p = qobject_cast<QLabel*>(o);
    if (!p) return QWidget::eventFilter(o, e);
    const auto* maus = dynamic_cast<QMouseEvent*>(e);
    if (!maus || maus->button() != Qt::LeftButton) return QWidget::eventFilter(o, e);
    const int n = p->property("Tag").toInt();
    switch (e->type()) {
    case QEvent::MouseButtonPress: KlickSoundSpielen(); break;
    case QEvent::MouseButtonRelease:
        if (n >= 1 && p->rect().contains(maus->position().toPoint())) PClick(n);
        break;
    case QEvent::MouseButtonDblClick:
        if (n >= 1) PClick(n);
        break;
    default: break;
    }
    return QWidget::eventFilter(o, e);
}

bool TSpielbericht::memoMaus(QPlainTextEdit* m, QEvent* e)
{
    if (TouchEingabe) return false;
    const auto* maus = dynamic_cast<QMouseEvent*>(e);
    if (!maus || maus->button() != Qt::LeftButton) return false;
    if (e->type() == QEvent::MouseButtonDblClick) {
        m->selectAll();
        return true;
    }
    if (e->type() == QEvent::MouseButtonRelease && m->document()->firstBlock().text().isEmpty()) {
        QTextCursor c = m->textCursor();
        c.movePosition(QTextCursor::Start);
        m->setTextCursor(c);
    }
    return false;
}

void TSpielbericht::contextMenuEvent(QContextMenuEvent* e)
{
    for (QWidget* w = childAt(e->pos()); w && w != this; w = w->parentWidget()) {
        if (w == GHeim || w == GHeimErgebnisse || w == GGast || w == GGastErgebnisse) {
            m_popupSeite = w == GHeim || w == GHeimErgebnisse ? 1 : 2;
            PopupSpiel->popup(e->globalPos());
            return;
        }
    }
    PopupColor->popup(e->globalPos());
}

// --- Commands -------------------------------------------------------------------------

void TSpielbericht::PClick(int n)
{
    if (!AktWettkampf || n < 1 || n > MaxSpieler) return;
    AktSpielerNr = n;
    if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
    AktSpieler = AktWettkampf->SpielerZeiger[n];
    if (fenster().dialog(Dialog::Spielerdaten)) aktualisieren();
}

void TSpielbericht::BtnDruckenClick()
{
    if (!AktWettkampf) return;
    if (AktWettkampf->Beendet) SpielerplatzierungBerechnen(*AktWettkampf);
    SpielberichtDrucken(this, Einst.FormularNummer);
}

void TSpielbericht::BtnFormularClick()
{
    if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
    fenster().dialog(Dialog::Spielberichtformular);
}

void TSpielbericht::BtnDeckblattClick() { fenster().dialog(Dialog::Deckblatt); }

void TSpielbericht::PopupMannschDatenClick() { fenster().dialog(Dialog::Mannschaftsdaten, m_popupSeite); }
