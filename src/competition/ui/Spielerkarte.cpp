#include "competition/ui/Spielerkarte.h"

#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "competition/ui/HinweisKarte.h"
#include "competition/ui/WettkampfIntern.h"
#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace WettkampfIntern;

namespace {

const QString KarteEinschiebenText = QStringLiteral("Bitte Karte einschieben !");

QString text(const QByteArray& b) { return Cp1252::decode(b); }

// A date edit's text as the card keeps it: empty while no digit is typed.
QByteArray datum(const QLineEdit* e) { return FeldText(e).isEmpty() ? QByteArray() : datumAusEdit(e); }

}  // namespace

TSpielerkarte::TSpielerkarte(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Spielerkarte"));
    setWindowTitle(QStringLiteral("Spielerkarte"));
    HintergrundSetzen(this, u"ColorSpielerkarte");
    ueberschreibenFragen = [this] {
        return KarteUeberschreibenFragen(this, QStringLiteral("Spielerkarte !"),
                                         QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
    };

    EName = textEdit(this, "EName", 30);
    EPass = ziffernEdit(this, QStringLiteral("EPass"), 6);
    EGeb = datumEdit(this, QStringLiteral("EGeb"));
    EGeschl = textEdit(this, "EGeschl", 8);
    EVerein = textEdit(this, "EVerein", 30);
    ESparte = textEdit(this, "ESparte", 12);
    EBeitrag = ziffernEdit(this, QStringLiteral("EBeitrag"), 2);
    EClub = textEdit(this, "EClub", 30);
    EKlasse = textEdit(this, "EKlasse", 30);
    for (int k = 0; k < 4; ++k) {
        EErsatzSpiel[std::size_t(k)] = textEdit(this, "", 30);
        EErsatzSpiel[std::size_t(k)]->setObjectName(QStringLiteral("EErsatzSpiel%1").arg(k + 1));
        EErsatzDat[std::size_t(k)] = datumEdit(this, QStringLiteral("EErsatzDat%1").arg(k + 1));
    }
    for (QLineEdit* e : {EPass, EBeitrag}) e->setFixedWidth(80);
    for (QLineEdit* e : {EGeb, EErsatzDat[0], EErsatzDat[1], EErsatzDat[2], EErsatzDat[3]}) e->setFixedWidth(80);
    for (QLineEdit* e : {EGeschl, ESparte}) e->setFixedWidth(130);
    for (QLineEdit* e : {EName, EVerein, EClub, EKlasse}) e->setMinimumWidth(260);
    for (QLineEdit* e : EErsatzSpiel) e->setMinimumWidth(260);

    // The on-screen keyboard's codes 110..126, in the order of the card.
    m_tastatur = new TastaturFelder(this, 110, 126);
    m_tastatur->feld(110, QStringLiteral("Karte.Name:"), ModusText, EName);
    m_tastatur->feld(111, QStringLiteral("Karte.Passnummer:"), ModusZiffern, EPass);
    m_tastatur->feld(112, QStringLiteral("Karte/Gebdatum:"), ModusDatum, EGeb);
    m_tastatur->feld(113, QStringLiteral("Karte/Geschlecht:"), ModusText, EGeschl);
    m_tastatur->feld(114, QStringLiteral("Karte/Verein:"), ModusText, EVerein);
    m_tastatur->feld(115, QStringLiteral("Karte/Sparte:"), ModusText, ESparte);
    m_tastatur->feld(116, QStringLiteral("Karte/Beitrag:"), ModusZiffern, EBeitrag);
    m_tastatur->feld(117, QStringLiteral("Karte/Club:"), ModusText, EClub);
    m_tastatur->feld(118, QStringLiteral("Karte/Klasse:"), ModusText, EKlasse);
    for (int k = 0; k < 4; ++k) {
        const u16 code = u16(119 + 2 * k);
        m_tastatur->feld(code, QStringLiteral("%1. Ersatzspiel:").arg(k + 1), ModusText, EErsatzSpiel[std::size_t(k)]);
        m_tastatur->feld(u16(code + 1), QStringLiteral("%1. Ersatzspiel/Datum:").arg(k + 1), ModusZiffern,
                         EErsatzDat[std::size_t(k)]);
    }
    // After the keyboard's filter, so that this one sees a tap first.
    m_masken = {EPass, EGeb, EBeitrag, EErsatzDat[0], EErsatzDat[1], EErsatzDat[2], EErsatzDat[3]};
    for (QLineEdit* e : m_masken) e->installEventFilter(this);
    for (QLineEdit* e : edits()) connect(e, &QLineEdit::textEdited, this, [this] { Geaendert = true; });

    BtnLesen = BoxKnopf(this, QStringLiteral("BtnLesen"), QStringLiteral("Karte &lesen"));
    BtnSpeichern = BoxKnopf(this, QStringLiteral("BtnSpeichern"), QStringLiteral("Karte &speichern"));
    BtnZurueck = BoxKnopf(this, QStringLiteral("BtnZurueck"), QStringLiteral("&Zurück"));
    for (QPushButton* b : {BtnLesen, BtnSpeichern, BtnZurueck}) {
        b->setAutoDefault(false);
        b->setMinimumSize(120, 28);
    }
    BtnZurueck->setDefault(true);
    connect(BtnLesen, &QPushButton::clicked, this, &TSpielerkarte::BtnLesenClick);
    connect(BtnSpeichern, &QPushButton::clicked, this, &TSpielerkarte::BtnSpeichernClick);
    connect(BtnZurueck, &QPushButton::clicked, this, &TSpielerkarte::BtnZurueckClick);

    PopupColorGround = HintergrundAktion(this, u"ColorSpielerkarte");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // Label, edit; a second pair beside it where the line has room.
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(10);
    raster->setVerticalSpacing(6);
    int zeile = 0;
    auto paar = [&](const QString& beschriftung, QWidget* edit, int spalte) {
        auto* l = new QLabel(beschriftung, this);
        l->setBuddy(edit);
        raster->addWidget(l, zeile, spalte);
        raster->addWidget(edit, zeile, spalte + 1, Qt::AlignLeft);
    };
    paar(QStringLiteral("Name:"), EName, 0);
    ++zeile;
    paar(QStringLiteral("Passnr.:"), EPass, 0);
    paar(QStringLiteral("Gebdatum:"), EGeb, 2);
    ++zeile;
    paar(QStringLiteral("Geschlecht:"), EGeschl, 0);
    ++zeile;
    paar(QStringLiteral("Verein:"), EVerein, 0);
    ++zeile;
    paar(QStringLiteral("Sparte:"), ESparte, 0);
    paar(QStringLiteral("Beitrag für:"), EBeitrag, 2);
    ++zeile;
    paar(QStringLiteral("Club:"), EClub, 0);
    ++zeile;
    paar(QStringLiteral("Klasse:"), EKlasse, 0);
    ++zeile;
    raster->setRowMinimumHeight(zeile++, 10);
    for (int k = 0; k < 4; ++k, ++zeile) {
        if (k == 0) raster->addWidget(new QLabel(QStringLiteral("Ersatzspiele:"), this), zeile, 0);
        raster->addWidget(EErsatzSpiel[std::size_t(k)], zeile, 1);
        paar(QStringLiteral("Datum:"), EErsatzDat[std::size_t(k)], 2);
    }
    raster->setColumnStretch(1, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BtnLesen);
    knoepfe->addWidget(BtnSpeichern);
    knoepfe->addStretch();
    knoepfe->addWidget(BtnZurueck);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(16, 16, 16, 12);
    spalte->addLayout(raster);
    spalte->addSpacing(12);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

TSpielerkarte::~TSpielerkarte() = default;

QList<QLineEdit*> TSpielerkarte::edits() const
{
    QList<QLineEdit*> l{EName, EPass, EGeb, EGeschl, EVerein, ESparte, EBeitrag, EClub, EKlasse};
    for (int k = 0; k < 4; ++k) l << EErsatzSpiel[std::size_t(k)] << EErsatzDat[std::size_t(k)];
    return l;
}

TSpielerkartenDaten TSpielerkarte::felder() const
{
    TSpielerkartenDaten d;
    d.Name = Cp1252::encode(EName->text());
    d.Pass = Cp1252::encode(EPass->text());
    d.Geburtsdatum = datum(EGeb);
    d.Geschlecht = Cp1252::encode(EGeschl->text());
    d.Verein = Cp1252::encode(EVerein->text());
    d.Sparte = Cp1252::encode(ESparte->text());
    d.Beitrag = Cp1252::encode(EBeitrag->text());
    d.Club = Cp1252::encode(EClub->text());
    d.Klasse = Cp1252::encode(EKlasse->text());
    d.Reserviert = m_reserviert;
    for (std::size_t k = 0; k < 4; ++k) {
        d.ErsatzSpiel[k] = Cp1252::encode(EErsatzSpiel[k]->text());
        d.ErsatzDatum[k] = datum(EErsatzDat[k]);
    }
    return d;
}

void TSpielerkarte::anzeigen(const TSpielerkartenDaten& d)
{
    EName->setText(text(d.Name));
    EPass->setText(text(d.Pass));
    EGeb->setText(text(d.Geburtsdatum));
    EGeschl->setText(text(d.Geschlecht));
    EVerein->setText(text(d.Verein));
    ESparte->setText(text(d.Sparte));
    EBeitrag->setText(text(d.Beitrag));
    EClub->setText(text(d.Club));
    EKlasse->setText(text(d.Klasse));
    for (std::size_t k = 0; k < 4; ++k) {
        EErsatzSpiel[k]->setText(text(d.ErsatzSpiel[k]));
        EErsatzDat[k]->setText(text(d.ErsatzDatum[k]));
    }
}

void TSpielerkarte::FormActivate()
{
    if (m_aktiviert) return;
    m_aktiviert = true;
    BtnZurueck->setFocus();
    FeldcodeMin = 110;
    FeldcodeMax = 126;
    // Neither the poll nor the match window's re-read may take the card meanwhile.
    Timer5().setEnabled(false);
    SpielerkarteNichtAbwarten();
    if (SpielerkarteLesen() == Kartenergebnis::Ok) {
        anzeigen(Spielerkarte);
        m_reserviert = Spielerkarte.Reserviert;
    } else {
        TSpielerkartenDaten d;
        if (AktSpieler) {
            d.Name = AktSpieler->Name.bytes();
            d.Pass = AktSpieler->Pass.bytes();
            d.Geburtsdatum = AktSpieler->Gebdat.bytes();
        }
        anzeigen(d);
    }
    Geaendert = false;
}

void TSpielerkarte::BtnLesenClick()
{
    BtnLesen->setDown(true);
    for (;;) {
        const Kartenergebnis r = SpielerkarteLesen();
        if (r == Kartenergebnis::Ok) {
            anzeigen(Spielerkarte);
            m_reserviert = Spielerkarte.Reserviert;
            Geaendert = false;
            break;
        }
        // A card of another kind was named to the operator; the edits stay.
        if (r == Kartenergebnis::FalscheKarte) break;
        if (boxen().hinweisOk(KarteEinschiebenText) != ErgebnisOk) break;
    }
    BtnLesen->setDown(false);
}

bool TSpielerkarte::karteSchreiben()
{
    const TSpielerkartenDaten d = felder();
    for (;;) {
        const Kartenergebnis r = SpielerkarteSchreiben(d, ueberschreibenFragen);
        if (r == Kartenergebnis::Ok) {
            Geaendert = false;
            return true;
        }
        if (r == Kartenergebnis::Abgebrochen) return false;
        if (boxen().hinweisOk(KarteEinschiebenText) != ErgebnisOk) return false;
    }
}

void TSpielerkarte::BtnSpeichernClick()
{
    BtnSpeichern->setDown(true);
    karteSchreiben();
    BtnSpeichern->setDown(false);
}

void TSpielerkarte::BtnZurueckClick()
{
    if (Geaendert && boxen().hinweisJa(QStringLiteral("Auf Karte speichern ?")) == ErgebnisJa) karteSchreiben();
    accept();
}

void TSpielerkarte::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

// In touch mode a tap on a masked edit puts the caret behind its text
// before the keyboard opens.
bool TSpielerkarte::eventFilter(QObject* objekt, QEvent* event)
{
    if ((event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && TouchEingabe) {
        if (auto* e = qobject_cast<QLineEdit*>(objekt); e && m_masken.contains(e))
            e->setCursorPosition(int(FeldText(e).size()));
    }
    return QDialog::eventFilter(objekt, event);
}

void TSpielerkarte::done(int ergebnis)
{
    if (m_aktiviert) KartenabfrageFortsetzen();
    QDialog::done(ergebnis);
}
