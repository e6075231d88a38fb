// The set-up window's two line-ups: the player lines, the edit menu and its
// commands, and dragging a name onto another slot.

#include "competition/ui/Wettkampf.h"

#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "competition/Mannschaftskarte.h"
#include "competition/Spielertabelle.h"
#include "competition/Wettkampfanzeige.h"
#include "competition/Wettkampfmenue.h"
#include "competition/ui/Mannschaftskarte.h"
#include "competition/ui/WettkampfDatenbank.h"
#include "competition/ui/WettkampfIntern.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "match/lanes/Bahnfenster.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

// What a dragged name carries: the source slot as decimal text.
constexpr char SlotMimeTyp[] = "application/x-corvalink-slot";
constexpr int DragAbstand = 10;

}  // namespace

using namespace WettkampfIntern;

// --- Construction ---------------------------------------------------------------------

QGroupBox* TWettkampf::mannschaftBauen(bool heim)
{
    auto* box = new QGroupBox(heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft"), this);
    box->setObjectName(heim ? QStringLiteral("GHeim") : QStringLiteral("GGast"));
    HintergrundSetzen(box, heim ? u"ColorHeim" : u"ColorGast");
    schriftfarbe(box, heim ? u"ColorHeaderHeim" : u"ColorHeaderGast");
    const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(4);
    g->addWidget(new QLabel(QStringLiteral("Name"), box), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Pass"), box), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Geb.-Datum"), box), 0, 3);
    auto* ersatz = new QLabel(QStringLiteral("Ersatzspieler"), box);
    ersatz->setObjectName(QStringLiteral("LErsatz") + seite);
    (heim ? LErsatzHeim : LErsatzGast) = ersatz;

    for (int k = 1; k <= 8; ++k) {
        const int n = heim ? k : k + 8;
        const int zeile = k <= 6 ? k : k + 1;
        auto* nummer = new QLabel(k <= 6 ? QString::number(k) : QStringLiteral("E%1").arg(k - 6), box);
        QLineEdit* name = textEdit(box, "", 30);
        name->setObjectName(QStringLiteral("E%1Name%2").arg(seite).arg(k));
        QLineEdit* pass = ziffernEdit(box, QStringLiteral("E%1Pass%2").arg(seite).arg(k), 6);
        QLineEdit* geb = datumEdit(box, QStringLiteral("E%1Geb%2").arg(seite).arg(k));
        pass->setMaximumWidth(80);
        geb->setMaximumWidth(90);
        for (QLineEdit* e : {name, pass, geb}) e->setProperty("Tag", n);
        m_nummer[n - 1] = nummer;
        m_name[n - 1] = name;
        m_pass[n - 1] = pass;
        m_geb[n - 1] = geb;
        g->addWidget(nummer, zeile, 0);
        g->addWidget(name, zeile, 1);
        g->addWidget(pass, zeile, 2);
        g->addWidget(geb, zeile, 3);
    }
    g->addWidget(ersatz, 7, 1, 1, 3);
    g->setColumnStretch(1, 1);
    return box;
}

void TWettkampf::aktionAnlegen(QAction*& a, const char* name, const QString& text, QMenu* menue)
{
    a = new QAction(text, this);
    a->setObjectName(QLatin1String(name));
    addAction(a);
    if (menue) menue->addAction(a);
}

void TWettkampf::aktionenBauen()
{
    PopupBearbeiten = new QMenu(this);
    PopupBearbeiten->setObjectName(QStringLiteral("PopupBearbeiten"));
    auto aktion = [this](QAction*& a, const char* name, const QString& text) {
        aktionAnlegen(a, name, text, PopupBearbeiten);
    };
    aktion(MRueckg, "MRueckg", QStringLiteral("&Rückgängig"));
    PopupBearbeiten->addSeparator();
    aktion(MAusschneiden, "MAusschneiden", QStringLiteral("&Ausschneiden"));
    aktion(MKopieren, "MKopieren", QStringLiteral("&Kopieren"));
    aktion(MEinfuegen, "MEinfuegen", QStringLiteral("&Einfügen"));
    PopupBearbeiten->addSeparator();
    aktion(MSpielerAusschneiden, "MSpielerAusschneiden", QStringLiteral("Spieler ausschneiden"));
    aktion(MSpielerKopieren, "MSpielerKopieren", QStringLiteral("Spieler kopieren"));
    aktion(MSpielerEinfuegen, "MSpielerEinfuegen", QStringLiteral("Spieler einfügen"));
    aktion(MSpielerLoeschen, "MSpielerLoeschen", QStringLiteral("Spieler löschen"));
    aktion(MInhaltEinfuegen, "MInhaltEinfuegen", QStringLiteral("Inhalt einfügen"));
    aktion(MInhaltLoeschen, "MInhaltLoeschen", QStringLiteral("Inhalt löschen"));
    PopupBearbeiten->addSeparator();
    aktion(MSpielerdaten, "MSpielerdaten", QStringLiteral("Spielerdaten..."));
    aktion(MSpieldaten, "MSpieldaten", QStringLiteral("Spieldaten..."));
    aktion(MSpielleiter, "MSpielleiter", QStringLiteral("Spielleiter..."));
    aktion(MMannschDaten, "MMannschDaten", QStringLiteral("Mannschaftsdaten..."));
    aktion(MSpielerkarte, "MSpielerkarte", QStringLiteral("Spielerkarte..."));
    PopupBearbeiten->addSeparator();
    aktion(MTouchEingabe, "MTouchEingabe", QStringLiteral("Touch-Eingabe"));
    aktion(MVerschieben, "MVerschieben", QStringLiteral("Verschieben"));
    MTouchEingabe->setCheckable(true);
    MVerschieben->setCheckable(true);
    PopupColorGround = HintergrundAktion(this, u"ColorSpiel", PopupBearbeiten);
}

void TWettkampf::aufstellungVerbinden()
{
    using F = Wettkampffeld;
    for (int n = 1; n <= MaxSpieler; ++n) {
        connect(name(n), &QLineEdit::textEdited, this, [this, n](const QString& t) {
            feldSchreiben(F::Spielerzeile, [&](TWettkampfDaten& w) { w.Spieler[n].Name.setzenText(t); });
        });
        connect(pass(n), &QLineEdit::textEdited, this, [this, n](const QString& t) {
            feldSchreiben(F::Spielerzeile, [&](TWettkampfDaten& w) { w.Spieler[n].Pass.setzenText(t); });
        });
        connect(geb(n), &QLineEdit::textEdited, this, [this, n] {
            feldSchreiben(F::Spielerzeile,
                          [&](TWettkampfDaten& w) { DatumBereinigen(w.Spieler[n].Gebdat, datumAusEdit(geb(n)).constData()); });
        });
        name(n)->setAcceptDrops(true);
    }

    // Menu commands: on the slot last pressed, or with the grid current on
    // the player database.
    auto spieler = [this](QAction* a, AufstellungErgebnis (*op)(TWettkampfDaten&, int),
                          void (TWettkampf::*grid)() = nullptr) {
        connect(a, &QAction::triggered, this, [this, op, grid] {
            if (AktSpielerNr != -1) return spielerOperation(op);
            if (grid) (this->*grid)();
            menueStatusSetzen();
        });
    };
    spieler(MSpielerAusschneiden, AufstellungAusschneiden, &TWettkampf::gridAusschneiden);
    spieler(MSpielerKopieren, AufstellungKopieren, &TWettkampf::gridKopieren);
    spieler(MSpielerEinfuegen, AufstellungEinfuegen, &TWettkampf::gridEinfuegen);
    spieler(MSpielerLoeschen, AufstellungLoeschen, &TWettkampf::BtnLoeschenClick);
    spieler(MInhaltEinfuegen, InhaltEinfuegen);
    spieler(MInhaltLoeschen, InhaltLoeschen);
    connect(MRueckg, &QAction::triggered, this, [this] {
        if (AktWettkampf) ergebnisZeigen(AufstellungRueckgaengig(*AktWettkampf));
        menueStatusSetzen();
    });
    // Text of an edit, or with the grid current of its cell.
    auto text = [this](QAction* a, void (*op)(QLineEdit*), int gridArt) {
        connect(a, &QAction::triggered, this, [this, op, gridArt] {
            if (AktSpielerNr == -1) gridTextOperation(gridArt);
            else textOperation(op);
        });
    };
    text(MAusschneiden, [](QLineEdit* e) { e->cut(); }, 0);
    text(MKopieren, [](QLineEdit* e) { e->copy(); }, 1);
    text(MEinfuegen, [](QLineEdit* e) { e->paste(); }, 2);
    connect(MTouchEingabe, &QAction::triggered, this, [this] {
        TouchEingabe = TouchEingabe ? 0 : 1;
        menueStatusSetzen();
    });
    connect(MVerschieben, &QAction::triggered, this, [this] {
        GridVerschieben = GridVerschieben ? 0 : 1;
        verschiebenAnwenden();
        menueStatusSetzen();
    });
    // The match's own dialogs, with the lane control window out of their way;
    // what they change shows after OK.
    auto dialog = [this](QAction* a, Dialog d, std::function<int()> seite = [] { return 0; }) {
        connect(a, &QAction::triggered, this, [this, d, seite] {
            if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
            if (fenster().dialog(d, seite())) aktualisieren();
        });
    };
    dialog(MSpieldaten, Dialog::Spieldaten);
    dialog(MSpielleiter, Dialog::Spielleitung);
    dialog(MMannschDaten, Dialog::Mannschaftsdaten, [] { return AktSpielerNr < 9 ? 1 : 2; });
    PopupMannschaft = new QMenu(this);
    PopupMannschaft->setObjectName(QStringLiteral("PopupMannschaft"));
    PopupMannschDaten = PopupMannschaft->addAction(QStringLiteral("Mannschaftsdaten..."));
    PopupMannschDaten->setObjectName(QStringLiteral("PopupMannschDaten"));
    PopupImportieren = PopupMannschaft->addAction(QStringLiteral("Importieren..."));
    PopupImportieren->setObjectName(QStringLiteral("PopupImportieren"));
    dialog(PopupMannschDaten, Dialog::Mannschaftsdaten, [this] { return m_teamSeite; });
    dialog(PopupImportieren, Dialog::MannschaftImportieren, [this] { return m_teamSeite; });
    // The player card, starting from the current player line's player.
    connect(MSpielerkarte, &QAction::triggered, this, [] {
        AktSpieler = AktWettkampf && AktSpielerNr >= 1 && AktSpielerNr <= MaxSpieler
                         ? AktWettkampf->SpielerZeiger[AktSpielerNr]
                         : nullptr;
        if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
        fenster().dialog(Dialog::Spielerkarte);
    });
    // The player results of the current player line.
    connect(MSpielerdaten, &QAction::triggered, this, [this] {
        if (!AktWettkampf || AktSpielerNr < 1 || AktSpielerNr > MaxSpieler) return;
        AktSpieler = AktWettkampf->SpielerZeiger[AktSpielerNr];
        if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
        if (fenster().dialog(Dialog::Spielerdaten)) aktualisieren();
    });
}

// --- Player lines ---------------------------------------------------------------------

void TWettkampf::spielerAktualisieren(int n)
{
    if (n < 1 || n > MaxSpieler || !AktWettkampf) return;
    const TSpielerEintrag& s = AktWettkampf->Spieler[n];
    const QSignalBlocker s1(name(n)), s2(pass(n)), s3(geb(n));
    name(n)->setText(s.Name.text().left(30));
    pass(n)->setText(s.Pass.text());
    geb(n)->setText(s.Gebdat.text());
    const u32 farbe = SpielerzeileFarbe(s);
    for (QLineEdit* e : {name(n), pass(n), geb(n)}) grundfarbe(e, farbe);
}

void TWettkampf::zeileZeigen(int n, bool sichtbar)
{
    for (QWidget* e : {static_cast<QWidget*>(m_nummer[n - 1]), static_cast<QWidget*>(name(n)),
                       static_cast<QWidget*>(pass(n)), static_cast<QWidget*>(geb(n))})
        e->setVisible(sichtbar);
}

void TWettkampf::zeilenAnordnen(const TWettkampfDaten& w)
{
    for (int n = 1; n <= MaxSpieler; ++n) {
        zeileZeigen(n, SpielerzeileSichtbar(w, n <= 8 ? n : n - 8));
    }
    // With dropped results the substitutes are players like the others.
    LErsatzHeim->setVisible(!w.Streichspiel);
    LErsatzGast->setVisible(!w.Streichspiel);
}

// --- Player operations ----------------------------------------------------------------

void TWettkampf::spielerOperation(AufstellungErgebnis (*op)(TWettkampfDaten&, int))
{
    const int n = AktSpielerNr;
    if (!AktWettkampf || n < 1 || n > MaxSpieler) return;
    ergebnisZeigen(op(*AktWettkampf, n));
    menueStatusSetzen();
}

void TWettkampf::ergebnisZeigen(const AufstellungErgebnis& e)
{
    for (int n : e.liste()) spielerAktualisieren(n);
}

void TWettkampf::spielerAblegen(int quelle, int ziel)
{
    if (!AktWettkampf) return;
    ergebnisZeigen(SpielerAblegen(*AktWettkampf, quelle, ziel));
    menueStatusSetzen();
}

void TWettkampf::textOperation(void (*op)(QLineEdit*))
{
    const int n = AktSpielerNr;
    if (n < 1 || n > MaxSpieler || !m_letztesEdit) return;
    op(m_letztesEdit);
}

int TWettkampf::slotVon(const QObject* o) const
{
    const QVariant tag = o ? o->property("Tag") : QVariant();
    return tag.isValid() ? tag.toInt() : 0;
}

void TWettkampf::menueStatusSetzen()
{
    const bool edit = m_letztesEdit && AktSpielerNr != -1;
    const int auswahl = edit ? int(m_letztesEdit->selectedText().size()) : 0;
    const bool ablage = !QApplication::clipboard()->text().isEmpty();
    const Wettkampfmenue m =
        MenueStatusSetzen(WettkampfmenueEingabeLesen(edit, auswahl, ablage, SelStartCol(), SelStartRow()));
    const std::pair<QAction*, WettkampfMenuepunkt> punkte[] = {
        {MTouchEingabe, m.MTouchEingabe},     {MVerschieben, m.MVerschieben},
        {MSpielerkarte, m.MSpielerkarte},     {MAusschneiden, m.MAusschneiden},
        {MKopieren, m.MKopieren},             {MEinfuegen, m.MEinfuegen},
        {MSpielerAusschneiden, m.MSpielerAusschneiden}, {MSpielerEinfuegen, m.MSpielerEinfuegen},
        {MSpielerKopieren, m.MSpielerKopieren},         {MSpielerLoeschen, m.MSpielerLoeschen},
        {MInhaltEinfuegen, m.MInhaltEinfuegen},         {MInhaltLoeschen, m.MInhaltLoeschen},
        {MSpielerdaten, m.MSpielerdaten},     {MSpielleiter, m.MSpielleiter},
        {MSpieldaten, m.MSpieldaten},         {MRueckg, m.MRueckg},
    };
    for (const auto& [a, p] : punkte) {
        a->setEnabled(p.enabled);
        if (a->isCheckable()) a->setChecked(p.checked);
    }
}

// --- Chip cards -----------------------------------------------------------------------

// With a card in the reader: the guest field reads the guest team from a
// team card; a name waits for player cards, taken into the focused line.
// A card is taken once while it stays in.
void TWettkampf::karteAngeklickt(QLineEdit* edit)
{
    if (!KartenleserAktiv || !AktWettkampf || !KarteVorhanden()) return;
    if (edit == EGast) {
        SpielerkarteNichtAbwarten();
        if (GastkarteFaellig() && TMannschaftskarte::GastkarteUebertragen(this)) {
            aktualisieren();
            fenster().hauptmenueAktualisieren();
        }
        return;
    }
    const int n = slotVon(edit);
    if (n >= 1 && n <= MaxSpieler && !AktWettkampf->Spieler[n].Gestartet) SpielerkarteAbwarten();
}

bool TWettkampf::SpielerkarteEinlesen()
{
    if (!AktWettkampf) return false;
    for (int n = MaxSpieler; n >= 1; --n) {
        if (!name(n)->hasFocus() || AktWettkampf->Spieler[n].Gestartet) continue;
        if (!SpielerkarteUebernehmen(n)) return false;
        spielerAktualisieren(n);
        // On to the next line of the side, for the next card.
        if (n != 8 && n != MaxSpieler && !name(n + 1)->isHidden()) name(n + 1)->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

// --- Events ---------------------------------------------------------------------------

bool TWettkampf::eventFilter(QObject* o, QEvent* e)
{
    auto* edit = qobject_cast<QLineEdit*>(o);
    if (!edit) return datenbankFilter(o, e) || QWidget::eventFilter(o, e);
    const int slot = slotVon(edit);
    const bool istName = slot >= 1 && edit == name(slot);

    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        AktSpielerNr = slot;
        AktSpieler = slot >= 1 && AktWettkampf ? &AktWettkampf->Spieler[slot] : nullptr;
        m_letztesEdit = edit;
        if (edit == EText) textfeldAnmelden();
        if (m->button() == Qt::RightButton) {
            edit->setFocus(Qt::MouseFocusReason);
            menueStatusSetzen();
        }
        m_dragQuelle = 0;
        if (m->button() == Qt::LeftButton && istName && GridVerschieben && AktWettkampf && SlotFrei(*AktWettkampf, slot)) {
            m_dragQuelle = slot;
            m_dragStart = m->position().toPoint();
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m_dragQuelle == 0 || !(m->buttons() & Qt::LeftButton)) break;
        if ((m->position().toPoint() - m_dragStart).manhattanLength() < DragAbstand) break;
        const int quelle = m_dragQuelle;
        m_dragQuelle = 0;
        auto* daten = new QMimeData;
        daten->setData(QLatin1String(SlotMimeTyp), QByteArray::number(quelle));
        auto* drag = new QDrag(edit);
        drag->setMimeData(daten);
        drag->exec(Qt::MoveAction);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // Without touch input the team fields open the match's options, the
        // referee the officials, a player's name his results.
        if (TouchEingabe || static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) break;
        if (edit == EClub || edit == EGast) MSpieldaten->trigger();
        else if (edit == ESchiedsrichter) MSpielleiter->trigger();
        else if (AktSpielerNr >= 1 && edit == name(AktSpielerNr)) MSpielerdaten->trigger();
        break;
    case QEvent::MouseButtonRelease:
        m_dragQuelle = 0;
        if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) break;
        menueStatusSetzen();
        if (edit == EGast || istName) karteAngeklickt(edit);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // A name from another slot, or a row of the player database.
        auto* d = static_cast<QDragMoveEvent*>(e);
        const bool zeile = d->mimeData()->hasFormat(QLatin1String(ZeileMimeTyp));
        if (!zeile && !d->mimeData()->hasFormat(QLatin1String(SlotMimeTyp))) break;
        if (!istName || !AktWettkampf || !SlotFrei(*AktWettkampf, slot)) {
            d->ignore();
        } else if (zeile) {
            d->setDropAction(Qt::CopyAction);
            d->accept();
        } else {
            d->acceptProposedAction();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* d = static_cast<QDropEvent*>(e);
        if (d->mimeData()->hasFormat(QLatin1String(ZeileMimeTyp))) {
            const int zeile = d->mimeData()->data(QLatin1String(ZeileMimeTyp)).toInt();
            DragZeile = -1;
            if (istName) {
                zeileAblegen(zeile, slot);
                d->setDropAction(Qt::CopyAction);
                d->accept();
            }
            return true;
        }
        if (!d->mimeData()->hasFormat(QLatin1String(SlotMimeTyp))) break;
        const int quelle = d->mimeData()->data(QLatin1String(SlotMimeTyp)).toInt();
        if (istName) {
            spielerAblegen(quelle, slot);
            d->acceptProposedAction();
        }
        return true;
    }
    default: break;
    }
    return QWidget::eventFilter(o, e);
}

void TWettkampf::contextMenuEvent(QContextMenuEvent* e)
{
    // On a team box, away from its fields: that side's pop-up.
    for (QWidget* w = childAt(e->pos()); w && w != this; w = w->parentWidget()) {
        if (w != GHeim && w != GGast) continue;
        m_teamSeite = w == GHeim ? 1 : 2;
        PopupMannschaft->popup(e->globalPos());
        return;
    }
    menueStatusSetzen();
    PopupBearbeiten->popup(e->globalPos());
}
