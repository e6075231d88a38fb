// The advert editor's entries: loading and saving a configuration, the entry
// editor, the choice tree and the text entries.
#include "displays/ui/Werbeeditor.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Hilfe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Keyb.h"
#include "core/ui/Zeichenwache.h"
#include "displays/Namenanzeige.h"
#include "displays/ui/Vorschau.h"
#include "displays/ui/Werbeknoten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

using namespace werbeknoten;

// --- Loading and saving ---

void Werbeeditor::WerbekonfigurationLaden()
{
    EintragAuswaehlen(nullptr);
    const QSignalBlocker sperre(TreeWerbung);
    TreeWerbung->clear();
    EintragGeaendert = 0;
    if (m_konfig < 0) return;
    if (m_art == Eintragsart::Text) return textEintragLaden();
    const QIcon bild = style()->standardIcon(QStyle::SP_FileIcon);
    for (const Werbezeile& z : ::WerbekonfigurationLaden(m_prefix, m_konfig)) {
        auto* k = new QTreeWidgetItem(TreeWerbung, {z.Bezeichnung});
        k->setFlags(k->flags() & ~Qt::ItemIsDropEnabled);
        if (z.eintrag) {
            k->setIcon(0, bild);
            EintragSetzen(k, *z.eintrag);
        } else {
            k->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxWarning));
            k->setData(0, RolleArt, OhneEintrag);
        }
    }
    TreeWerbung->setCurrentItem(nullptr);
}

bool Werbeeditor::WerbekonfigurationSpeichern()
{
    if (m_konfig < 0) return false;
    std::vector<Werbezeile> zeilen;
    for (int i = 0; i < TreeWerbung->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* k = TreeWerbung->topLevelItem(i);
        zeilen.push_back({OhneTrenner(k->text(0)), eintragVon(k)});
    }
    QString fehler;
    if (!namenSchreiben()) return false;
    const bool ok = m_art == Eintragsart::Text ? textEintragSpeichern(&fehler)
                                               : ::WerbekonfigurationSpeichern(m_prefix, m_konfig, zeilen, &fehler);
    if (!ok) {
        boxen().hinweis(fehler);
        return false;
    }
    EintragGeaendert = 0;
    m_neu.removeAll(m_konfig);
    return true;
}

namespace {

void KnotenAnlegen(const std::vector<Auswahlknoten>& knoten, QTreeWidget* baum, QTreeWidgetItem* eltern,
                   const QIcon& ordner, const QIcon& datei)
{
    for (const Auswahlknoten& a : knoten) {
        auto* k = eltern ? new QTreeWidgetItem(eltern, {a.Text}) : new QTreeWidgetItem(baum, {a.Text});
        k->setFlags(k->flags() | Qt::ItemIsEditable);
        if (a.ordner) {
            k->setIcon(0, ordner);
            k->setData(0, RolleArt, Ordner);
        } else if (a.eintrag) {
            k->setIcon(0, datei);
            EintragSetzen(k, *a.eintrag);
        }
        KnotenAnlegen(a.kinder, baum, k, ordner, datei);
    }
}

Auswahlknoten Knotenbild(const QTreeWidgetItem* k)
{
    Auswahlknoten a;
    a.Text = OhneTrenner(k->text(0));
    a.ordner = Werbeeditor::istOrdner(k);
    a.eintrag = Werbeeditor::eintragVon(k);
    for (int i = 0; i < k->childCount(); ++i) a.kinder.push_back(Knotenbild(k->child(i)));
    return a;
}

}  // namespace

void Werbeeditor::AuswahlLaden()
{
    const QSignalBlocker sperre(TreeAuswahl);
    TreeAuswahl->clear();
    KnotenAnlegen(::AuswahlLaden(m_prefix), TreeAuswahl, nullptr, style()->standardIcon(QStyle::SP_DirIcon),
                  style()->standardIcon(QStyle::SP_FileIcon));
    TreeAuswahl->expandAll();
}

bool Werbeeditor::AuswahlSpeichern()
{
    std::vector<Auswahlknoten> baum;
    for (int i = 0; i < TreeAuswahl->topLevelItemCount(); ++i) baum.push_back(Knotenbild(TreeAuswahl->topLevelItem(i)));
    QString fehler;
    if (::AuswahlSpeichern(m_prefix, baum, &fehler)) return true;
    boxen().hinweis(fehler);
    return false;
}

std::optional<TWerbeeintrag> Werbeeditor::eintragVon(const QTreeWidgetItem* k)
{
    if (!k || k->data(0, RolleArt).toInt() != Datei) return std::nullopt;
    TWerbeeintrag e;
    e.Datei = k->data(0, RolleDatei).toString();
    e.Maske = static_cast<u16>(k->data(0, RolleMaske).toUInt());
    e.Werbezeit = k->data(0, RolleWerbezeit).toInt();
    e.Werbeabstand = k->data(0, RolleWerbeabstand).toInt();
    return e;
}

bool Werbeeditor::istOrdner(const QTreeWidgetItem* k) { return k && k->data(0, RolleArt).toInt() == Ordner; }

// --- Entry editor ---

namespace {

struct Ereignisbox {
    QCheckBox* Werbeeditor::*box;
    u16 bit;
};
constexpr Ereignisbox Ereignisboxen[] = {
    {&Werbeeditor::CBWettkbeginn, WerbungVorSpielbeginn}, {&Werbeeditor::CBProbe, WerbungProbe},
    {&Werbeeditor::CBWettk, WerbungSpiel},                {&Werbeeditor::CBBahnwechsel, WerbungBahnwechsel},
    {&Werbeeditor::CBSpielerwechsel, WerbungSpielerwechsel}, {&Werbeeditor::CBWettkende, WerbungSpielende},
    {&Werbeeditor::CBLaufschrift, WerbungLaufschrift},
};

}  // namespace

void Werbeeditor::EintragAuswaehlen(QTreeWidgetItem* eintrag)
{
    const std::optional<TWerbeeintrag> e = eintragVon(eintrag);
    m_bearbeitet = e ? eintrag : nullptr;
    for (const Ereignisbox& b : Ereignisboxen) {
        QCheckBox* box = this->*b.box;
        box->setChecked(e && (e->Maske & b.bit));
        box->setEnabled(e.has_value());
    }
    EWerbezeit->setText(e ? Sekundentext(e->Werbezeit) : QString());
    EWerbeabstand->setText(e ? Sekundentext(e->Werbeabstand) : QString());
    for (QWidget* w : std::initializer_list<QWidget*>{EWerbezeit, EWerbeabstand, LWerbezeit, LWerbeabstand})
        w->setEnabled(e.has_value());
}

void Werbeeditor::EditorUebernehmen()
{
    std::optional<TWerbeeintrag> e = eintragVon(m_bearbeitet);
    if (!e) return;
    TWerbeeintrag neu = *e;
    neu.Maske = 0;
    for (const Ereignisbox& b : Ereignisboxen)
        if ((this->*b.box)->isChecked()) neu.Maske |= b.bit;
    neu.Werbezeit = Sekunden(EWerbezeit);
    neu.Werbeabstand = Sekunden(EWerbeabstand);
    if (neu == *e) return;
    EintragSetzen(m_bearbeitet, neu);
    EintragGeaendert = 1;
}

// --- Entries and the choice tree ---

QTreeWidgetItem* Werbeeditor::eintragKopie(const QTreeWidgetItem* datei) const
{
    const std::optional<TWerbeeintrag> e = eintragVon(datei);
    if (!e) return nullptr;
    auto* k = new QTreeWidgetItem(QStringList{datei->text(0)});
    k->setFlags(k->flags() & ~Qt::ItemIsDropEnabled);
    k->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    EintragSetzen(k, *e);
    return k;
}

void Werbeeditor::eintragVerschieben(QTreeWidget* baum, QTreeWidgetItem* knoten, QTreeWidgetItem* vor)
{
    const bool aufgeklappt = knoten->isExpanded();
    Herausnehmen(baum, knoten);
    Einsetzen(baum, knoten, vor);
    knoten->setExpanded(aufgeklappt);
}

void Werbeeditor::BtnSelectClick()
{
    QTreeWidgetItem* aktuell = TreeWerbung->currentItem();
    EditorUebernehmen();
    QTreeWidgetItem* k = eintragKopie(TreeAuswahl->currentItem());
    if (!k) return;
    {
        const QSignalBlocker sperre(TreeWerbung);
        Einsetzen(TreeWerbung, k, aktuell);
        TreeWerbung->setCurrentItem(aktuell);
    }
    EintragGeaendert = 1;
}

void Werbeeditor::ablegen(QTreeWidget* von, QTreeWidgetItem* gezogen, QTreeWidget* nach, QTreeWidgetItem* ziel)
{
    if (!gezogen || gezogen == ziel) return;
    QTreeWidgetItem* aktuell = TreeWerbung->currentItem();
    EditorUebernehmen();
    if (von == TreeAuswahl && nach == TreeAuswahl) {
        // A folder cannot go into itself.
        if (!Enthaelt(gezogen, ziel)) eintragVerschieben(TreeAuswahl, gezogen, ziel);
        return;
    }
    {
        const QSignalBlocker sperre(TreeWerbung);
        if (von == TreeAuswahl && nach == TreeWerbung) {
            QTreeWidgetItem* k = eintragKopie(gezogen);
            if (!k) return;
            Einsetzen(TreeWerbung, k, ziel);
        } else if (von == TreeWerbung && nach == TreeWerbung) {
            eintragVerschieben(TreeWerbung, gezogen, ziel);
        } else if (von == TreeWerbung && nach == TreeAuswahl) {
            if (gezogen == aktuell) aktuell = nullptr;
            if (gezogen == m_bearbeitet) EintragAuswaehlen(nullptr);
            delete gezogen;
        } else {
            return;
        }
        TreeWerbung->setCurrentItem(aktuell);
        if (!aktuell) TreeWerbung->clearSelection();
    }
    EintragAuswaehlen(aktuell);
    EintragGeaendert = 1;
}

void Werbeeditor::BtnLoeschenClick()
{
    QTreeWidget* baum = m_baum;
    QTreeWidgetItem* k = baum ? baum->currentItem() : nullptr;
    if (!k) return;
    if (boxen().hinweisJa(Frage("Eintrag ´%1´ löschen ?", k->text(0))) != ErgebnisJa) return;
    if (baum == TreeWerbung) {
        EditorUebernehmen();
        EintragAuswaehlen(nullptr);
        {
            const QSignalBlocker sperre(TreeWerbung);
            delete k;
            TreeWerbung->setCurrentItem(nullptr);
            TreeWerbung->clearSelection();
        }
        EintragGeaendert = 1;
    } else {
        delete k;
    }
}

void Werbeeditor::knotenBeschriften(QTreeWidgetItem* k)
{
    const QString text = OhneTrenner(k->text(0));
    if (text == k->text(0)) return;
    const QSignalBlocker sperre(TreeAuswahl);
    k->setText(0, text);
}

void Werbeeditor::BtnAuswahlUmbenennenClick()
{
    QTreeWidgetItem* k = TreeAuswahl->currentItem();
    if (!k) return;
    if (!TouchEingabe) {
        TreeAuswahl->setFocus();
        TreeAuswahl->editItem(k, 0);
        return;
    }
    EingabeAnfrage a;
    a.beschriftung = QStringLiteral("Name:");
    a.hinweis = QStringLiteral("Name eintragen");
    a.text = k->text(0);
    a.pfeileSichtbar = false;
    if (const std::optional<QString> name = boxen().eingabe(a)) k->setText(0, *name);
}

void Werbeeditor::BtnAuswahlNeuClick()
{
    auto* k = new QTreeWidgetItem(QStringList{QStringLiteral("Neu")});
    k->setFlags(k->flags() | Qt::ItemIsEditable);
    k->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    k->setData(0, RolleArt, Ordner);
    {
        const QSignalBlocker sperre(TreeAuswahl);
        if (QTreeWidgetItem* eltern = TreeAuswahl->currentItem()) {
            eltern->addChild(k);
            eltern->setExpanded(true);
        } else {
            TreeAuswahl->addTopLevelItem(k);
        }
    }
    TreeAuswahl->setCurrentItem(k);
    BtnAuswahlUmbenennenClick();
}

void Werbeeditor::BtnDateiSuchenClick()
{
    QTreeWidgetItem* gewaehlt = TreeAuswahl->currentItem();
    if (!gewaehlt) return;
    const QString datei = dateiWaehlen ? dateiWaehlen() : QString();
    if (datei.isEmpty() || !ZeichenPasst(TreeAuswahl, datei)) return;
    auto* k = new QTreeWidgetItem(QStringList{OhneTrenner(QFileInfo(datei).fileName())});
    k->setFlags(k->flags() | Qt::ItemIsEditable);
    k->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    TWerbeeintrag e;
    e.Datei = datei;
    EintragSetzen(k, e);
    const QSignalBlocker sperre(TreeAuswahl);
    if (istOrdner(gewaehlt)) {
        gewaehlt->addChild(k);
        gewaehlt->setExpanded(true);
    } else {
        Einsetzen(TreeAuswahl, k, gewaehlt);
    }
}

void Werbeeditor::doppelklick(QTreeWidgetItem* knoten)
{
    if (m_art == Eintragsart::Text) {
        if (knoten && knoten->treeWidget() == TreeWerbung) {
            TreeWerbung->setCurrentItem(knoten);
            BtnEintragUmbenennenClick();
        }
        return;
    }
    if (knoten && knoten->treeWidget() == TreeWerbung) {
        EditorUebernehmen();
        EintragAuswaehlen(knoten);
    }
    if (const std::optional<TWerbeeintrag> e = eintragVon(knoten); e && vorschau) vorschau(e->Datei);
}

void Werbeeditor::popupZeigen(QTreeWidget* baum, const QPoint& pos)
{
    m_baum = baum;
    const bool texte = m_art == Eintragsart::Text;
    PopupNeu->setEnabled(texte || baum == TreeAuswahl);
    PopupUmbenennen->setEnabled(texte ? baum->currentItem() != nullptr : baum == TreeAuswahl);
    PopupMenu->popup(baum->viewport()->mapToGlobal(pos));
}

// --- Text entries ---

namespace {

QTreeWidgetItem* Textknoten(const Namenwerbeeintrag& n, const QIcon& bild)
{
    auto* k = new QTreeWidgetItem(QStringList{n.Text});
    k->setFlags(k->flags() & ~Qt::ItemIsDropEnabled);
    k->setIcon(0, bild);
    k->setToolTip(0, n.Text);
    TWerbeeintrag e;
    e.Maske = n.Maske;
    e.Werbezeit = n.Werbezeit;
    e.Werbeabstand = n.Werbeabstand;
    EintragSetzen(k, e);
    return k;
}

}  // namespace

std::optional<QString> Werbeeditor::textEingeben(const QString& text)
{
    EingabeAnfrage a;
    a.beschriftung = QStringLiteral("Name:");
    a.hinweis = QStringLiteral("Name eintragen");
    a.text = text;
    a.pfeileSichtbar = false;
    const std::optional<QString> antwort = boxen().eingabe(a);
    if (!antwort) return std::nullopt;
    const QString neu = OhneTrenner(antwort->trimmed());
    if (neu.isEmpty()) return std::nullopt;
    return neu;
}

void Werbeeditor::BtnEintragNeuClick()
{
    if (m_konfig < 0) return;
    QTreeWidgetItem* aktuell = TreeWerbung->currentItem();
    EditorUebernehmen();
    const std::optional<QString> text = textEingeben(QString());
    if (!text) return;
    QTreeWidgetItem* k = Textknoten({*text, 0, 0, 0}, style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    {
        const QSignalBlocker sperre(TreeWerbung);
        Einsetzen(TreeWerbung, k, aktuell);
    }
    EintragGeaendert = 1;
    TreeWerbung->setCurrentItem(k);
}

void Werbeeditor::BtnEintragUmbenennenClick()
{
    QTreeWidgetItem* k = TreeWerbung->currentItem();
    if (!eintragVon(k)) return;
    const std::optional<QString> text = textEingeben(k->text(0));
    if (!text || *text == k->text(0)) return;
    const QSignalBlocker sperre(TreeWerbung);
    k->setText(0, *text);
    k->setToolTip(0, *text);
    EintragGeaendert = 1;
}

void Werbeeditor::textEintragLaden()
{
    const QIcon bild = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    const QStringList zeilen =
        TextdateiLesen(WerbekonfigurationDatei(m_prefix, m_konfig)).value_or(QStringList());
    for (const QString& zeile : zeilen) {
        if (zeile.isEmpty()) continue;
        TreeWerbung->addTopLevelItem(Textknoten(NamenWerbezeileLesen(zeile), bild));
    }
    TreeWerbung->setCurrentItem(nullptr);
}

bool Werbeeditor::textEintragSpeichern(QString* fehler)
{
    QStringList zeilen;
    for (int i = 0; i < TreeWerbung->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* k = TreeWerbung->topLevelItem(i);
        if (const std::optional<TWerbeeintrag> e = eintragVon(k))
            zeilen.append(NamenWerbezeileText({k->text(0), e->Maske, e->Werbezeit, e->Werbeabstand}));
    }
    return TextdateiSchreiben(WerbekonfigurationDatei(m_prefix, m_konfig), zeilen, fehler);
}
