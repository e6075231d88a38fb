#include "match/ui/Spielerdaten.h"

#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"
#include "match/lanes/Bahnfenster.h"
#include "match/engine/Punkte.h"
#include "match/engine/Wertung.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr u16 FeldcodeMinSpieler = 90;
constexpr u16 FeldcodeMaxSpieler = 101;
constexpr int SeiteErgebnisse = 1;
constexpr int SeiteBahnen = 2;

QLineEdit* maskenfeld(QWidget* eltern, const QString& name, const QString& maske, const QString& hinweis,
                      int breite)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    if (!maske.isEmpty()) e->setInputMask(maske);
    e->setToolTip(hinweis);
    e->setFixedWidth(breite);
    return e;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis)
{
    QPushButton* k = BoxKnopf(eltern, QLatin1String(name), text);
    k->setAutoDefault(false);
    k->setToolTip(hinweis);
    return k;
}

// The digits of a masked field as far as they are typed, for the caret.
int textEnde(const QLineEdit* e)
{
    const QString t = e->displayText();
    int n = int(t.size());
    while (n > 0 && t[n - 1] == QLatin1Char(' ')) --n;
    return n;
}

}  // namespace

TSpielerdaten::TSpielerdaten(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("Spielerdaten"));
    setToolTip(QStringLiteral("Spielerergebnisse ändern"));
    HintergrundSetzen(this, u"ColorSpielerdaten");

    TabControlSpielerdaten = new QTabWidget(this);
    TabControlSpielerdaten->setObjectName(QStringLiteral("TabControlSpielerdaten"));

    // " Spieler "
    TabSpieler = new QWidget;
    TabSpieler->setObjectName(QStringLiteral("TabSpieler"));
    EName = maskenfeld(TabSpieler, QStringLiteral("EName"), {}, QStringLiteral("Name mit maximal 30 Zeichen"), 280);
    EName->setMaxLength(30);
    EPass = maskenfeld(TabSpieler, QStringLiteral("EPass"), QStringLiteral("999999; "),
                       QStringLiteral("Passnummer sechsstellig"), 80);
    EGeb = maskenfeld(TabSpieler, QStringLiteral("EGeb"), QStringLiteral("99.99.99; "),
                      QStringLiteral("Geburtsdatum mit Tag.Monat.Jahr"), 80);
    ELetztSpiel = maskenfeld(TabSpieler, QStringLiteral("ELetztSpiel"), QStringLiteral("xxxxxxxx; "),
                             QStringLiteral("letztes Spiel dieses Spielers"), 80);
    ELetztPlatz = maskenfeld(TabSpieler, QStringLiteral("ELetztPlatz"), QStringLiteral("9; "),
                             QStringLiteral("letzte Platzierung dieses Spielers"), 30);
    CBWertung = new QCheckBox(QStringLiteral("  Wertung"), TabSpieler);
    CBWertung->setObjectName(QStringLiteral("CBWertung"));
    CBWertung->setToolTip(QStringLiteral("Ergebnis nicht in der Mannschaftswertung"));
    BtnSpielerkarte = knopf(TabSpieler, "BtnSpielerkarte", QStringLiteral("Spielerkarte"),
                            QStringLiteral("Spielerkarte bearbeiten"));
    {
        auto* g = new QGridLayout(TabSpieler);
        const std::pair<const char*, QWidget*> zeilen[] = {{"Name:", EName},
                                                           {"Passnummer:", EPass},
                                                           {"Geburtsdatum:", EGeb},
                                                           {"zuletzt gespielt:", ELetztSpiel},
                                                           {"zuletzt platziert:", ELetztPlatz}};
        int z = 0;
        for (const auto& [text, feld] : zeilen) {
            g->addWidget(new QLabel(QString::fromUtf8(text), TabSpieler), z, 0);
            g->addWidget(feld, z++, 1, Qt::AlignLeft);
        }
        g->addWidget(CBWertung, z++, 1);
        g->addWidget(BtnSpielerkarte, z++, 1, Qt::AlignLeft);
        g->setRowStretch(z, 1);
        g->setColumnStretch(2, 1);
    }

    // " Ergebnisse "
    TabErgebnisse = new QWidget;
    TabErgebnisse->setObjectName(QStringLiteral("TabErgebnisse"));
    const QString drei = QStringLiteral("999; ");
    EVolle = maskenfeld(TabErgebnisse, QStringLiteral("EVolle"), drei, QStringLiteral("Volle bis zu drei Stellen"), 60);
    EAbr = maskenfeld(TabErgebnisse, QStringLiteral("EAbr"), drei, QStringLiteral("Abräumen bis zu drei Stellen"), 60);
    EFehler = maskenfeld(TabErgebnisse, QStringLiteral("EFehler"), drei, QStringLiteral("Fehler bis zu drei Stellen"), 60);
    EWurf = maskenfeld(TabErgebnisse, QStringLiteral("EWurf"), drei,
                       QStringLiteral("Wieviel Wurf hat dieser Spieler absolviert ?"), 60);
    EBonus = maskenfeld(TabErgebnisse, QStringLiteral("EBonus"), QStringLiteral("99; "),
                        QStringLiteral("Bekommt dieser Spieler einen Holzbonus ?"), 60);
    ETotal = maskenfeld(TabErgebnisse, QStringLiteral("ETotal"), QStringLiteral("9999; "),
                        QStringLiteral("gesamtes Spielerergebnis bis zu vier Stellen"), 60);
    EPlatz = maskenfeld(TabErgebnisse, QStringLiteral("EPlatz"), QStringLiteral("9; "),
                        QStringLiteral("gesamtes Spielerergebnis bis zu vier Stellen"), 60);
    LBerechnen = new QLabel(QStringLiteral("Punkte neu berechnen"), TabErgebnisse);
    LBerechnen->setObjectName(QStringLiteral("LBerechnen"));
    LBerechnen->setCursor(Qt::PointingHandCursor);
    QFont unterstrichen = LBerechnen->font();
    unterstrichen.setUnderline(true);
    LBerechnen->setFont(unterstrichen);
    LBerechnen->installEventFilter(this);
    BtnWurfliste = knopf(TabErgebnisse, "BtnWurfliste", QStringLiteral("&Wurfliste"),
                         QStringLiteral("Liste einzelner Würfe"));
    {
        auto* g = new QGridLayout(TabErgebnisse);
        const std::pair<const char*, QLineEdit*> zeilen[] = {{"Volle:", EVolle}, {"Abräumen:", EAbr},
                                                             {"Fehler:", EFehler}, {"Wurf:", EWurf},
                                                             {"Bonus:", EBonus}, {"Total:", ETotal},
                                                             {"Platz:", EPlatz}};
        int z = 0;
        for (const auto& [text, feld] : zeilen) {
            g->addWidget(new QLabel(QString::fromUtf8(text), TabErgebnisse), z, 0);
            g->addWidget(feld, z++, 1, Qt::AlignLeft);
        }
        g->addWidget(LBerechnen, 0, 3);
        g->addWidget(BtnWurfliste, 1, 3);
        g->setRowStretch(z, 1);
        g->setColumnStretch(2, 1);
    }

    // " Bahnergebnisse "
    TabBahnergebnisse = new QWidget;
    TabBahnergebnisse->setObjectName(QStringLiteral("TabBahnergebnisse"));
    auto* bahnen = new QHBoxLayout(TabBahnergebnisse);
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        auto* p = new QFrame(TabBahnergebnisse);
        p->setObjectName(QStringLiteral("PBahn%1").arg(d));
        p->setFrameShape(QFrame::StyledPanel);
        PBahn[d] = p;
        LBahn[d] = new QLabel(p);
        LBahn[d]->setObjectName(QStringLiteral("LBahn%1").arg(d));
        auto feld = [&](const char* name, const QString& maske) {
            QLineEdit* e = maskenfeld(p, QStringLiteral("%1%2").arg(QLatin1String(name)).arg(d), maske, {}, 50);
            e->setProperty("Tag", d);
            e->installEventFilter(this);
            return e;
        };
        EWurfD[d] = feld("EWurf", drei);
        EVolleD[d] = feld("EVolle", drei);
        EAbrD[d] = feld("EAbr", drei);
        EFehlerD[d] = feld("EFehler", drei);
        ETotalD[d] = feld("ETotal", drei);
        EPunkteD[d] = feld("EPunkte", QStringLiteral("9.9; "));
        LPunkte[d] = new QLabel(QStringLiteral("Punkte:"), p);
        auto* g = new QGridLayout(p);
        g->addWidget(LBahn[d], 0, 0, 1, 2);
        const std::pair<const char*, QLineEdit*> zeilen[] = {{"Wurf:", EWurfD[d]}, {"Volle:", EVolleD[d]},
                                                             {"Abr:", EAbrD[d]},   {"Fehler:", EFehlerD[d]},
                                                             {"Total:", ETotalD[d]}};
        int z = 1;
        for (const auto& [text, e] : zeilen) {
            g->addWidget(new QLabel(QString::fromUtf8(text), p), z, 0);
            g->addWidget(e, z++, 1);
        }
        g->addWidget(LPunkte[d], z, 0);
        g->addWidget(EPunkteD[d], z++, 1);
        g->setRowStretch(z, 1);
        bahnen->addWidget(p);

        for (QLineEdit* e : {EWurfD[d], EVolleD[d], EAbrD[d], EFehlerD[d], ETotalD[d]})
            connect(e, &QLineEdit::textEdited, this, [this, d] { EBahnErgChange(d); });
        connect(EPunkteD[d], &QLineEdit::textEdited, this, &TSpielerdaten::EPunkteChange);
    }
    bahnen->addStretch();

    TabControlSpielerdaten->addTab(TabSpieler, QStringLiteral(" Spieler "));
    TabControlSpielerdaten->addTab(TabErgebnisse, QStringLiteral(" Ergebnisse "));
    TabControlSpielerdaten->addTab(TabBahnergebnisse, QStringLiteral(" Bahnergebnisse "));

    BtnAusbessernPCBahn = knopf(this, "BtnAusbessernPCBahn", QStringLiteral("PC + Bahn"),
                                QStringLiteral("korrigierte Ergebnisse am PC und an der Bahn übernehmen"));
    BtnAusbessernPC = knopf(this, "BtnAusbessernPC", QStringLiteral("nur PC"),
                            QStringLiteral("korrigierte Ergebnisse nur am PC übernehmen"));
    BtnOk = knopf(this, "BtnOk", QStringLiteral("&Ok"), QStringLiteral("Spielerdaten übernehmen"));
    BtnAbbrechen = knopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"), QStringLiteral("Änderungen verwerfen"));
    PopupColorGround = HintergrundAktion(this, u"ColorSpielerdaten");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* unten = new QHBoxLayout;
    unten->addWidget(BtnAusbessernPCBahn);
    unten->addWidget(BtnAusbessernPC);
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(TabControlSpielerdaten);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    // Keyboard: the personal data and the results.
    m_tastatur = new TastaturFelder(this, FeldcodeMinSpieler, FeldcodeMaxSpieler);
    m_tastatur->feld(90, QStringLiteral("Name:"), ModusText, EName);
    m_tastatur->feld(91, QStringLiteral("Passnummer:"), ModusZiffern, EPass);
    m_tastatur->feld(92, QStringLiteral("Geburtsdatum:"), ModusDatum, EGeb);
    m_tastatur->feld(93, QStringLiteral("zuletzt gespielt:"), ModusZiffern, ELetztSpiel);
    m_tastatur->feld(94, QStringLiteral("zuletzt platziert:"), ModusZiffern, ELetztPlatz);
    m_tastatur->feld(95, QStringLiteral("Volle:"), ModusZiffern, EVolle);
    m_tastatur->feld(96, QStringLiteral("Abräumen:"), ModusZiffern, EAbr);
    m_tastatur->feld(97, QStringLiteral("Fehler:"), ModusZiffern, EFehler);
    m_tastatur->feld(98, QStringLiteral("Wurf:"), ModusZiffern, EWurf);
    m_tastatur->feld(99, QStringLiteral("Bonus:"), ModusZiffern, EBonus);
    m_tastatur->feld(100, QStringLiteral("Total:"), ModusZiffern, ETotal);
    m_tastatur->feld(101, QStringLiteral("Platz:"), ModusZiffern, EPlatz);
    for (QLineEdit* e : {EPass, EGeb, ELetztSpiel, ELetztPlatz, EVolle, EAbr, EFehler, EWurf, EBonus, ETotal, EPlatz})
        e->installEventFilter(this);

    connect(TabControlSpielerdaten, &QTabWidget::currentChanged, this, &TSpielerdaten::TabControlSpielerdatenChange);
    connect(EVolle, &QLineEdit::textEdited, this, &TSpielerdaten::EVolleChange);
    connect(EAbr, &QLineEdit::textEdited, this, &TSpielerdaten::EVolleChange);
    connect(EPlatz, &QLineEdit::textEdited, this, [] { PlatzierungGesperrt = 1; });
    connect(BtnWurfliste, &QPushButton::clicked, this, &TSpielerdaten::BtnWurflisteClick);
    connect(BtnSpielerkarte, &QPushButton::clicked, this, &TSpielerdaten::BtnSpielerkarteClick);
    connect(BtnAusbessernPCBahn, &QPushButton::clicked, this, [this] { BtnUebernehmenClick(true); });
    connect(BtnAusbessernPC, &QPushButton::clicked, this, [this] { BtnUebernehmenClick(false); });
    connect(BtnOk, &QPushButton::clicked, this, &TSpielerdaten::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    Activate();
}

void TSpielerdaten::Activate()
{
    m_geaendert = false;
    BtnAusbessernPCBahn->hide();
    BtnAusbessernPC->hide();
    FeldcodeMin = FeldcodeMinSpieler;
    FeldcodeMax = FeldcodeMaxSpieler;
    TabControlSpielerdaten->setCurrentIndex(0);
    m_nr = AktWettkampf && AktSpieler ? SpielerNummer(*AktWettkampf, AktSpieler) : 0;
    if (m_nr == 0) {
        setWindowTitle(QStringLiteral("Spieler "));
        for (QPushButton* k : {BtnOk, BtnAusbessernPC, BtnAusbessernPCBahn, BtnWurfliste, BtnSpielerkarte})
            k->setEnabled(false);
        return;
    }
    const SpielerdatenAnsicht a = SpielerdatenLesen(*AktWettkampf, *AktSpieler);
    setWindowTitle(a.titel);
    EName->setText(a.Name);
    EPass->setText(a.Pass);
    EGeb->setText(a.Gebdat);
    ELetztSpiel->setText(a.LetztSpiel);
    ELetztPlatz->setText(a.LetztPlatz);
    CBWertung->setChecked(a.Wertung);
    BtnSpielerkarte->setEnabled(a.spielerkarte);
    m_nurPc = a.nurPc;
    ErgebnisseFuellen();
    m_zustand = a.bahnen;
    BahnenFuellen();
}

void TSpielerdaten::ErgebnisseFuellen()
{
    if (!AktWettkampf || !AktSpieler) return;
    SpielerdatenAnsicht a;
    ErgebnisseLesen(*AktWettkampf, *AktSpieler, a);
    const std::pair<QLineEdit*, const QString&> felder[] = {{EVolle, a.Volle}, {EAbr, a.Abr},     {EFehler, a.Fehler},
                                                            {EWurf, a.Wurf},   {EBonus, a.Bonus}, {ETotal, a.Total},
                                                            {EPlatz, a.Platz}};
    for (const auto& [e, text] : felder) {
        e->setText(text);
        e->setEnabled(a.ergebnisseAktiv);
    }
}

// The panels' visibility, lane numbers and enabled states from m_zustand.
void TSpielerdaten::BahnenZeigen()
{
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        const BahnblockAnsicht& z = m_zustand[d];
        PBahn[d]->setVisible(z.gezeigt);
        LBahn[d]->setText(QStringLiteral("Bahn %1").arg(z.bahn));
        for (QLineEdit* e : {EWurfD[d], EVolleD[d], EAbrD[d], EFehlerD[d], ETotalD[d]}) e->setEnabled(z.felderAktiv);
        EPunkteD[d]->setVisible(z.punkteGezeigt);
        LPunkte[d]->setVisible(z.punkteGezeigt);
        EPunkteD[d]->setEnabled(z.punkteAktiv);
    }
}

void TSpielerdaten::BahnenFuellen()
{
    BahnenZeigen();
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        const BahnblockAnsicht& z = m_zustand[d];
        EWurfD[d]->setText(z.Wurf);
        EVolleD[d]->setText(z.Volle);
        EAbrD[d]->setText(z.Abr);
        EFehlerD[d]->setText(z.Fehler);
        ETotalD[d]->setText(z.Total);
        EPunkteD[d]->setText(z.Punkte);
    }
}

void TSpielerdaten::TabControlSpielerdatenChange(int index)
{
    if (!AktWettkampf || !AktSpieler) return;
    if (index == SeiteErgebnisse) {
        ErgebnisseFuellen();
    } else if (index == SeiteBahnen) {
        // The player may have played on meanwhile; the typed values stay.
        const Bahnblockansichten neu = BahnblockZustaende(*AktWettkampf, *AktSpieler);
        for (int d = 1; d <= MaxDurchgaenge; ++d) {
            BahnblockAnsicht& z = m_zustand[d];
            z.gezeigt = neu[d].gezeigt;
            z.punkteGezeigt = neu[d].punkteGezeigt;
            z.felderAktiv = neu[d].felderAktiv;
            z.punkteAktiv = neu[d].punkteAktiv;
            z.bahn = neu[d].bahn;
        }
        BahnenZeigen();
    }
}

void TSpielerdaten::EVolleChange() { ETotal->setText(FeldSumme(EVolle->text(), EAbr->text())); }

void TSpielerdaten::KnoepfeZeigen()
{
    if (!m_geaendert) return;
    BtnAusbessernPC->show();
    BtnAusbessernPCBahn->setVisible(!m_nurPc);
}

void TSpielerdaten::EBahnErgChange(int d)
{
    KnoepfeZeigen();
    ETotalD[d]->setText(FeldSumme(EVolleD[d]->text(), EAbrD[d]->text()));
    SpielerdatenFelder f = felder();
    ErgebnisseSummieren(f);
    EVolle->setText(f.Volle);
    EAbr->setText(f.Abr);
    EFehler->setText(f.Fehler);
    ETotal->setText(f.Total);
}

void TSpielerdaten::EPunkteChange() { KnoepfeZeigen(); }

SpielerdatenFelder TSpielerdaten::felder() const
{
    SpielerdatenFelder f;
    f.Name = EName->text();
    f.Pass = EPass->text();
    f.Gebdat = EGeb->displayText();
    f.LetztSpiel = ELetztSpiel->text();
    f.LetztPlatz = ELetztPlatz->text();
    f.Wertung = CBWertung->isChecked();
    f.Volle = EVolle->text();
    f.Abr = EAbr->text();
    f.Fehler = EFehler->text();
    f.Wurf = EWurf->text();
    f.Bonus = EBonus->text();
    f.Total = ETotal->text();
    f.Platz = EPlatz->text();
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        BahnblockFelder& b = f.bahnen[d];
        b.Wurf = EWurfD[d]->text();
        b.Volle = EVolleD[d]->text();
        b.Abr = EAbrD[d]->text();
        b.Fehler = EFehlerD[d]->text();
        b.Total = ETotalD[d]->text();
        b.Punkte = EPunkteD[d]->displayText();
    }
    return f;
}

void TSpielerdaten::LBerechnenClick()
{
    if (!AktWettkampf) return;
    PunkteNeuBerechnen(*AktWettkampf);
    if (fenster().offen(MdiFenster::Ergebnis)) fenster().aktualisieren(MdiFenster::Ergebnis);
}

void TSpielerdaten::BtnWurflisteClick() { fenster().dialog(Dialog::Wurfliste); }

void TSpielerdaten::BtnSpielerkarteClick() { fenster().dialog(Dialog::Spielerkarte); }

void TSpielerdaten::BtnUebernehmenClick(bool anBahn)
{
    if (!AktWettkampf || m_nr == 0) return;
    const Uebernahme u = BahnergebnisseUebernehmen(*AktWettkampf, m_nr, felder(), m_zustand, anBahn);
    if (u.fehler) {
        boxen().hinweis(*u.fehler);
        return;
    }
    m_geaendert = false;
    BtnAusbessernPCBahn->hide();
    BtnAusbessernPC->hide();
    accept();
}

void TSpielerdaten::BtnOkClick()
{
    if (!AktWettkampf || m_nr == 0) return reject();
    if (const auto fehler = SpielerdatenUebernehmen(*AktWettkampf, m_nr, felder())) {
        boxen().hinweis(*fehler);
        return;
    }
    accept();
}

void TSpielerdaten::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    BtnAbbrechen->setFocus();
}

void TSpielerdaten::done(int ergebnis)
{
    QDialog::done(ergebnis);
    bahnfenster().bahnsteuerungNachVorn();
}

bool TSpielerdaten::eventFilter(QObject* objekt, QEvent* event)
{
    const QEvent::Type t = event->type();
    if (objekt == LBerechnen) {
        if (t == QEvent::MouseButtonRelease) LBerechnenClick();
        return QDialog::eventFilter(objekt, event);
    }
    auto* e = qobject_cast<QLineEdit*>(objekt);
    if (!e) return QDialog::eventFilter(objekt, event);
    if (t == QEvent::MouseButtonPress && e->property("Tag").toInt() >= 1) m_geaendert = true;
    // Outside touch mode a click puts the caret after the text, a double
    // click selects it all (touch mode: the keyboard opens instead).
    if (!TouchEingabe && (t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick)) {
        if (t == QEvent::MouseButtonDblClick) e->selectAll();
        else if (!e->hasSelectedText()) e->setCursorPosition(textEnde(e));
        if (t == QEvent::MouseButtonDblClick) return true;
    }
    return QDialog::eventFilter(objekt, event);
}
