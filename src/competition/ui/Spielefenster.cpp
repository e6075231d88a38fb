#include "competition/ui/Spielefenster.h"

#include "competition/Spieleliste.h"
#include "core/Boxes.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QToolButton* schnellknopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis)
{
    auto* b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hinweis);
    b->setAutoRaise(true);
    return b;
}

QAction* aktion(QMenu* menue, const char* name, const QString& text)
{
    QAction* a = menue->addAction(text);
    a->setObjectName(QLatin1String(name));
    return a;
}

}  // namespace

TSpieleFenster::TSpieleFenster(QWidget* parent, const QString& name, const QString& titel, QStringView farbe)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(titel);
    HintergrundSetzen(this, farbe);

    CBDrive = new QComboBox(this);
    CBDrive->setObjectName(QStringLiteral("CBDrive"));
    m_modell = new QFileSystemModel(this);
    m_modell->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_modell->setRootPath(QDir::rootPath());
    LBDirectory = new QTreeView(this);
    LBDirectory->setObjectName(QStringLiteral("LBDirectory"));
    LBDirectory->setModel(m_modell);
    for (int c = 1; c < m_modell->columnCount(); ++c) LBDirectory->hideColumn(c);
    LBDirectory->header()->hide();
    LBDirectory->setMinimumSize(260, 280);
    LPfadName = new QLabel(this);
    LPfadName->setObjectName(QStringLiteral("LPfadName"));
    LPfadName->setMinimumWidth(260);
    LPfadName->setMaximumWidth(560);
    LBFile = new QListWidget(this);
    LBFile->setObjectName(QStringLiteral("LBFile"));
    LBFile->setMinimumSize(280, 280);
    EFile = new QLineEdit(this);
    EFile->setObjectName(QStringLiteral("EFile"));
    EFile->setMaxLength(60);

    BtnInhalt = schnellknopf(this, "BtnInhalt", QStringLiteral("»"), QStringLiteral("Inhalt anzeigen"));
    BtnNeuerOrdner = schnellknopf(this, "BtnNeuerOrdner", QStringLiteral("+"), QStringLiteral("neuer Ordner"));
    BtnUmbenennen =
        schnellknopf(this, "BtnUmbenennen", QStringLiteral("ab"), QStringLiteral("Listeneintrag umbenennen"));
    BtnLoeschen = schnellknopf(this, "BtnLoeschen", QStringLiteral("✕"), QStringLiteral("Listeneintrag löschen"));
    BtnSortieren = schnellknopf(this, "BtnSortieren", QStringLiteral("A↓"), QStringLiteral("Liste sortieren"));
    BtnAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BtnAbbrechen->setObjectName(QStringLiteral("BtnAbbrechen"));
    BtnAbbrechen->setAutoDefault(false);

    PopupListe = new QMenu(this);
    PopupListe->setObjectName(QStringLiteral("PopupListe"));
    MSortieren = aktion(PopupListe, "MSortieren", QStringLiteral("Einträge &sortieren"));
    MUmbenennen = aktion(PopupListe, "MUmbenennen", QStringLiteral("Eintrag &umbenennen"));
    MLoeschen = aktion(PopupListe, "MLoeschen", QStringLiteral("Eintrag &löschen"));
    MAlleLoeschen = aktion(PopupListe, "MAlleLoeschen", QStringLiteral("&alle Einträge löschen"));
    LBFile->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LBFile, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupListe->popup(LBFile->viewport()->mapToGlobal(p)); });
    PopupOrdner = new QMenu(this);
    PopupOrdner->setObjectName(QStringLiteral("PopupOrdner"));
    MNeuerOrdner = aktion(PopupOrdner, "MNeuerOrdner", QStringLiteral("&neuer Ordner"));
    LBDirectory->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LBDirectory, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupOrdner->popup(LBDirectory->viewport()->mapToGlobal(p)); });
    PopupColorGround = HintergrundAktion(this, farbe);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(CBDrive, &QComboBox::activated, this, [this](int i) {
        const QString pfad = CBDrive->itemData(i).toString();
        if (!pfad.isEmpty()) ordnerZeigen(pfad);
    });
    // The model reads the folders in the background and sorts each one after
    // it was read: the folder shown is kept in view while rows come and move,
    // until the operator moves the tree himself.
    const auto folgen = [this] {
        if (m_folgen) ordnerInSicht();
    };
    connect(m_modell, &QFileSystemModel::directoryLoaded, this, folgen);
    connect(m_modell, &QAbstractItemModel::rowsInserted, this, folgen);
    connect(m_modell, &QAbstractItemModel::layoutChanged, this, folgen);
    connect(LBDirectory->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { m_folgen = false; });
    LBDirectory->installEventFilter(this);
    LBDirectory->viewport()->installEventFilter(this);
    connect(LBDirectory, &QTreeView::clicked, this, [this] { LBDirectoryClick(); });
    connect(LBDirectory, &QTreeView::activated, this, [this] { LBDirectoryClick(); });
    connect(BtnInhalt, &QToolButton::clicked, this, [this] { LBDirectoryClick(); });
    connect(BtnNeuerOrdner, &QToolButton::clicked, this, &TSpieleFenster::NeuerOrdnerClick);
    connect(MNeuerOrdner, &QAction::triggered, this, &TSpieleFenster::NeuerOrdnerClick);
    connect(BtnUmbenennen, &QToolButton::clicked, this, &TSpieleFenster::BtnUmbenennenClick);
    connect(MUmbenennen, &QAction::triggered, this, &TSpieleFenster::BtnUmbenennenClick);
    connect(BtnLoeschen, &QToolButton::clicked, this, &TSpieleFenster::BtnLoeschenClick);
    connect(MLoeschen, &QAction::triggered, this, &TSpieleFenster::BtnLoeschenClick);
    connect(MAlleLoeschen, &QAction::triggered, this, &TSpieleFenster::MAlleLoeschenClick);
    connect(BtnSortieren, &QToolButton::clicked, this, &TSpieleFenster::BtnSortierenClick);
    connect(MSortieren, &QAction::triggered, this, &TSpieleFenster::BtnSortierenClick);
    connect(LBFile, &QListWidget::currentRowChanged, this, [this](int zeile) { auswahlGeaendert(zeile); });

    auto* werkzeuge = new QHBoxLayout;
    for (QToolButton* b : {BtnInhalt, BtnNeuerOrdner, BtnUmbenennen, BtnLoeschen, BtnSortieren}) werkzeuge->addWidget(b);
    werkzeuge->addStretch();
    auto* links = new QVBoxLayout;
    links->addWidget(CBDrive);
    links->addWidget(LBDirectory, 1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(EFile);
    rechts->addWidget(LBFile, 1);
    m_knoepfe = new QVBoxLayout;
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(links, 1);
    mitte->addLayout(rechts, 1);
    mitte->addLayout(m_knoepfe);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(werkzeuge);
    haupt->addWidget(LPfadName);
    haupt->addLayout(mitte, 1);

    laufwerkeFuellen();
}

void TSpieleFenster::laufwerkeFuellen()
{
    // In place of drive letters: the program and home folders and the mounted volumes.
    CBDrive->addItem(QStringLiteral("Programmordner"), Programmverzeichnis);
    CBDrive->addItem(QStringLiteral("Persönlicher Ordner"), QDir::homePath());
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady()) continue;
        const QString wurzel = v.rootPath();
        if (wurzel.startsWith(QLatin1String("/proc")) || wurzel.startsWith(QLatin1String("/sys")) ||
            wurzel.startsWith(QLatin1String("/dev")) || wurzel.startsWith(QLatin1String("/run")) ||
            wurzel.startsWith(QLatin1String("/snap")))
            continue;
        const QString name = v.displayName() == wurzel ? wurzel : v.displayName() + QStringLiteral(" (") + wurzel + u')';
        CBDrive->addItem(name, wurzel);
    }
}

void TSpieleFenster::ordnerZeigen(const QString& ordner)
{
    m_ordner = QDir(ordner).absolutePath();
    const QString anzeige = QDir::toNativeSeparators(m_ordner);
    LPfadName->setText(fontMetrics().elidedText(anzeige, Qt::ElideMiddle, LPfadName->maximumWidth()));
    LPfadName->setToolTip(anzeige);
    m_folgen = true;
    ordnerInSicht();
    {
        // The drive box shows the longest root the folder lies in.
        const QSignalBlocker sperre(CBDrive);
        int beste = -1;
        qsizetype laenge = -1;
        for (int i = 0; i < CBDrive->count(); ++i) {
            const QString wurzel = CBDrive->itemData(i).toString();
            if (wurzel.isEmpty()) continue;
            const QString mitTrenner = wurzel.endsWith(u'/') ? wurzel : wurzel + u'/';
            if ((m_ordner == wurzel || m_ordner.startsWith(mitTrenner)) && wurzel.size() > laenge) {
                beste = i;
                laenge = wurzel.size();
            }
        }
        CBDrive->setCurrentIndex(beste);
    }
    m_liste = SpielelisteLesen(m_ordner);
    listeAnzeigen(m_liste.isEmpty() ? -1 : 0);
}

void TSpieleFenster::listeAnzeigen(int zeile)
{
    {
        const QSignalBlocker sperre(LBFile);
        LBFile->clear();
        LBFile->addItems(m_liste);
        LBFile->setCurrentRow(zeile);
    }
    knoepfeSetzen();
    auswahlGeaendert(LBFile->currentRow());
}

void TSpieleFenster::ordnerInSicht()
{
    // The folder has an index once the model has read the folders above it.
    const QModelIndex index = m_modell->index(m_ordner);
    if (!index.isValid()) return;
    if (LBDirectory->currentIndex() != index) LBDirectory->setCurrentIndex(index);
    if (!LBDirectory->viewport()->rect().contains(LBDirectory->visualRect(index)))
        LBDirectory->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TSpieleFenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_folgen) ordnerInSicht();
}

bool TSpieleFenster::eventFilter(QObject* objekt, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel || event->type() == QEvent::KeyPress)
        m_folgen = false;
    return QDialog::eventFilter(objekt, event);
}

QString TSpieleFenster::baumOrdner() const
{
    const QModelIndex index = LBDirectory->currentIndex();
    return index.isValid() ? m_modell->filePath(index) : m_ordner;
}

void TSpieleFenster::LBDirectoryClick()
{
    const QString pfad = baumOrdner();
    if (!pfad.isEmpty() && QDir(pfad).absolutePath() != m_ordner) ordnerZeigen(pfad);
}

void TSpieleFenster::NeuerOrdnerClick()
{
    EingabeAnfrage a;
    a.beschriftung = QStringLiteral("Ordnername:");
    a.hinweis = QStringLiteral("Name eintragen");
    a.pfeileSichtbar = false;
    a.beliebigeZeichen = true;  // a folder on the disk
    const std::optional<QString> name = boxen().eingabe(a);
    if (!name || name->isEmpty() || name->startsWith(u' ')) return;
    QDir eltern(baumOrdner());
    if (!eltern.mkdir(*name))
        boxen().hinweis(QStringLiteral("Der Ordner „%1“ konnte nicht angelegt werden.").arg(*name));
}

void TSpieleFenster::BtnUmbenennenClick()
{
    const int k = LBFile->currentRow();
    if (k < 0 || k >= m_liste.size()) return;
    EingabeAnfrage a;
    a.beschriftung = QStringLiteral("Name:");
    a.hinweis = QStringLiteral("Name eintragen");
    a.text = m_liste[k];
    a.pfeileSichtbar = false;
    const std::optional<QString> name = boxen().eingabe(a);
    if (!name || name->isEmpty()) return;
    QString fehler;
    if (!SpieleintragUmbenennen(m_ordner, m_liste, k, name->left(60), &fehler)) boxen().hinweis(fehler);
    listeAnzeigen(k);
}

void TSpieleFenster::BtnLoeschenClick()
{
    const int k = LBFile->currentRow();
    if (k < 0 || k >= m_liste.size()) return;
    if (boxen().hinweisJa(QStringLiteral("Eintrag  ") + m_liste[k] + QStringLiteral("  löschen ?")) != ErgebnisJa)
        return;
    QString fehler;
    if (!SpieleintragLoeschen(m_ordner, m_liste, k, &fehler)) {
        boxen().hinweis(fehler);
        listeAnzeigen(k);
        return;
    }
    listeAnzeigen(m_liste.isEmpty() ? -1 : 0);
}

void TSpieleFenster::MAlleLoeschenClick()
{
    if (boxen().hinweisJa(QStringLiteral("alle Einträge löschen ?")) != ErgebnisJa) return;
    QString fehler;
    if (!SpieleintraegeAlleLoeschen(m_ordner, m_liste, &fehler)) boxen().hinweis(fehler);
    listeAnzeigen(m_liste.isEmpty() ? -1 : 0);
}

void TSpieleFenster::BtnSortierenClick()
{
    if (m_liste.isEmpty() || boxen().hinweisJa(QStringLiteral("Liste sortieren ?")) != ErgebnisJa) return;
    QString fehler, hinweis;
    if (!SpielelisteSortieren(m_ordner, m_liste, &fehler, &hinweis)) boxen().hinweis(fehler);
    if (!hinweis.isEmpty()) boxen().hinweis(hinweis);
    listeAnzeigen(0);
    EFile->setText(m_liste.value(0));
}

void TSpieleFenster::mousePressEvent(QMouseEvent* event)
{
    KlickSoundSpielen();
    QDialog::mousePressEvent(event);
}
