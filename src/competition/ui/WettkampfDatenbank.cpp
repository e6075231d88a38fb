// The set-up window's player database panel: the grid with its tool bar
// and menus, and the database commands (new, update, save, delete, search,
// import, export, help, print).

#include "competition/ui/WettkampfDatenbank.h"

#include "competition/Spielerdatenbank.h"
#include "competition/Wettbewerb.h"
#include "competition/ui/Suchen.h"
#include "competition/ui/Wettkampf.h"
#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farben.h"
#include "core/ui/Hilfe.h"
#include "match/flow/Wettkampfslots.h"
#include "report/projekte/L8.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Column widths in pixels, by the characters a column takes.
constexpr int SpaltenBreiten[SpielerSpalten] = {170, 170, 85, 95, 130, 100, 60, 140, 170, 100, 100, 170};
// The tool bar's share of the panel; the grid has the rest.
constexpr int LeisteHoehe = 50;
constexpr int ZeilenHoehe = 20;
// Windows colour values (0x00BBGGRR).
constexpr quint32 KopfHell = 0xC0C0C0;
constexpr quint32 KopfDunkel = 0x808080;
constexpr quint32 FundFarbe = 0xFF0000;  // blue

QString Zelltext(const SpielerZelle& c) { return c ? Cp1252::decode(*c) : QString(); }

}  // namespace

// --- Model ------------------------------------------------------------------------------

SpielerModell::SpielerModell(Spielertabelle& t, QObject* parent) : QAbstractTableModel(parent), m_t(t)
{
    m_t.setMelder([this](Spielertabelle::Aenderung a) { gemeldet(a); });
}

SpielerModell::~SpielerModell() { m_t.setMelder({}); }

int SpielerModell::rowCount(const QModelIndex& p) const { return p.isValid() ? 0 : m_t.zeilen(); }
int SpielerModell::columnCount(const QModelIndex& p) const { return p.isValid() ? 0 : SpielerSpalten; }

QVariant SpielerModell::data(const QModelIndex& i, int rolle) const
{
    if (!i.isValid() || i.row() >= m_t.zeilen() || i.column() >= SpielerSpalten) return {};
    switch (rolle) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Zelltext(m_t.zelle(i.row(), i.column()));
    case Qt::ForegroundRole: {
        const auto& z = spielerdatenbankZustand;
        const bool fund = i.row() == z.SuchTrefferZeile && i.column() == z.SuchTrefferSpalte;
        return QColor(fund ? FarbeZuQColor(FundFarbe) : QColor(Qt::black));
    }
    case Qt::FontRole: {
        QFont f;
        f.setBold(true);
        return f;
    }
    default: return {};
    }
}

QVariant SpielerModell::headerData(int abschnitt, Qt::Orientation o, int rolle) const
{
    if (o == Qt::Vertical) return rolle == Qt::DisplayRole ? QVariant(abschnitt + 1) : QVariant();
    if (abschnitt < 0 || abschnitt >= SpielerSpalten) return {};
    if (rolle == Qt::DisplayRole) return QString::fromLatin1(SpielerSpaltenListe[std::size_t(abschnitt)].kopf);
    if (rolle == Qt::BackgroundRole && m_kopf >= 0)
        return FarbeZuQColor(abschnitt == m_kopf ? KopfDunkel : KopfHell);
    return {};
}

Qt::ItemFlags SpielerModell::flags(const QModelIndex& i) const
{
    if (!i.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    if (m_ziehbar) f |= Qt::ItemIsDragEnabled;
    return f;
}

bool SpielerModell::setData(const QModelIndex& i, const QVariant& wert, int rolle)
{
    if (rolle != Qt::EditRole || !i.isValid() || i.row() >= m_t.zeilen()) return false;
    QByteArray text = Cp1252::encode(wert.toString());
    text.truncate(SpielerSpaltenListe[std::size_t(i.column())].laenge);
    const SpielerZelle neu = text.isEmpty() ? SpielerZelle() : SpielerZelle(text);
    {
        const Spielertabelle::Stille still(m_t);
        m_t.setZelle(i.row(), i.column(), neu);
    }
    auto& z = spielerdatenbankZustand;
    if (i.row() == z.SuchTrefferZeile && i.column() == z.SuchTrefferSpalte)
        z.SuchTrefferSpalte = z.SuchTrefferZeile = -1;
    DatenbankGeaendert = 1;
    emit dataChanged(i, i);
    return true;
}

QStringList SpielerModell::mimeTypes() const { return {QLatin1String(ZeileMimeTyp)}; }

QMimeData* SpielerModell::mimeData(const QModelIndexList& indizes) const
{
    if (indizes.isEmpty() || !indizes.first().isValid()) return nullptr;
    const int zeile = indizes.first().row();
    DragZeile = zeile;
    auto* daten = new QMimeData;
    daten->setData(QLatin1String(ZeileMimeTyp), QByteArray::number(zeile));
    return daten;
}

int SpielerModell::zeileEinfuegen(int r)
{
    r = std::clamp(r, 0, m_t.zeilen());
    beginInsertRows({}, r, r);
    {
        const Spielertabelle::Stille still(m_t);
        m_t.zeileEinfuegen(r);
    }
    auto& z = spielerdatenbankZustand;
    if (z.SuchTrefferZeile >= r) ++z.SuchTrefferZeile;
    endInsertRows();
    return r;
}

void SpielerModell::zeilenLoeschen(const QList<int>& zeilen)
{
    QList<int> rs = zeilen;
    std::sort(rs.begin(), rs.end(), std::greater<>());
    rs.erase(std::unique(rs.begin(), rs.end()), rs.end());
    auto& z = spielerdatenbankZustand;
    for (int r : rs) {
        if (r < 0 || r >= m_t.zeilen()) continue;
        beginRemoveRows({}, r, r);
        {
            const Spielertabelle::Stille still(m_t);
            m_t.zeileLoeschen(r);
        }
        if (z.SuchTrefferZeile == r) z.SuchTrefferSpalte = z.SuchTrefferZeile = -1;
        else if (z.SuchTrefferZeile > r) --z.SuchTrefferZeile;
        endRemoveRows();
    }
}

void SpielerModell::sortieren(int spalte)
{
    beginResetModel();
    {
        const Spielertabelle::Stille still(m_t);
        StarterSortieren(spalte);
    }
    endResetModel();
}

void SpielerModell::kopfMarkieren(int spalte)
{
    m_kopf = spalte;
    emit headerDataChanged(Qt::Horizontal, 0, SpielerSpalten - 1);
}

void SpielerModell::neuZeichnen()
{
    if (m_t.zeilen() > 0) emit dataChanged(index(0, 0), index(m_t.zeilen() - 1, SpielerSpalten - 1));
}

void SpielerModell::gemeldet(Spielertabelle::Aenderung a)
{
    if (a == Spielertabelle::Aenderung::Inhalt) {
        neuZeichnen();
        return;
    }
    auto& z = spielerdatenbankZustand;
    z.SuchTrefferSpalte = z.SuchTrefferZeile = -1;
    beginResetModel();
    endResetModel();
}

// --- Cell editor ------------------------------------------------------------------------

QWidget* SpielerDelegate::createEditor(QWidget* eltern, const QStyleOptionViewItem& o, const QModelIndex& i) const
{
    QWidget* w = QStyledItemDelegate::createEditor(eltern, o, i);
    if (auto* e = qobject_cast<QLineEdit*>(w); e && i.column() >= 0 && i.column() < SpielerSpalten) {
        e->setMaxLength(SpielerSpaltenListe[std::size_t(i.column())].laenge);
        e->setObjectName(QStringLiteral("EZelle"));
    }
    m_editor = w;
    return w;
}

void SpielerDelegate::uebernehmen()
{
    if (!m_editor) return;
    QWidget* editor = m_editor;
    m_editor = nullptr;
    emit commitData(editor);
    emit closeEditor(editor);
}

// --- Panel ------------------------------------------------------------------------------

QWidget* TWettkampf::datenbankBauen()
{
    DBStarterPanel = new QWidget(this);
    DBStarterPanel->setObjectName(QStringLiteral("DBStarterPanel"));
    auto* spalte = new QVBoxLayout(DBStarterPanel);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    auto* leiste = new QWidget(DBStarterPanel);
    leiste->setObjectName(QStringLiteral("DBLeiste"));
    leiste->setFixedHeight(LeisteHoehe);
    auto* knoepfe = new QHBoxLayout(leiste);
    knoepfe->setContentsMargins(4, 6, 4, 6);
    auto knopf = [leiste, knoepfe](QPushButton*& b, const char* name, const QString& text, const QString& hinweis) {
        b = new QPushButton(text, leiste);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(hinweis);
        b->setFocusPolicy(Qt::NoFocus);
        QObject::connect(b, &QPushButton::pressed, [] { KlickSoundSpielen(); });
        knoepfe->addWidget(b);
    };
    knopf(BtnNeu, "BtnNeu", QStringLiteral("Neu"), QStringLiteral("Neue Zeile vor der markierten"));
    knopf(BtnUpdate, "BtnUpdate", QStringLiteral("Update"),
          QStringLiteral("Die Spieler der Aufstellung in die Datenbank übernehmen"));
    knopf(BtnSpeichern, "BtnSpeichern", QStringLiteral("Speichern"), QStringLiteral("Spielerdatenbank speichern"));
    knopf(BtnLoeschen, "BtnLoeschen", QStringLiteral("Löschen"), QStringLiteral("Markierte Starter löschen"));
    knopf(BtnSuchen, "BtnSuchen", QStringLiteral("Suchen"), QStringLiteral("Suchen (F8)"));
    knopf(BtnImport, "BtnImport", QStringLiteral("Import"), QStringLiteral("Spieler aus einer Textdatei importieren"));
    knopf(BtnExport, "BtnExport", QStringLiteral("Export"), QStringLiteral("Spielerdatenbank als Textdatei"));
    knopf(BtnDatenbankHelp, "BtnDatenbankHelp", QStringLiteral("Hilfe"), QStringLiteral("Hilfe zur Spielerdatenbank"));
    knoepfe->addStretch(1);
    knopf(BtnZurueck, "BtnZurueck", QStringLiteral("▲"), QStringLiteral("Eine Zeile zurück"));
    knopf(BtnVor, "BtnVor", QStringLiteral("▼"), QStringLiteral("Eine Zeile vor"));
    knopf(BtnSchliessen, "BtnSchliessen", QStringLiteral("Schließen"), QStringLiteral("Spielerdatenbank schließen"));
    // Held down, the paging buttons step every 160 ms.
    for (QPushButton* b : {BtnZurueck, BtnVor}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(160);
        b->setAutoRepeatInterval(160);
        b->setFixedWidth(36);
    }
    spalte->addWidget(leiste);

    DBGridStarter = new QTableView(DBStarterPanel);
    DBGridStarter->setObjectName(QStringLiteral("DBGridStarter"));
    m_modell = new SpielerModell(Spielerdatenbank(), DBGridStarter);
    m_delegate = new SpielerDelegate(DBGridStarter);
    DBGridStarter->setModel(m_modell);
    DBGridStarter->setItemDelegate(m_delegate);
    DBGridStarter->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGridStarter->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    DBGridStarter->setDragDropMode(QAbstractItemView::DragOnly);
    DBGridStarter->setContextMenuPolicy(Qt::CustomContextMenu);
    DBGridStarter->setStyleSheet(QStringLiteral("QTableView#DBGridStarter { gridline-color: white; }"));
    DBGridStarter->verticalHeader()->setDefaultSectionSize(ZeilenHoehe);
    DBGridStarter->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* kopf = DBGridStarter->horizontalHeader();
    kopf->setSectionsClickable(true);
    kopf->setHighlightSections(false);
    // A heading click sorts; it does not select the column.
    disconnect(kopf, SIGNAL(sectionPressed(int)), DBGridStarter, SLOT(selectColumn(int)));
    disconnect(kopf, SIGNAL(sectionEntered(int)), DBGridStarter, SLOT(_q_selectColumn(int)));
    // At least as wide as the heading needs in the font at hand.
    for (int c = 0; c < SpielerSpalten; ++c)
        DBGridStarter->setColumnWidth(c, std::max(SpaltenBreiten[c], kopf->sectionSizeHint(c)));
    {
        QPalette p = DBGridStarter->palette();
        p.setColor(QPalette::Base, QColor(236, 236, 236));
        p.setColor(QPalette::AlternateBase, QColor(226, 226, 226));
        DBGridStarter->setPalette(p);
    }
    spalte->addWidget(DBGridStarter, 1);
    return DBStarterPanel;
}

void TWettkampf::datenbankAktionenBauen()
{
    auto aktion = [this](QAction*& a, const char* name, const QString& text) { aktionAnlegen(a, name, text); };
    aktion(MOeffnen, "MOeffnen", QStringLiteral("&Öffnen"));
    aktion(MUpdate, "MUpdate", QStringLiteral("&Update"));
    aktion(MSpeichern, "MSpeichern", QStringLiteral("&Speichern"));
    aktion(MSuchen, "MSuchen", QStringLiteral("S&uchen..."));
    aktion(MDrucken, "MDrucken", QStringLiteral("&Drucken..."));
    aktion(MFormular, "MFormular", QStringLiteral("&Formular..."));
    aktion(PopupVerschieben, "PopupVerschieben", QStringLiteral("Verschieben"));
    MSuchen->setShortcut(Qt::Key_F8);
    MSuchen->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    PopupVerschieben->setCheckable(true);

    MDatenbank = new QMenu(QStringLiteral("Spieler&datenbank"), this);
    MDatenbank->setObjectName(QStringLiteral("MDatenbank"));
    MDatenbank->addActions({MOeffnen, MUpdate, MSpeichern, MSuchen});
    MDatenbank->addSeparator();
    MDatenbank->addActions({MDrucken, MFormular});
    PopupBearbeiten->addSeparator();
    PopupBearbeiten->addMenu(MDatenbank);

    PopupGrid = new QMenu(this);
    PopupGrid->setObjectName(QStringLiteral("PopupGrid"));
    PopupGrid->addActions({MSpielerAusschneiden, MSpielerKopieren, MSpielerEinfuegen, MSpielerLoeschen});
    PopupGrid->addSeparator();
    PopupGrid->addActions({MAusschneiden, MKopieren, MEinfuegen});
    PopupGrid->addSeparator();
    PopupGrid->addActions({MUpdate, MSpeichern, MSuchen});
    PopupGrid->addSeparator();
    PopupGrid->addActions({PopupVerschieben, MDrucken});
}

void TWettkampf::datenbankVerbinden()
{
    connect(BtnNeu, &QPushButton::clicked, this, &TWettkampf::BtnNeuClick);
    connect(BtnUpdate, &QPushButton::clicked, this, &TWettkampf::BtnUpdateClick);
    connect(MUpdate, &QAction::triggered, this, &TWettkampf::BtnUpdateClick);
    connect(BtnSpeichern, &QPushButton::clicked, this, &TWettkampf::BtnSpeichernClick);
    connect(MSpeichern, &QAction::triggered, this, &TWettkampf::BtnSpeichernClick);
    connect(BtnLoeschen, &QPushButton::clicked, this, &TWettkampf::BtnLoeschenClick);
    connect(BtnSuchen, &QPushButton::clicked, this, &TWettkampf::BtnSuchenClick);
    connect(MSuchen, &QAction::triggered, this, &TWettkampf::BtnSuchenClick);
    connect(BtnImport, &QPushButton::clicked, this, &TWettkampf::BtnImportClick);
    connect(BtnExport, &QPushButton::clicked, this, &TWettkampf::BtnExportClick);
    connect(BtnDatenbankHelp, &QPushButton::clicked, this, &TWettkampf::BtnDatenbankHelpClick);
    connect(MDrucken, &QAction::triggered, this, &TWettkampf::MDruckenClick);
    connect(MFormular, &QAction::triggered, this, &TWettkampf::MFormularClick);
    connect(BtnZurueck, &QPushButton::clicked, this, [this] { blaettern(1); });
    connect(BtnVor, &QPushButton::clicked, this, [this] { blaettern(2); });
    connect(BtnSchliessen, &QPushButton::clicked, this, [this] { DatenbankFensterSetzen(0); });
    connect(MOeffnen, &QAction::triggered, this,
            [this] { DatenbankFensterSetzen(DatenbankHoehe == 0 ? DatenbankHoeheMax : 0); });
    connect(PopupVerschieben, &QAction::triggered, this, [this] {
        GridVerschieben = GridVerschieben ? 0 : 1;
        verschiebenAnwenden();
        menueStatusSetzen();
    });
    connect(DBGridStarter->horizontalHeader(), &QHeaderView::sectionClicked, this, &TWettkampf::kopfGeklickt);
    // The corner cell: the whole table, rows draggable.
    if (auto* ecke = DBGridStarter->findChild<QAbstractButton*>()) {
        connect(ecke, &QAbstractButton::clicked, this, [this] {
            AktSpielerNr = -1;
            AktSpieler = nullptr;
            GridVerschieben = 1;
            verschiebenAnwenden();
            DBGridStarter->selectAll();
            menueStatusSetzen();
        });
    }
    connect(DBGridStarter, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        AktSpielerNr = -1;
        AktSpieler = nullptr;
        menueStatusSetzen();
        PopupVerschieben->setChecked(GridVerschieben);
        PopupGrid->popup(DBGridStarter->viewport()->mapToGlobal(p));
    });
    // The hint is the name of the row at the cursor.
    connect(DBGridStarter->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                DBGridStarter->setToolTip(
                    i.isValid() ? Zelltext(Spielerdatenbank().zelle(i.row(), SpalteName)) : QString());
            });
    DBGridStarter->viewport()->installEventFilter(this);
    DBGridStarter->horizontalHeader()->viewport()->installEventFilter(this);
    DBStarterPanel->installEventFilter(this);
    Splitter->installEventFilter(this);
    GridUebernahme = [this] { gridUebernehmen(); };
    verschiebenAnwenden();
}

void TWettkampf::DatenbankFensterSetzen(int hoehe)
{
    const int vorher = DatenbankHoehe;
    const bool warOffen = vorher > 0;
    DatenbankHoehe = std::clamp(hoehe, 0, DatenbankHoeheMax);
    DBStarterPanel->setFixedHeight(DatenbankHoehe);
    DBGridStarter->setFixedHeight(std::max(DatenbankHoehe - LeisteHoehe, 0));
    // A window lower than its parts (a small screen) scrolls the opened panel
    // into view, so that its rows show beside the line-ups. The layouts from
    // the panel up to the scroll area take the new height first, each in
    // answer to the one below it.
    if (DatenbankHoehe > vorher)
        QTimer::singleShot(0, this, [this] {
            if (auto* rollen = findChild<QScrollArea*>(QStringLiteral("Rollbereich")); rollen && DatenbankHoehe > 0) {
                for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                rollen->ensureWidgetVisible(Splitter, 0, 0);
                rollen->ensureWidgetVisible(DBStarterPanel, 0, 0);
            }
        });
    MOeffnen->setText(DatenbankHoehe == 0 ? QStringLiteral("&Öffnen") : QStringLiteral("&Schließen"));
    if (DatenbankHoehe == 0 && warOffen) {
        gridUebernehmen();
        SpielerdatenbankSpeichernFragen();
    }
}

void TWettkampf::verschiebenAnwenden()
{
    const bool an = GridVerschieben != 0;
    m_modell->setZiehbar(an);
    DBGridStarter->setDragEnabled(an);
    DBGridStarter->setSelectionBehavior(an ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    if (an) DBGridStarter->scrollTo(m_modell->index(DBGridStarter->rowAt(0) < 0 ? 0 : DBGridStarter->rowAt(0), 0));
    PopupVerschieben->setChecked(an);
}

// --- Selection --------------------------------------------------------------------------

int TWettkampf::SelStartRow() const
{
    const QModelIndexList zeilen = DBGridStarter->selectionModel()->selectedRows();
    if (!zeilen.isEmpty()) {
        int r = zeilen.first().row();
        for (const QModelIndex& i : zeilen) r = std::min(r, i.row());
        return r;
    }
    const QModelIndex aktuell = DBGridStarter->currentIndex();
    if (aktuell.isValid() && DBGridStarter->selectionModel()->isSelected(aktuell)) return aktuell.row();
    const QModelIndexList zellen = DBGridStarter->selectionModel()->selectedIndexes();
    return zellen.isEmpty() ? -1 : zellen.first().row();
}

int TWettkampf::SelStartCol() const
{
    if (!DBGridStarter->selectionModel()->selectedRows().isEmpty()) return -1;
    const QModelIndex aktuell = DBGridStarter->currentIndex();
    if (aktuell.isValid() && DBGridStarter->selectionModel()->isSelected(aktuell)) return aktuell.column();
    const QModelIndexList zellen = DBGridStarter->selectionModel()->selectedIndexes();
    return zellen.isEmpty() ? 0 : zellen.first().column();
}

QList<int> TWettkampf::markierteZeilen() const
{
    QList<int> zeilen;
    for (const QModelIndex& i : DBGridStarter->selectionModel()->selectedIndexes())
        if (!zeilen.contains(i.row())) zeilen << i.row();
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

void TWettkampf::gridZeileZeigen(int zeile)
{
    if (zeile < 0 || zeile >= m_modell->rowCount()) return;
    const int spalte = std::max(DBGridStarter->currentIndex().column(), 0);
    const QModelIndex i = m_modell->index(zeile, spalte);
    const auto art = GridVerschieben ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
    DBGridStarter->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | art);
    DBGridStarter->scrollTo(i);
}

void TWettkampf::gridUebernehmen() { m_delegate->uebernehmen(); }

// --- Commands ---------------------------------------------------------------------------

int TWettkampf::neueZeile()
{
    DatenbankGeaendert = 1;
    if (SelStartCol() != -1 && SelStartRow() >= 0) return -1;
    // Whole rows: a row before the first; nothing selected: one at the end.
    const int vor = SelStartRow();
    const int r = m_modell->zeileEinfuegen(vor < 0 ? m_modell->rowCount() : vor);
    gridZeileZeigen(r);
    return r;
}

void TWettkampf::BtnNeuClick()
{
    gridUebernehmen();
    neueZeile();
    menueStatusSetzen();
}

void TWettkampf::BtnUpdateClick()
{
    if (!AktWettkampf) return;
    gridUebernehmen();
    SpielerUebernehmen(Spielerdatenbank(), *AktWettkampf);
    gridZeileZeigen(0);
}

void TWettkampf::BtnSpeichernClick()
{
    gridUebernehmen();
    SpielerdatenbankSpeichern();
    m_modell->neuZeichnen();
}

void TWettkampf::BtnLoeschenClick()
{
    gridUebernehmen();
    const QList<int> zeilen = markierteZeilen();
    if (zeilen.isEmpty()) return;
    if (boxen().hinweisJa(QStringLiteral("markierte Starter löschen ?")) != ErgebnisJa) return;
    m_modell->zeilenLoeschen(zeilen);
    DatenbankGeaendert = 1;
    menueStatusSetzen();
}

void TWettkampf::BtnSuchenClick()
{
    gridUebernehmen();
    TSuchen suchen(this, SelStartRow());
    suchen.exec();
    if (suchen.fundZeile() >= 0) fundzelleMarkieren(suchen.fundSpalte(), suchen.fundZeile());
}

void TWettkampf::fundzelleMarkieren(int spalte, int zeile)
{
    if (zeile < 0 || zeile >= m_modell->rowCount() || spalte < 0 || spalte >= SpielerSpalten) return;
    auto& z = spielerdatenbankZustand;
    z.SuchSpalte = spalte;
    z.SuchTrefferSpalte = spalte;
    z.SuchTrefferZeile = zeile;
    const QModelIndex i = m_modell->index(zeile, spalte);
    DBGridStarter->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    DBGridStarter->scrollTo(i, QAbstractItemView::PositionAtTop);
    m_modell->neuZeichnen();
}

void TWettkampf::BtnImportClick()
{
    gridUebernehmen();
    if (fenster().dialog(Dialog::SpielerdatenbankImportieren)) DatenbankGeaendert = 1;
    menueStatusSetzen();
}

void TWettkampf::BtnExportClick()
{
    gridUebernehmen();
    const std::optional<std::pair<QString, int>> wahl = exportDateiWaehlen();
    if (!wahl || wahl->first.isEmpty()) return;
    const ExportZiel ziel = ExportZielBestimmen(wahl->first, wahl->second);
    if (ziel.trennzeichen) Trennzeichen = *ziel.trennzeichen;
    const QString fehler = SpielerdatenbankExportieren(ziel.datei);
    if (!fehler.isEmpty()) boxen().hinweis(fehler);
}

void TWettkampf::BtnDatenbankHelpClick()
{
    HilfedateiZeigen(this, QStringLiteral("Hilfe_Datenbank.rtf"));
}

namespace {

// The list project of the player list, in the data folder.
QString Spielerliste() { return QDir(Datenverzeichnis).filePath(QStringLiteral("Spielerdaten.lst")); }

}  // namespace

// The component asks for the fields of each record: samples for the
// designer, else the cells of row DruckZeile.
void TWettkampf::listenkomponente()
{
    LLTool = std::make_unique<TL8_>();
    LLTool->setEigenschaft(L8Eigenschaft::SortVariables, 1);
    LLTool->EnableDefineVariablesEvent = true;
    LLTool->EnableDefineFieldsEvent = true;
    LLTool->OnDefineFields = [this](TL8_& ll, int, int bDummy, int* prozent, int* letzte, int&) {
        Listendruck druck{DruckZeile};
        bool zuletzt = false;
        const QList<Listenfeld> felder =
            bDummy ? SpielerlisteFelder(Spielerdatenbank(), -1) : druck.naechste(Spielerdatenbank(), prozent, &zuletzt);
        for (const Listenfeld& f : felder) ll.LlDefineFieldExt(f.name, f.wert, WerttypText, 0);
        if (bDummy) return;
        DruckZeile = druck.DruckZeile;
        if (letzte) *letzte = zuletzt ? 1 : 0;
    };
}

void TWettkampf::MDruckenClick()
{
    gridUebernehmen();
    if (Spielerdatenbank().zeilen() == 0) {
        boxen().hinweis(QStringLiteral("Die Spielerdatenbank enthält keine Spieler."));
        return;
    }
    DruckZeile = 0;
    const int r = LLTool->Print(1, ProjekttypListe, Spielerliste(), false, AusgabeDrucker, 3, this,
                                QStringLiteral("drucke Spielerdatenbank"), true, QString());
    if (r < 0 && r != BerichtAbgebrochen)
        boxen().hinweis(QStringLiteral("Die Spielerdatenbank wurde nicht gedruckt: %1").arg(LLTool->LlGetErrortext()));
}

void TWettkampf::MFormularClick()
{
    const int r = LLTool->Design(0, this, QStringLiteral("Formulardesign"), ProjekttypListe, Spielerliste(), false);
    if (r < 0 && r != BerichtAbgebrochen)
        boxen().hinweis(QStringLiteral("Der Formulardesigner kann nicht öffnen: %1").arg(LLTool->LlGetErrortext()));
}

void TWettkampf::blaettern(int richtung)
{
    const int r = SelStartRow();
    if (richtung == 1 && r > 0) gridZeileZeigen(r - 1);
    // Never past the last row.
    if (richtung == 2 && r < m_modell->rowCount() - 1) gridZeileZeigen(r + 1);
}

void TWettkampf::kopfGeklickt(int spalte)
{
    AktSpielerNr = -1;
    AktSpieler = nullptr;
    SuchSpalte = spalte;
    gridUebernehmen();
    m_modell->kopfMarkieren(spalte);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_modell->sortieren(spalte);
    QApplication::restoreOverrideCursor();
}

// --- The edit menu on the grid ----------------------------------------------------------

void TWettkampf::gridKopieren()
{
    const int r = SelStartRow();
    if (r < 0) return;
    auto zeile = std::make_unique<TSpielerEintrag>();
    StarterZeileLesen(*zeile, r);
    SpielerInAblage(*zeile);
}

void TWettkampf::gridAusschneiden()
{
    if (SelStartRow() < 0) return;
    gridKopieren();
    m_modell->zeilenLoeschen(markierteZeilen());
    DatenbankGeaendert = 1;
}

void TWettkampf::gridEinfuegen()
{
    if (!AblageBelegt) return;
    const int r = neueZeile();
    if (r >= 0) StarterZeileSchreiben(SpielerAblage, r);
}

// 0 cut, 1 copy, 2 paste: the current cell's text and the clipboard.
void TWettkampf::gridTextOperation(int art)
{
    const QModelIndex i = DBGridStarter->currentIndex();
    if (!i.isValid() || SelStartCol() < 0) return;
    QClipboard* ablage = QApplication::clipboard();
    if (art <= 1) ablage->setText(m_modell->data(i, Qt::EditRole).toString());
    if (art == 0) m_modell->setData(i, QString());
    if (art == 2) m_modell->setData(i, ablage->text());
}

// --- Drop of a row ----------------------------------------------------------------------

void TWettkampf::zeileAblegen(int zeile, int ziel)
{
    if (!AktWettkampf || zeile < 0 || zeile >= Spielerdatenbank().zeilen()) return;
    auto eintrag = std::make_unique<TSpielerEintrag>();
    StarterZeileLesen(*eintrag, zeile);
    ergebnisZeigen(ZeileAblegen(*AktWettkampf, *eintrag, ziel));
    menueStatusSetzen();
}

// --- Default file choice of the export --------------------------------------------------

std::optional<std::pair<QString, int>> ExportDateiDialog(QWidget* eltern)
{
    const QString ordner = Einst.DatenbankPfad.isEmpty() ? Datenverzeichnis : Einst.DatenbankPfad;
    const QStringList filter = {QStringLiteral("Texttabellen, Semikolon getrennt (*.csv)"),
                                QStringLiteral("Texttabellen, Komma getrennt (*.csv)"), QStringLiteral("Text (*.txt)")};
    QFileDialog d(eltern, QStringLiteral("Spielerdatenbank exportieren"), ordner);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setNameFilters(filter);
    d.selectNameFilter(filter.first());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return std::make_pair(d.selectedFiles().first(), int(filter.indexOf(d.selectedNameFilter())) + 1);
}

// --- Mouse on the grid, the panel and the splitter --------------------------------------

bool TWettkampf::datenbankFilter(QObject* o, QEvent* e)
{
    const auto art = e->type();
    if (o == DBGridStarter->viewport() || o == DBGridStarter->horizontalHeader()->viewport()) {
        if (art == QEvent::MouseButtonPress) {
            AktSpielerNr = -1;
            AktSpieler = nullptr;
            const int spalte = DBGridStarter->columnAt(int(static_cast<QMouseEvent*>(e)->position().x()));
            if (spalte >= 0) SuchSpalte = spalte;
        } else if (art == QEvent::MouseButtonRelease) {
            menueStatusSetzen();
        }
        return false;
    }
    if (o == DBStarterPanel && art == QEvent::MouseButtonDblClick) {
        DatenbankFensterSetzen(DatenbankHoehe < DatenbankHoeheMax ? DatenbankHoeheMax : 0);
        return true;
    }
    if (o == Splitter) {
        switch (art) {
        case QEvent::MouseButtonPress: {
            const auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() != Qt::LeftButton) return false;
            m_splitterY = int(m->globalPosition().y());
            return true;
        }
        case QEvent::MouseMove: {
            if (m_splitterY < 0) return false;
            const int y = int(static_cast<QMouseEvent*>(e)->globalPosition().y());
            DatenbankFensterSetzen(DatenbankHoehe + y - m_splitterY);
            m_splitterY = y;
            return true;
        }
        case QEvent::MouseButtonRelease: m_splitterY = -1; return true;
        default: return false;
        }
    }
    return false;
}
