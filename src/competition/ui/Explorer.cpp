#include "competition/ui/Explorer.h"

#include "core/Boxes.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int PfadRolle = Qt::UserRole;

// The folder chain, indented like a tree but without expand controls: every
// level is always open.
class Ordnerbaum : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

QToolButton* Werkzeug(QWidget* eltern, const char* name, const QString& text, const QString& hinweis, const QIcon& bild)
{
    auto* b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hinweis);
    b->setIcon(bild);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

QString Elternordner(const QString& pfad)
{
    const QString p = QDir::cleanPath(pfad);
    return p == QLatin1String("/") ? p : QFileInfo(p).absolutePath();
}

EingabeAnfrage Namensfrage(const QString& beschriftung, const QString& hinweis, const QString& text)
{
    EingabeAnfrage a;
    a.beschriftung = beschriftung;
    a.hinweis = hinweis;
    a.text = text;
    a.pfeileSichtbar = false;
    a.beliebigeZeichen = true;
    return a;
}

}  // namespace

TExplorer::TExplorer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Explorer"));
    setWindowTitle(QStringLiteral("Explorer"));
    HintergrundSetzen(this, u"ColorExplorer");

    CBDrive = new QComboBox(this);
    CBDrive->setObjectName(QStringLiteral("CBDrive"));
    CBDrive->setToolTip(QStringLiteral("wählen Sie eine Speichereinheit"));
    LBDirectory = new Ordnerbaum(this);
    LBDirectory->setObjectName(QStringLiteral("LBDirectory"));
    LBDirectory->setToolTip(QStringLiteral("Verzeichnisse"));
    LBDirectory->setHeaderHidden(true);
    LBDirectory->setRootIsDecorated(false);
    LBDirectory->setItemsExpandable(false);
    LBDirectory->setIndentation(14);
    LBDirectory->setMinimumSize(260, 300);
    auto* pfadTitel = new QLabel(QStringLiteral("Pfad:"), this);
    LPfadName = new QLabel(this);
    LPfadName->setObjectName(QStringLiteral("LPfadName"));
    LPfadName->setMinimumWidth(300);
    LPfadName->setMaximumWidth(600);
    LBFile = new QListWidget(this);
    LBFile->setObjectName(QStringLiteral("LBFile"));
    LBFile->setToolTip(QStringLiteral("Inhalt des ausgewählten Verzeichnisses"));
    LBFile->setMinimumSize(280, 300);

    QStyle* s = style();
    SBtnNeuerOrdner = Werkzeug(this, "SBtnNeuerOrdner", QStringLiteral("&Neu"), QStringLiteral("neuen Ordner anlegen"),
                               s->standardIcon(QStyle::SP_FileDialogNewFolder));
    SBtnLoeschen = Werkzeug(this, "SBtnLoeschen", QStringLiteral("&Löschen"),
                            QStringLiteral("Ordner oder Datei löschen"), s->standardIcon(QStyle::SP_TrashIcon));
    SBtnUmbenennen = Werkzeug(this, "SBtnUmbenennen", QStringLiteral("&Umbenennen"),
                              QStringLiteral("Ordner oder Datei umbenennen"), s->standardIcon(QStyle::SP_FileLinkIcon));
    SBtnInhalt =
        Werkzeug(this, "SBtnInhalt", QStringLiteral("&Inhalt"), QStringLiteral("Inhalt des Ordners aktualisieren"),
                 s->standardIcon(QStyle::SP_BrowserReload));
    BtnZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    BtnZurueck->setObjectName(QStringLiteral("BtnZurueck"));
    BtnZurueck->setAutoDefault(false);

    PopupListen = new QMenu(this);
    PopupListen->setObjectName(QStringLiteral("PopupListen"));
    MNeuerOrdner = PopupListen->addAction(QStringLiteral("&neuer Ordner"));
    MNeuerOrdner->setObjectName(QStringLiteral("MNeuerOrdner"));
    MEintragLoeschen = PopupListen->addAction(QStringLiteral("Eintrag &löschen"));
    MEintragLoeschen->setObjectName(QStringLiteral("MEintragLoeschen"));
    PopupListen->addSeparator();
    PopupColorGround = HintergrundAktion(this, u"ColorExplorer", PopupListen, Farbvorschau::An);
    addAction(PopupColorGround);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAbstractScrollArea* liste :
         {static_cast<QAbstractScrollArea*>(LBDirectory), static_cast<QAbstractScrollArea*>(LBFile)}) {
        liste->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(liste, &QWidget::customContextMenuRequested, this,
                [this, liste](const QPoint& p) { PopupListen->popup(liste->viewport()->mapToGlobal(p)); });
        liste->viewport()->installEventFilter(this);
    }

    connect(CBDrive, &QComboBox::activated, this, &TExplorer::DriveChange);
    connect(LBDirectory, &QTreeWidget::itemClicked, this, [this] { LBDirectoryClick(); });
    connect(LBDirectory, &QTreeWidget::itemActivated, this, [this] { LBDirectoryClick(); });
    connect(LBFile, &QListWidget::itemClicked, this, [this] { LBFileClick(); });
    const auto knopf = [this](QAbstractButton* b, void (TExplorer::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] {
            KlickSoundSpielen();
            (this->*handler)();
        });
    };
    knopf(SBtnNeuerOrdner, &TExplorer::NeuerOrdnerClick);
    knopf(SBtnLoeschen, &TExplorer::LoeschenClick);
    knopf(SBtnUmbenennen, &TExplorer::UmbenennenClick);
    knopf(SBtnInhalt, &TExplorer::InhaltClick);
    connect(BtnZurueck, &QPushButton::clicked, this, [this] {
        KlickSoundSpielen();
        reject();
    });
    connect(MNeuerOrdner, &QAction::triggered, this, &TExplorer::NeuerOrdnerClick);
    connect(MEintragLoeschen, &QAction::triggered, this, &TExplorer::LoeschenClick);

    auto* werkzeuge = new QHBoxLayout;
    for (QToolButton* b : {SBtnNeuerOrdner, SBtnLoeschen, SBtnUmbenennen, SBtnInhalt}) werkzeuge->addWidget(b);
    werkzeuge->addStretch();
    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    auto* pfad = new QHBoxLayout;
    pfad->addWidget(pfadTitel);
    pfad->addWidget(LPfadName, 1);
    auto* mitte = new QGridLayout;
    mitte->addWidget(CBDrive, 0, 0);
    mitte->addWidget(new QLabel(QStringLiteral("Verzeichnisse"), this), 1, 0);
    mitte->addWidget(new QLabel(QStringLiteral("Inhalt des ausgewählten Verzeichnisses"), this), 1, 1);
    mitte->addWidget(LBDirectory, 2, 0);
    mitte->addWidget(LBFile, 2, 1);
    mitte->setColumnStretch(0, 1);
    mitte->setColumnStretch(1, 1);
    mitte->setRowStretch(2, 1);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BtnZurueck);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(werkzeuge);
    haupt->addWidget(linie);
    haupt->addLayout(pfad);
    haupt->addLayout(mitte, 1);
    haupt->addLayout(unten);

    // The volumes in place of drive letters; the program's own one selected.
    const QString start = Programmverzeichnis.isEmpty() ? QDir::currentPath() : Programmverzeichnis;
    m_laufwerke = DatentraegerLesen(start);
    for (const Datentraeger& d : m_laufwerke) CBDrive->addItem(DatentraegerText(d), d.wurzel);
    modusSetzen(true);
    ordnerOeffnen(start);
}

QTreeWidgetItem* TExplorer::ordnerEintrag(const QString& pfad) const
{
    const QString gesucht = QDir::cleanPath(pfad);
    for (QTreeWidgetItemIterator it(LBDirectory); *it; ++it)
        if ((*it)->data(0, PfadRolle).toString() == gesucht) return *it;
    return nullptr;
}

void TExplorer::ordnerOeffnen(const QString& pfad)
{
    QString ziel = QDir::cleanPath(QDir(pfad).absolutePath());
    while (!QFileInfo(ziel).isDir() && ziel != QLatin1String("/")) ziel = Elternordner(ziel);
    m_ordner = ziel;

    {
        // The folders from the root down, each inside the one above it,
        // then the folders of the open one.
        const QSignalBlocker sperre(LBDirectory);
        LBDirectory->clear();
        const QIcon offen = style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
        QTreeWidgetItem* oben = nullptr;
        QTreeWidgetItem* geoeffnet = nullptr;
        for (const Ordnereintrag& e : Ordnerkette(m_ordner)) {
            auto* item = oben ? new QTreeWidgetItem(oben) : new QTreeWidgetItem(LBDirectory);
            item->setText(0, e.name);
            item->setData(0, PfadRolle, e.pfad);
            item->setIcon(0, e.offen ? offen : zu);
            if (e.offen) {
                oben = item;
                geoeffnet = item;
            }
        }
        LBDirectory->expandAll();
        LBDirectory->setCurrentItem(geoeffnet);
        if (geoeffnet) LBDirectory->scrollToItem(geoeffnet);
    }

    const QString anzeige = QDir::toNativeSeparators(m_ordner);
    LPfadName->setText(fontMetrics().elidedText(anzeige, Qt::ElideMiddle, LPfadName->maximumWidth()));
    LPfadName->setToolTip(anzeige);
    {
        const QSignalBlocker sperre(CBDrive);
        CBDrive->setCurrentIndex(DatentraegerVon(m_laufwerke, m_ordner));
    }
    dateienFuellen();
}

void TExplorer::dateienFuellen(const QString& auswahl)
{
    const QSignalBlocker sperre(LBFile);
    LBFile->clear();
    const QIcon bild = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : DateienIn(m_ordner)) {
        auto* item = new QListWidgetItem(bild, name, LBFile);
        if (name == auswahl) LBFile->setCurrentItem(item);
    }
}

void TExplorer::modusSetzen(bool ordnerModus)
{
    m_ordnerModus = ordnerModus;
    MNeuerOrdner->setEnabled(ordnerModus);
    SBtnNeuerOrdner->setEnabled(ordnerModus);
    SBtnInhalt->setEnabled(ordnerModus);
}

bool TExplorer::eventFilter(QObject* objekt, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* maus = static_cast<QMouseEvent*>(event);
        const QPoint p = maus->position().toPoint();
        if (objekt == LBDirectory->viewport()) {
            modusSetzen(true);
            if (maus->button() == Qt::RightButton)
                if (QTreeWidgetItem* item = LBDirectory->itemAt(p)) LBDirectory->setCurrentItem(item);
        } else if (objekt == LBFile->viewport()) {
            modusSetzen(false);
            if (maus->button() == Qt::RightButton)
                if (QListWidgetItem* item = LBFile->itemAt(p)) LBFile->setCurrentItem(item);
        }
    }
    return QDialog::eventFilter(objekt, event);
}

QString TExplorer::gewaehlterOrdner() const
{
    const QList<QTreeWidgetItem*> gewaehlt = LBDirectory->selectedItems();
    return gewaehlt.isEmpty() ? QString() : gewaehlt.first()->data(0, PfadRolle).toString();
}

QString TExplorer::gewaehlteDatei() const
{
    const QList<QListWidgetItem*> gewaehlt = LBFile->selectedItems();
    return gewaehlt.isEmpty() ? QString() : QDir(m_ordner).filePath(gewaehlt.first()->text());
}

// --- Handlers -------------------------------------------------------------------------

void TExplorer::DriveChange(int index)
{
    const QString wurzel = CBDrive->itemData(index).toString();
    if (!wurzel.isEmpty()) ordnerOeffnen(wurzel);
}

void TExplorer::LBDirectoryClick()
{
    const QString pfad = gewaehlterOrdner();
    if (!pfad.isEmpty()) ordnerOeffnen(pfad);
    LBFile->clearSelection();
}

void TExplorer::LBFileClick()
{
    const QSignalBlocker sperre(LBDirectory);
    LBDirectory->clearSelection();
}

void TExplorer::InhaltClick()
{
    const QString pfad = gewaehlterOrdner();
    ordnerOeffnen(pfad.isEmpty() ? m_ordner : pfad);
}

void TExplorer::NeuerOrdnerClick()
{
    if (!m_ordnerModus) return;
    const std::optional<QString> name =
        boxen().eingabe(Namensfrage(QStringLiteral("Ordnername:"), QStringLiteral("Ordnername eintragen"), QString()));
    if (!name || !ExplorerNameGueltig(*name)) return;
    const QString gewaehlt = gewaehlterOrdner();
    const QString eltern = gewaehlt.isEmpty() ? m_ordner : gewaehlt;
    QString fehler;
    if (!ExplorerOrdnerAnlegen(eltern, *name, &fehler)) boxen().hinweis(fehler);
    ordnerOeffnen(eltern);
}

void TExplorer::LoeschenClick()
{
    QString fehler;
    if (!m_ordnerModus) {
        const QString datei = gewaehlteDatei();
        if (datei.isEmpty()) return;
        const QString frage = QStringLiteral("Datei  %1  löschen ?\nSie wird in den Papierkorb verschoben.")
                                  .arg(QFileInfo(datei).fileName());
        if (boxen().hinweisJa(frage) != ErgebnisJa) return;
        if (!ExplorerInPapierkorb(datei, &fehler)) boxen().hinweis(fehler);
        dateienFuellen();
        return;
    }
    const QString pfad = gewaehlterOrdner();
    if (pfad.isEmpty()) return;
    const QString frage =
        QStringLiteral("Ordner  %1  mit seinem ganzen Inhalt löschen ?\nEr wird in den Papierkorb verschoben.")
            .arg(QDir::toNativeSeparators(pfad));
    if (boxen().hinweisJa(frage) != ErgebnisJa) return;
    if (!ExplorerInPapierkorb(pfad, &fehler)) {
        boxen().hinweis(fehler);
        ordnerOeffnen(m_ordner);
        return;
    }
    // The folder list opens the folder above the deleted one.
    ordnerOeffnen(Elternordner(pfad));
}

void TExplorer::UmbenennenClick()
{
    QString fehler;
    if (!m_ordnerModus) {
        const QString datei = gewaehlteDatei();
        if (datei.isEmpty()) return;
        const QString alt = QFileInfo(datei).fileName();
        const std::optional<QString> name =
            boxen().eingabe(Namensfrage(QStringLiteral("Name:"), QStringLiteral("Name eintragen"), alt));
        if (!name || !ExplorerNameGueltig(*name)) return;
        const QString ziel = ExplorerZiel(m_ordner, *name);
        if (!ExplorerUmbenennen(datei, ziel, &fehler)) {
            boxen().hinweis(fehler);
            dateienFuellen(alt);
            return;
        }
        dateienFuellen(QFileInfo(ziel).absolutePath() == m_ordner ? QFileInfo(ziel).fileName() : QString());
        return;
    }
    const QString pfad = gewaehlterOrdner();
    if (pfad.isEmpty()) return;
    const std::optional<QString> eingabe = boxen().eingabe(
        Namensfrage(QStringLiteral("Name:"), QStringLiteral("Name eintragen"), QDir::toNativeSeparators(pfad)));
    if (!eingabe || !ExplorerNameGueltig(*eingabe)) return;
    // A path in another folder moves the folder there; a bare name stays beside it.
    const QString ziel = ExplorerZiel(Elternordner(pfad), *eingabe);
    if (!ExplorerUmbenennen(pfad, ziel, &fehler)) {
        boxen().hinweis(fehler);
        ordnerOeffnen(m_ordner);
        return;
    }
    ordnerOeffnen(ziel);
}
