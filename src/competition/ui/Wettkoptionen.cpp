#include "competition/ui/Wettkoptionen.h"

#include "competition/ui/Maskenfeld.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QLineEdit* feld(QWidget* eltern, const char* name, int maxLaenge, const QString& maske = {})
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    if (!maske.isEmpty()) {
        e->setInputMask(maske);
        MaskenfeldEinrichten(e);
        e->setFixedWidth(48);
    } else {
        e->setMaxLength(maxLaenge);
    }
    return e;
}

QCheckBox* box(QWidget* eltern, const char* name, const QString& text)
{
    auto* c = new QCheckBox(text, eltern);
    c->setObjectName(QLatin1String(name));
    return c;
}

void zeile(QGridLayout* raster, const QString& text, QWidget* w)
{
    const int z = raster->rowCount();
    auto* l = new QLabel(text);
    l->setBuddy(w);
    raster->addWidget(l, z, 0);
    raster->addWidget(w, z, 1, Qt::AlignLeft);
}

void setzen(QCheckBox* c, bool an, bool frei)
{
    const QSignalBlocker sperre(c);
    c->setChecked(an);
    c->setEnabled(frei);
}

void setzen(QLineEdit* e, const QString& text)
{
    const QSignalBlocker sperre(e);
    if (e->text() != text) e->setText(text);
}

}  // namespace

TWettkoptionen::TWettkoptionen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TWettkoptionen"));
    setWindowTitle(QStringLiteral("Spieldaten"));
    HintergrundSetzen(this, u"ColorSpieldaten");

    EVolle = feld(this, "EVolle", 3, QStringLiteral("999"));
    EAbr = feld(this, "EAbr", 3, QStringLiteral("999"));
    EWurfZeit = feld(this, "EWurfZeit", 3, QStringLiteral("999"));
    CBManualBahnw = box(this, "CBManualBahnw", QStringLiteral("  manueller Bahnwechsel"));
    ELand = feld(this, "ELand", 30);
    EBezirk = feld(this, "EBezirk", 30);
    EOrt = feld(this, "EOrt", 30);
    EOrt->setEnabled(false);
    ESpielBeg = feld(this, "ESpielBeg", 8);
    ESpielEnd = feld(this, "ESpielEnd", 8);
    ESpielTag = feld(this, "ESpielTag", 3);
    for (QLineEdit* e : {ESpielBeg, ESpielEnd, ESpielTag}) e->setFixedWidth(80);

    CBDrWurfblatt = box(this, "CBDrWurfblatt", QStringLiteral("  PC steuert Wurfblattdruck"));
    CBDrZweiBahnen = box(this, "CBDrZweiBahnen", QStringLiteral("  Wurfblattdruck für jeweils 2 Bahnen"));
    CBDrZentral = box(this, "CBDrZentral", QStringLiteral("  zentraler Wurfblattdruck"));
    CBDrSparmodus = box(this, "CBDrSparmodus", QStringLiteral("  bei 2 Bahnen Papier sparen"));
    CBDrKopf = box(this, "CBDrKopf", QStringLiteral("  Wurfblatt mit Kopf drucken"));
    CBDrFuss = box(this, "CBDrFuss", QStringLiteral("  Wurfblatt mit Fuß drucken"));

    CBStreichspiel = box(this, "CBStreichspiel", QStringLiteral("  Streichspiel"));
    CBPunktespiel = box(this, "CBPunktespiel", QStringLiteral("  Punktespiel"));
    CBSVictory1Spiel = box(this, "CBSVictory1Spiel", QStringLiteral("  Sudden Victory nach 1 Spiel"));
    CBSVictory2Spiele = box(this, "CBSVictory2Spiele", QStringLiteral("  Sudden Victory nach 2 Spielen"));
    LSVictory1Spiel = new QLabel(QStringLiteral("Würfe:"), this);
    LSVictory1Spiel->setObjectName(QStringLiteral("LSVictory1Spiel"));
    LSVictory2Spiele = new QLabel(QStringLiteral("Würfe:"), this);
    LSVictory2Spiele->setObjectName(QStringLiteral("LSVictory2Spiele"));
    ESVictory1Spiel = feld(this, "ESVictory1Spiel", 2, QStringLiteral("99"));
    ESVictory2Spiele = feld(this, "ESVictory2Spiele", 2, QStringLiteral("99"));

    CBSatzanzeige = box(this, "CBSatzanzeige", QStringLiteral("  Spielanzeige mit Satzergebnis"));
    CBBahnergebnisse = box(this, "CBBahnergebnisse", QStringLiteral("  Spielanzeige mit Bahnergebnis"));

    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));
    BtnInternet = BoxKnopf(this, QStringLiteral("BtnInternet"), QStringLiteral("&Internet"));

    // Layout: throws and venue on the left, printing, scoring and display on the right.
    auto* wurf = new QGroupBox(QStringLiteral("Wurfvorwahl"), this);
    auto* wurfRaster = new QGridLayout(wurf);
    zeile(wurfRaster, QStringLiteral("Vorwahl Volle:"), EVolle);
    zeile(wurfRaster, QStringLiteral("Vorwahl Abräumen:"), EAbr);
    zeile(wurfRaster, QStringLiteral("Vorwahl Zeit:"), EWurfZeit);
    wurfRaster->addWidget(new QLabel(QStringLiteral("Minuten")), wurfRaster->rowCount() - 1, 2);
    wurfRaster->addWidget(CBManualBahnw, wurfRaster->rowCount(), 0, 1, 3);
    wurfRaster->setColumnStretch(3, 1);

    auto* ort = new QGroupBox(QStringLiteral("Spielort"), this);
    auto* ortRaster = new QGridLayout(ort);
    zeile(ortRaster, QStringLiteral("Land:"), ELand);
    zeile(ortRaster, QStringLiteral("Bezirk:"), EBezirk);
    zeile(ortRaster, QStringLiteral("Ort:"), EOrt);
    zeile(ortRaster, QStringLiteral("Spielbeginn:"), ESpielBeg);
    zeile(ortRaster, QStringLiteral("Spielende:"), ESpielEnd);
    zeile(ortRaster, QStringLiteral("Spieltag:"), ESpielTag);
    for (QLineEdit* e : {ELand, EBezirk, EOrt}) e->setMinimumWidth(220);

    auto* druck = new QGroupBox(QStringLiteral("Wurfblattdruck"), this);
    auto* druckSpalte = new QVBoxLayout(druck);
    for (QCheckBox* c : {CBDrWurfblatt, CBDrZweiBahnen, CBDrZentral, CBDrSparmodus, CBDrKopf, CBDrFuss})
        druckSpalte->addWidget(c);

    auto* wertung = new QGroupBox(QStringLiteral("Wertung"), this);
    auto* wertungRaster = new QGridLayout(wertung);
    wertungRaster->addWidget(CBStreichspiel, 0, 0, 1, 3);
    wertungRaster->addWidget(CBPunktespiel, 1, 0, 1, 3);
    wertungRaster->addWidget(CBSVictory1Spiel, 2, 0);
    wertungRaster->addWidget(LSVictory1Spiel, 2, 1);
    wertungRaster->addWidget(ESVictory1Spiel, 2, 2);
    wertungRaster->addWidget(CBSVictory2Spiele, 3, 0);
    wertungRaster->addWidget(LSVictory2Spiele, 3, 1);
    wertungRaster->addWidget(ESVictory2Spiele, 3, 2);

    auto* anzeige = new QGroupBox(QStringLiteral("Ergebnisanzeige"), this);
    auto* anzeigeSpalte = new QVBoxLayout(anzeige);
    anzeigeSpalte->addWidget(CBSatzanzeige);
    anzeigeSpalte->addWidget(CBBahnergebnisse);

    auto* links = new QVBoxLayout;
    links->addWidget(wurf);
    links->addWidget(ort);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(druck);
    rechts->addWidget(wertung);
    rechts->addWidget(anzeige);
    rechts->addStretch();
    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links);
    spalten->addLayout(rechts);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BtnInternet);
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(spalten);
    haupt->addLayout(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);

    m_tastatur = new TastaturFelder(this, 290, 298);
    m_tastatur->feld(290, QStringLiteral("Vorwahl Volle:"), ModusZiffern, EVolle);
    m_tastatur->feld(291, QStringLiteral("Vorwahl Abräumen:"), ModusZiffern, EAbr);
    m_tastatur->feld(292, QStringLiteral("Vorwahl Zeit:"), ModusZiffern, EWurfZeit);
    m_tastatur->feld(293, QStringLiteral("Land:"), ModusText, ELand);
    m_tastatur->feld(294, QStringLiteral("Bezirk:"), ModusText, EBezirk);
    m_tastatur->feld(296, QStringLiteral("Spieltag:"), ModusText, ESpielTag);
    m_tastatur->feld(297, QStringLiteral("Spielbeginn:"), ModusText, ESpielBeg);
    m_tastatur->feld(298, QStringLiteral("Spielende:"), ModusText, ESpielEnd);

    const std::pair<QCheckBox*, Optionsbox> klickboxen[] = {
        {CBDrWurfblatt, Optionsbox::DrWurfblatt},       {CBDrZweiBahnen, Optionsbox::DrZweiBahnen},
        {CBDrZentral, Optionsbox::DrZentral},           {CBDrSparmodus, Optionsbox::DrSparmodus},
        {CBPunktespiel, Optionsbox::Punktespiel},       {CBSVictory1Spiel, Optionsbox::SVictory1Spiel},
        {CBSVictory2Spiele, Optionsbox::SVictory2Spiele}, {CBSatzanzeige, Optionsbox::Satzanzeige},
        {CBBahnergebnisse, Optionsbox::Bahnergebnisse},
    };
    for (const auto& [c, b] : klickboxen) connect(c, &QCheckBox::clicked, this, [this, b] { klick(b); });
    for (QLineEdit* e : {ESVictory1Spiel, ESVictory2Spiele}) {
        connect(e, &QLineEdit::textEdited, this, [e](const QString& text) {
            if (!AktWettkampf) return;
            const QString t = SVictoryWuerfeBegrenzen(text, AktWettkampf->Volle);
            if (t != text) e->setText(t);
        });
    }
    connect(BtnOk, &QPushButton::clicked, this, &TWettkoptionen::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnInternet, &QPushButton::clicked, this, [] { fenster().dialog(Dialog::Internet); });
}

void TWettkoptionen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_zentraldrucker = ZentraldruckerVorhanden();
    if (AktWettkampf) {
        m_punktespielVorher = AktWettkampf->Punktespiel;
        zeigen(WettkampfoptionenLesen(*AktWettkampf, m_zentraldrucker));
    }
    BtnOk->setEnabled(AktWettkampf != nullptr);
    BtnOk->setFocus();
}

void TWettkoptionen::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menue(this);
    HintergrundAktion(this, u"ColorSpieldaten", &menue);
    menue.exec(event->globalPos());
}

Wettkampfoptionen TWettkoptionen::werte() const
{
    Wettkampfoptionen o;
    o.Volle = EVolle->text();
    o.Abraeumen = EAbr->text();
    o.Wurfzeit = EWurfZeit->text();
    o.ManualBahnw = CBManualBahnw->isChecked();
    o.Land = ELand->text();
    o.Bezirk = EBezirk->text();
    o.Beginn = ESpielBeg->text();
    o.Ende = ESpielEnd->text();
    o.Spieltag = ESpielTag->text();
    o.DrWurfblatt = CBDrWurfblatt->isChecked();
    o.DrZweiBahnen = CBDrZweiBahnen->isChecked();
    o.DrZentral = CBDrZentral->isChecked();
    o.DrSparmodus = CBDrSparmodus->isChecked();
    o.DrKopf = CBDrKopf->isChecked();
    o.DrFuss = CBDrFuss->isChecked();
    o.Streichspiel = CBStreichspiel->isChecked();
    o.Punktespiel = CBPunktespiel->isChecked();
    o.SVictory1Spiel = CBSVictory1Spiel->isChecked();
    o.SVictory2Spiele = CBSVictory2Spiele->isChecked();
    o.SVictory1Wuerfe = FeldText(ESVictory1Spiel);
    o.SVictory2Wuerfe = FeldText(ESVictory2Spiele);
    o.Satzanzeige = CBSatzanzeige->isChecked();
    o.Bahnergebnisse = CBBahnergebnisse->isChecked();
    return o;
}

void TWettkoptionen::zeigen(const Wettkampfoptionen& o)
{
    const WettkampfoptionenFreigabe f = WettkampfoptionenFreigaben(o, m_zentraldrucker);
    setzen(EVolle, o.Volle);
    setzen(EAbr, o.Abraeumen);
    setzen(EWurfZeit, o.Wurfzeit);
    setzen(CBManualBahnw, o.ManualBahnw, true);
    setzen(ELand, o.Land);
    setzen(EBezirk, o.Bezirk);
    setzen(ESpielBeg, o.Beginn);
    setzen(ESpielEnd, o.Ende);
    setzen(ESpielTag, o.Spieltag);
    setzen(CBDrWurfblatt, o.DrWurfblatt, f.DrWurfblatt);
    setzen(CBDrZweiBahnen, o.DrZweiBahnen, f.DrZweiBahnen);
    setzen(CBDrZentral, o.DrZentral, f.DrZentral);
    setzen(CBDrSparmodus, o.DrSparmodus, f.DrSparmodus);
    setzen(CBDrKopf, o.DrKopf, f.DrKopf);
    setzen(CBDrFuss, o.DrFuss, f.DrFuss);
    setzen(CBStreichspiel, o.Streichspiel, true);
    setzen(CBPunktespiel, o.Punktespiel, true);
    setzen(CBSVictory1Spiel, o.SVictory1Spiel, f.SVictory1Spiel);
    setzen(CBSVictory2Spiele, o.SVictory2Spiele, f.SVictory2Spiele);
    LSVictory1Spiel->setEnabled(f.SVictory1Spiel);
    LSVictory2Spiele->setEnabled(f.SVictory2Spiele);
    setzen(ESVictory1Spiel, o.SVictory1Wuerfe);
    setzen(ESVictory2Spiele, o.SVictory2Wuerfe);
    ESVictory1Spiel->setEnabled(f.SVictory1Wuerfe);
    ESVictory2Spiele->setEnabled(f.SVictory2Wuerfe);
    setzen(CBSatzanzeige, o.Satzanzeige, true);
    setzen(CBBahnergebnisse, o.Bahnergebnisse, true);
}

void TWettkoptionen::klick(Optionsbox box)
{
    Wettkampfoptionen o = werte();
    WettkampfoptionenKlick(o, box);
    zeigen(o);
}

void TWettkoptionen::BtnOkClick()
{
    if (AktWettkampf) WettkampfoptionenUebernehmen(*AktWettkampf, werte(), m_punktespielVorher);
    accept();
}
