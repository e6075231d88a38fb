#include "shell/ui/OptionenVorwahl.h"

#include "competition/Startfolge.h"
#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Hilfe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Keyb.h"
#include "core/ui/Tastaturfelder.h"
#include "core/ui/Zeichenwache.h"
#include "shell/Namensliste.h"
#include "shell/ui/Listeneditor.h"
#include "shell/ui/OptionenSeiten.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString VorwahlSektion = QStringLiteral("[Wurfvorwahl]");

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis = QString())
{
    QPushButton* k = BoxKnopf(eltern, QLatin1String(name), text);
    k->setAutoDefault(false);
    k->setFixedWidth(62);
    if (!hinweis.isEmpty()) k->setToolTip(hinweis);
    return k;
}

QComboBox* Auswahl(QWidget* eltern, const char* name, bool editierbar, int laenge = 0)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QLatin1String(name));
    if (editierbar) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
        if (laenge > 0) c->lineEdit()->setMaxLength(laenge);
        // The same width whatever the entries hold.
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(12);
    }
    return c;
}

QLineEdit* Zahlfeld(QWidget* eltern, const char* name)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(2);
    e->setFixedWidth(40);
    return e;
}

// A combo with its three list buttons in one row.
QHBoxLayout* Listenzeile(QComboBox* combo, std::initializer_list<QPushButton*> knoepfe)
{
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(combo, 1);
    for (QPushButton* k : knoepfe) zeile->addWidget(k);
    return zeile;
}

QGroupBox* Gruppe(QWidget* eltern, const QString& titel, QLayout* inhalt)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setLayout(inhalt);
    return g;
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, QWidget* feld)
{
    auto* l = new QLabel(text, eltern);
    l->setBuddy(feld);
    return l;
}

}  // namespace

TVorwahlSeite::TVorwahlSeite(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabVorwahl"))
{
    CSektion = Auswahl(this, "CSektion", false);
    CSektion->addItems({QStringLiteral("Classic"), QStringLiteral("Bohle"), QStringLiteral("Schere")});
    CFormular = Auswahl(this, "CFormular", true);
    BtnFormularSuchen =
        Knopf(this, "BtnFormularSuchen", QStringLiteral("Suchen"), QStringLiteral("Berichtsformular suchen"));
    BtnFormularNeu = Knopf(this, "BtnFormularNeu", QStringLiteral("Neu"));
    BtnFormularUmbenennen = Knopf(this, "BtnFormularUmbenennen", QStringLiteral("Ändern"));
    BtnFormularLoeschen = Knopf(this, "BtnFormularLoeschen", QStringLiteral("Löschen"));

    CGruppe = Auswahl(this, "CGruppe", true, 20);
    BtnGruppeNeu = Knopf(this, "BtnGruppeNeu", QStringLiteral("Neu"));
    BtnGruppeUmbenennen = Knopf(this, "BtnGruppeUmbenennen", QStringLiteral("Ändern"));
    BtnGruppeLoeschen = Knopf(this, "BtnGruppeLoeschen", QStringLiteral("Löschen"));
    CKlasse = Auswahl(this, "CKlasse", true, 30);
    BtnKlasseNeu = Knopf(this, "BtnKlasseNeu", QStringLiteral("Neu"));
    BtnKlasseUmbenennen = Knopf(this, "BtnKlasseUmbenennen", QStringLiteral("Ändern"));
    BtnKlasseLoeschen = Knopf(this, "BtnKlasseLoeschen", QStringLiteral("Löschen"));

    CWurfvorw = Auswahl(this, "CWurfvorw", true, 20);
    // The name is the line's first field: a ';' in it would shift the others.
    CWurfvorw->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;]*")), CWurfvorw));
    BtnWurfvorwNeu = Knopf(this, "BtnWurfvorwNeu", QStringLiteral("Neu"));
    BtnWurfvorwUmbenennen =
        Knopf(this, "BtnWurfvorwUmbenennen", QStringLiteral("Ändern"), QStringLiteral("Wurfvorwahl ändern"));
    BtnWurfvowLoeschen = Knopf(this, "BtnWurfvowLoeschen", QStringLiteral("Löschen"));
    EVorwVolle = Zahlfeld(this, "EVorwVolle");
    EVorwAbr = Zahlfeld(this, "EVorwAbr");
    EVorwZeit = Zahlfeld(this, "EVorwZeit");
    CVorwSaetze = Auswahl(this, "CVorwSaetze", false);
    CVorwSaetze->addItems(Satzmodi());
    EProbeZeit = Zahlfeld(this, "EProbeZeit");
    EProbeWurf = Zahlfeld(this, "EProbeWurf");
    CVorwBahnen = Auswahl(this, "CVorwBahnen", true, 20);
    BtnBahnenNeu = Knopf(this, "BtnBahnenNeu", QStringLiteral("Neu"));
    BtnBahnenUmbenennen = Knopf(this, "BtnBahnenUmbenennen", QStringLiteral("Ändern"));
    BtnBahnenLoeschen = Knopf(this, "BtnBahnenLoeschen", QStringLiteral("Löschen"));
    BtnStartfolge =
        Knopf(this, "BtnStartfolge", QStringLiteral("Startfolge"), QStringLiteral("eigene Startfolge bearbeiten"));
    BtnStartfolge->setVisible(false);
    BtnStartfolge->setMinimumWidth(90);
    BtnStartfolge->setMaximumWidth(QWIDGETSIZE_MAX);
    BtnWurfvorwHelp = Knopf(this, "BtnWurfvorwHelp", QStringLiteral("Hilfe"));

    // Left: section and report layout, groups, classes.
    auto* kopf = new QGridLayout;
    kopf->addWidget(Beschriftung(this, QStringLiteral("Sektion:"), CSektion), 0, 0);
    kopf->addWidget(CSektion, 0, 1);
    kopf->addWidget(Beschriftung(this, QStringLiteral("Formular:"), CFormular), 1, 0);
    kopf->addWidget(CFormular, 1, 1);
    auto* formularKnoepfe = new QHBoxLayout;
    for (QPushButton* k : {BtnFormularSuchen, BtnFormularNeu, BtnFormularUmbenennen, BtnFormularLoeschen})
        formularKnoepfe->addWidget(k);
    kopf->addLayout(formularKnoepfe, 2, 1);
    kopf->setColumnStretch(1, 1);
    auto* links = new QVBoxLayout;
    links->addWidget(Gruppe(this, QStringLiteral("Vorgaben"), kopf));
    links->addWidget(Gruppe(this, QStringLiteral("Gruppe"),
                            Listenzeile(CGruppe, {BtnGruppeNeu, BtnGruppeUmbenennen, BtnGruppeLoeschen})));
    links->addWidget(Gruppe(this, QStringLiteral("Klasse"),
                            Listenzeile(CKlasse, {BtnKlasseNeu, BtnKlasseUmbenennen, BtnKlasseLoeschen})));
    links->addStretch(1);

    // Right: the presets.
    auto* vorwahl = new QGridLayout;
    vorwahl->addLayout(Listenzeile(CWurfvorw, {BtnWurfvorwNeu, BtnWurfvorwUmbenennen, BtnWurfvowLoeschen}), 0, 0, 1, 4);
    auto zahl = [&](int zeile, int spalte, const QString& text, QLineEdit* e, const QString& einheit = QString()) {
        vorwahl->addWidget(Beschriftung(this, text, e), zeile, spalte);
        auto* feld = new QHBoxLayout;
        feld->addWidget(e);
        if (!einheit.isEmpty()) feld->addWidget(new QLabel(einheit, this));
        feld->addStretch(1);
        vorwahl->addLayout(feld, zeile, spalte + 1);
    };
    zahl(1, 0, QStringLiteral("Volle:"), EVorwVolle);
    zahl(2, 0, QStringLiteral("Abräumen:"), EVorwAbr);
    zahl(3, 0, QStringLiteral("Spielzeit:"), EVorwZeit, QStringLiteral("min."));
    zahl(1, 2, QStringLiteral("zusätzl. Probezeit:"), EProbeZeit);
    zahl(2, 2, QStringLiteral("zusätzl. Probewurf:"), EProbeWurf);
    vorwahl->addWidget(Beschriftung(this, QStringLiteral("Sätze:"), CVorwSaetze), 4, 0);
    vorwahl->addWidget(CVorwSaetze, 4, 1, 1, 2);
    vorwahl->addWidget(BtnStartfolge, 4, 3);
    vorwahl->addWidget(Beschriftung(this, QStringLiteral("Bahnen:"), CVorwBahnen), 5, 0);
    vorwahl->addLayout(Listenzeile(CVorwBahnen, {BtnBahnenNeu, BtnBahnenUmbenennen, BtnBahnenLoeschen}), 5, 1, 1, 3);
    auto* hilfe = new QHBoxLayout;
    hilfe->addStretch(1);
    hilfe->addWidget(BtnWurfvorwHelp);
    vorwahl->addLayout(hilfe, 6, 0, 1, 4);
    vorwahl->setColumnStretch(1, 1);
    vorwahl->setColumnStretch(3, 1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Gruppe(this, QStringLiteral("Wurfvorwahl"), vorwahl));
    rechts->addStretch(1);

    auto* seite = new QHBoxLayout(this);
    seite->addLayout(links, 1);
    seite->addLayout(rechts, 1);

    // The on-screen keyboard: each run of codes is a range of its own.
    auto* zahlen = new TastaturFelder(this, 200, 202);
    zahlen->feld(200, QStringLiteral("Vorwahl Volle:"), ModusZiffern, EVorwVolle);
    zahlen->feld(201, QStringLiteral("Vorwahl Abräumen:"), ModusZiffern, EVorwAbr);
    zahlen->feld(202, QStringLiteral("Vorwahl Spielzeit:"), ModusZiffern, EVorwZeit);
    auto* name = new TastaturFelder(this, 203, 203);
    name->feld(203, QStringLiteral("zusätzl. Wurfauswahl:"), ModusText, CWurfvorw);
    auto* probe = new TastaturFelder(this, 204, 205);
    probe->feld(204, QStringLiteral("Probeauswahl Wurf:"), ModusZiffern, EProbeWurf);
    probe->feld(205, QStringLiteral("Probeauswahl Zeit:"), ModusZiffern, EProbeZeit);
    auto* formular = new TastaturFelder(this, 209, 209);
    formular->feld(209, QStringLiteral("Formular:"), ModusText, CFormular);

    m_gruppen = new Listeneditor(CGruppe, BtnGruppeNeu, BtnGruppeUmbenennen, BtnGruppeLoeschen, 206,
                                 QStringLiteral("Gruppen:"), MaxGruppen);
    m_klassen = new Listeneditor(CKlasse, BtnKlasseNeu, BtnKlasseUmbenennen, BtnKlasseLoeschen, 207,
                                 QStringLiteral("Klassen:"), MaxKlassen);
    m_bahnen = new Listeneditor(CVorwBahnen, BtnBahnenNeu, BtnBahnenUmbenennen, BtnBahnenLoeschen, 217,
                                QStringLiteral("Bahnen:"), MaxBahneintraege);
    m_bahnen->pruefen = [this](const QString& text) {
        return IstBahnText(text, bahnAnzahl()) ? QString() : QStringLiteral("Falsche Eingabe !");
    };
    connect(m_bahnen, &Listeneditor::bearbeitet, this, [this] { m_geaendert = true; });

    connect(CSektion, &QComboBox::currentIndexChanged, this, &TVorwahlSeite::CSektionChange);
    connect(CFormular, &QComboBox::activated, this, &TVorwahlSeite::CFormularClick);
    connect(BtnFormularSuchen, &QPushButton::clicked, this, &TVorwahlSeite::BtnFormularSuchenClick);
    connect(BtnFormularNeu, &QPushButton::clicked, this, &TVorwahlSeite::BtnFormularNeuClick);
    connect(BtnFormularUmbenennen, &QPushButton::clicked, this, &TVorwahlSeite::BtnFormularUmbenennenClick);
    connect(BtnFormularLoeschen, &QPushButton::clicked, this, &TVorwahlSeite::BtnFormularLoeschenClick);
    connect(CWurfvorw, &QComboBox::activated, this, &TVorwahlSeite::CWurfvorwClick);
    connect(BtnWurfvorwNeu, &QPushButton::clicked, this, &TVorwahlSeite::BtnWurfvorwNeuClick);
    connect(BtnWurfvorwUmbenennen, &QPushButton::clicked, this, &TVorwahlSeite::BtnWurfvorwUmbenennenClick);
    connect(BtnWurfvowLoeschen, &QPushButton::clicked, this, &TVorwahlSeite::BtnWurfvorwLoeschenClick);
    for (QLineEdit* e : {EVorwVolle, EVorwAbr, EVorwZeit, EProbeZeit, EProbeWurf})
        connect(e, &QLineEdit::textEdited, this, [this] { m_geaendert = true; });
    connect(CVorwSaetze, &QComboBox::currentIndexChanged, this, &TVorwahlSeite::CVorwSaetzeChange);
    connect(BtnStartfolge, &QPushButton::clicked, this, &TVorwahlSeite::BtnStartfolgeClick);
    connect(BtnWurfvorwHelp, &QPushButton::clicked, this, &TVorwahlSeite::BtnWurfvorwHelpClick);
}

int TVorwahlSeite::bahnAnzahl() const
{
    if (const Optionenseite* s = m_dialog.seite(TOptionen::Bahnsteuerung))
        if (const auto* c = s->findChild<QComboBox*>(QStringLiteral("CBahnenAnzahl")))
            if (const int n = TextZuZahl(c->currentText()); n > 0) return n;
    return BahnAnzahl;
}

void TVorwahlSeite::laden()
{
    {
        const QSignalBlocker sperre1(CWurfvorw), sperre2(CFormular), sperre3(CSektion);
        CWurfvorw->clear();
        for (const QString& zeile : std::as_const(WurfvorwListe)) CWurfvorw->addItem(WurfvorwahlName(zeile));
        CFormular->clear();
        CFormular->addItems(FormularNamen);

        CSektion->setCurrentIndex(CSektion->findText(Einst.Sektion));
        CFormular->setCurrentIndex(Einst.FormularNummer < CFormular->count() ? Einst.FormularNummer : -1);
        CWurfvorw->setCurrentIndex(CWurfvorw->count() > 0 ? 0 : -1);
    }
    m_formular = CFormular->currentIndex();
    formularNeuKnopf();
    m_vorwahl = CWurfvorw->currentIndex();
    vorwahlNeuKnopf();
    m_startfolgeVorwahl = -1;
    vorwahlLaden();
    m_gruppen->fuellen(GruppeListe);
    m_klassen->fuellen(KlasseListe);
    m_geaendert = false;
}

void TVorwahlSeite::speichern()
{
    aenderungenFragen();
    // A section or layout that the lists do not hold keeps the setting.
    if (CSektion->currentIndex() >= 0) Einst.Sektion = CSektion->currentText();
    if (CFormular->currentIndex() >= 0) Einst.FormularNummer = u8(CFormular->currentIndex());
    GruppeListe = m_gruppen->eintraege();
    KlasseListe = m_klassen->eintraege();
}

std::vector<Optionsschluessel> TVorwahlSeite::schluessel() const
{
    return {{VorwahlSektion, QStringLiteral("Sektion")}, {VorwahlSektion, QStringLiteral("VorwFormular")}};
}

void TVorwahlSeite::gezeigt() { m_geaendert = false; }

// --- Section and report layouts ----------------------------------------------------

void TVorwahlSeite::CSektionChange()
{
    const Sektionsvorgaben v = SektionVorgaben(CSektion->currentText());
    if (v.volle) EVorwVolle->setText(QString::number(*v.volle));
    if (v.abraeumen) EVorwAbr->setText(QString::number(*v.abraeumen));
    if (v.zeit) EVorwZeit->setText(QString::number(*v.zeit));
}

void TVorwahlSeite::CFormularClick() { m_formular = CFormular->currentIndex(); }

void TVorwahlSeite::BtnFormularSuchenClick()
{
    if (CFormular->currentIndex() < FesteFormulare || m_formular < FesteFormulare) return;
    const QString start = QDir(Datenverzeichnis).filePath(CFormular->currentText() + QStringLiteral(".crd"));
    const QString datei = QFileDialog::getOpenFileName(this, QStringLiteral("Formular suchen"), start,
                                                       QStringLiteral("Formular (*.crd)"));
    if (!datei.isEmpty() && ZeichenPasst(CFormular, datei)) FormularDateiSetzen(FormularDateien, m_formular, datei);
}

void TVorwahlSeite::BtnFormularNeuClick()
{
    if (m_formular < FesteFormulare - 1 || CFormular->count() >= MaxFormulare) return;
    const int pos = std::min(m_formular + 1, CFormular->count());
    QString name = CFormular->currentText();
    {
        const QSignalBlocker sperre(CFormular);
        CFormular->insertItem(pos, TouchEingabe ? QString() : name);
        CFormular->setCurrentIndex(pos);
    }
    if (TouchEingabe) {
        tastatur(209);
        name = CFormular->itemText(pos);
        if (name.isEmpty()) {
            const QSignalBlocker sperre(CFormular);
            CFormular->removeItem(pos);
            CFormular->setCurrentIndex(m_formular);
            return;
        }
    }
    m_formular = pos;
    FormularEinfuegen(FormularNamen, FormularDateien, pos - 1, name);
    formularNeuKnopf();
}

void TVorwahlSeite::BtnFormularUmbenennenClick()
{
    if (TouchEingabe) tastatur(209);
    if (m_formular < 0 || m_formular >= CFormular->count()) return;
    const QString name = CFormular->currentText();
    CFormular->setItemText(m_formular, name);
    FormularUmbenennen(FormularNamen, m_formular, name);
}

void TVorwahlSeite::BtnFormularLoeschenClick()
{
    if (m_formular < FesteFormulare || m_formular >= CFormular->count()) return;
    FormularLoeschen(FormularNamen, FormularDateien, m_formular);
    {
        const QSignalBlocker sperre(CFormular);
        CFormular->removeItem(m_formular);
        CFormular->setCurrentIndex(0);
    }
    m_formular = CFormular->currentIndex();
    formularNeuKnopf();
}

void TVorwahlSeite::formularNeuKnopf() { BtnFormularNeu->setEnabled(CFormular->count() < MaxFormulare); }

// --- Throw presets ------------------------------------------------------------------------

void TVorwahlSeite::CWurfvorwClick()
{
    if (m_vorwahl < 0) return;
    aenderungenFragen();
    m_geaendert = false;
    m_vorwahl = CWurfvorw->currentIndex();
    vorwahlLaden();
}

void TVorwahlSeite::vorwahlLaden()
{
    if (m_vorwahl >= 0 && m_vorwahl < WurfvorwListe.size()) vorwahlAnzeigen(m_vorwahl);
    BtnStartfolge->setVisible(CVorwSaetze->currentIndex() + 1 == SatzmodusFrei);
}

void TVorwahlSeite::vorwahlAnzeigen(int index)
{
    const Wurfvorwahlzeile z = WurfvorwahlZeileLesen(WurfvorwListe.at(index));
    auto zeigen = [](QLineEdit* e, const std::optional<int>& wert, bool nullLeer) {
        if (!wert) return;
        e->setText(nullLeer ? ZahlZuText(std::uint16_t(*wert)) : QString::number(*wert));
    };
    zeigen(EVorwVolle, z.volle, false);
    zeigen(EVorwAbr, z.abraeumen, false);
    zeigen(EVorwZeit, z.zeit, false);
    if (z.satzmodus) {
        // A set mode that is no number or out of range shows the first one.
        const int modus = *z.satzmodus;
        const QSignalBlocker sperre(CVorwSaetze);
        CVorwSaetze->setCurrentIndex(modus >= 1 && modus <= CVorwSaetze->count() ? modus - 1 : 0);
    }
    zeigen(EProbeZeit, z.probeZeit, true);
    zeigen(EProbeWurf, z.probeWurf, true);
    m_bahnen->fuellen(z.bahnen);
}

Wurfvorwahlfelder TVorwahlSeite::felder(const QString& name)
{
    Wurfvorwahlfelder f;
    f.name = QString(name).remove(QLatin1Char(';'));
    f.volle = TextZuZahl(EVorwVolle->text());
    f.abraeumen = TextZuZahl(EVorwAbr->text());
    WuerfeKappen(f.volle, f.abraeumen);
    EVorwVolle->setText(QString::number(f.volle));
    EVorwAbr->setText(QString::number(f.abraeumen));
    f.zeit = TextZuZahl(EVorwZeit->text());
    f.satzmodus = std::max(CVorwSaetze->currentIndex(), 0) + 1;
    f.probeZeit = TextZuZahl(EProbeZeit->text());
    f.probeWurf = TextZuZahl(EProbeWurf->text());
    f.bahnen = m_bahnen->eintraege();
    return f;
}

void TVorwahlSeite::vorwahlSpeichern(int index, const QString& name)
{
    if (index < 0 || index >= WurfvorwListe.size()) return;
    m_geaendert = false;
    WurfvorwListe[index] = WurfvorwahlZeileBauen(felder(name));
    // The plan confirmed in the start-order editor for this preset; a plan
    // kept from before is never overwritten by an empty one.
    if (CVorwSaetze->currentIndex() + 1 == SatzmodusFrei && m_startfolgeVorwahl == index) StartfolgeSpeichern(index);
}

void TVorwahlSeite::aenderungenFragen()
{
    if (!m_geaendert) return;
    const bool ja = boxen().hinweisJa(QStringLiteral("Änderungen übernehmen ?")) == ErgebnisJa;
    m_geaendert = false;
    // Into the preset being left, under its own name.
    if (ja && m_vorwahl >= 0 && m_vorwahl < CWurfvorw->count())
        vorwahlSpeichern(m_vorwahl, CWurfvorw->itemText(m_vorwahl));
}

void TVorwahlSeite::BtnWurfvorwNeuClick()
{
    if (CWurfvorw->count() >= MaxWurfvorwahlen) return vorwahlNeuKnopf();
    aenderungenFragen();
    const int pos = NeuePosition(m_vorwahl, CWurfvorw->count());
    QString name = CWurfvorw->currentText().remove(QLatin1Char(';'));
    {
        const QSignalBlocker sperre(CWurfvorw);
        CWurfvorw->insertItem(pos, TouchEingabe ? QString() : name);
        CWurfvorw->setCurrentIndex(pos);
    }
    WurfvorwListe.insert(pos, QString());
    if (TouchEingabe) {
        tastatur(203);
        name = CWurfvorw->itemText(pos).remove(QLatin1Char(';'));
        if (name.isEmpty()) {
            // No name typed: nothing is added.
            WurfvorwListe.removeAt(pos);
            const QSignalBlocker sperre(CWurfvorw);
            CWurfvorw->removeItem(pos);
            CWurfvorw->setCurrentIndex(m_vorwahl);
            return;
        }
    }
    WurfvorwListe[pos] = WurfvorwahlZeileBauen(felder(name));
    CWurfvorw->setItemText(pos, name);
    m_vorwahl = pos;
    m_geaendert = false;
    m_startfolgeVorwahl = -1;
    EVorwVolle->clear();
    EVorwAbr->clear();
    EVorwZeit->clear();
    vorwahlNeuKnopf();
}

void TVorwahlSeite::BtnWurfvorwUmbenennenClick()
{
    if (TouchEingabe) tastatur(203);
    if (m_vorwahl < 0 || m_vorwahl >= CWurfvorw->count()) return;
    const QString name = CWurfvorw->currentText().remove(QLatin1Char(';'));
    vorwahlSpeichern(m_vorwahl, name);
    const QSignalBlocker sperre(CWurfvorw);
    CWurfvorw->setItemText(m_vorwahl, name);
    CWurfvorw->setCurrentIndex(m_vorwahl);
}

void TVorwahlSeite::BtnWurfvorwLoeschenClick()
{
    if (m_vorwahl < 0 || m_vorwahl >= CWurfvorw->count()) return;
    if (m_vorwahl < WurfvorwListe.size()) WurfvorwListe.removeAt(m_vorwahl);
    {
        const QSignalBlocker sperre(CWurfvorw);
        CWurfvorw->removeItem(m_vorwahl);
        CWurfvorw->setCurrentIndex(CWurfvorw->count() > 0 ? 0 : -1);
    }
    m_vorwahl = CWurfvorw->currentIndex();
    m_geaendert = false;
    m_startfolgeVorwahl = -1;
    vorwahlNeuKnopf();
    // The fields show the preset now chosen, not the one deleted.
    vorwahlLaden();
}

void TVorwahlSeite::vorwahlNeuKnopf() { BtnWurfvorwNeu->setEnabled(CWurfvorw->count() < MaxWurfvorwahlen); }

void TVorwahlSeite::CVorwSaetzeChange()
{
    BtnStartfolge->setVisible(CVorwSaetze->currentIndex() + 1 == SatzmodusFrei);
    m_geaendert = true;
}

void TVorwahlSeite::BtnStartfolgeClick()
{
    if (m_vorwahl < 0) return;
    startfolgeZustand.VorgabeVorwahl = m_vorwahl;
    startfolgeZustand.VorgabeBahnText = CVorwBahnen->currentText();
    const bool ok = fenster().dialog(Dialog::Startfolge);
    startfolgeZustand.VorgabeVorwahl = -1;
    if (ok) m_startfolgeVorwahl = m_vorwahl;
}

void TVorwahlSeite::BtnWurfvorwHelpClick()
{
    HilfedateiZeigen(this, QStringLiteral("Hilfe_Wurfvorw.rtf"));
}

bool TVorwahlSeite::tastatur(u16 code)
{
    Feldcode = code;
    FeldcodeMin = code;
    FeldcodeMax = code;
    return TastaturAnzeigen(nullptr);
}

Optionenseite* VorwahlSeite(TOptionen& dialog) { return new TVorwahlSeite(dialog); }
