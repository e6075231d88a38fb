#include "report/ui/FtpServer.h"

#include "core/Boxes.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Zeichenwache.h"
#include "match/dienste/Netzdienste.h"
#include "report/netz/Netzmodul.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>
#include <utility>

namespace {

constexpr int NameRolle = Qt::UserRole;
constexpr int OrdnerRolle = Qt::UserRole + 1;
constexpr int DateinameLaenge = 60;

const QString VerbundenText = QStringLiteral("Mit dem Server verbunden !");
const QString ListeText = QStringLiteral("List erfogreich ausgeführt");
const QString OrdnerText = QStringLiteral("MakeDir erfogreich ausgeführt");
const QString LoeschenText = QStringLiteral("Delete erfogreich ausgeführt");
const QString UmbenennenText = QStringLiteral("Rename erfogreich ausgeführt");
const QString DownloadText = QStringLiteral("Download erfogreich ausgeführt");
const QString UploadText = QStringLiteral("Upload erfogreich ausgeführt");

EingabeAnfrage Namensfrage(const QString& beschriftung, const QString& text)
{
    EingabeAnfrage a;
    a.beschriftung = beschriftung;
    a.hinweis = QStringLiteral("Name eintragen");
    a.text = text;
    a.pfeileSichtbar = false;
    a.beliebigeZeichen = true;
    return a;
}

QString Eintragname(const QListWidgetItem* e) { return e->data(NameRolle).toString(); }
bool IstOrdner(const QListWidgetItem* e) { return e->data(OrdnerRolle).toBool(); }

// The entry's name and caption, without counting as an edit.
void NameSetzen(QListWidgetItem* e, const QString& name)
{
    const QSignalBlocker sperre(e->listWidget());
    e->setData(NameRolle, name);
    e->setText(name);
}

}  // namespace

// The listings of one walk from the tree's top: listen[0] is the top's,
// listen[k] the one of the k-th part.
struct TFtpServer::Laden {
    QStringList teile;
    QList<QStringList> listen;
};

TFtpServer::TFtpServer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FtpServer"));
    setWindowTitle(QStringLiteral("Ftp Server"));
    HintergrundSetzen(this, u"ColorServer");
    // While the browser is open the network module's FTP texts go to its status bar.
    FtpStatusZiel([this](const QString& text) { statusSetzen(text); });

    TreeDirectory = Benannt(new QTreeWidget(this), "TreeDirectory");
    TreeDirectory->setHeaderHidden(true);
    TreeDirectory->setToolTip(QStringLiteral("Ordner des Servers"));
    TreeDirectory->setMinimumSize(220, 280);
    TreeDirectory->setIconSize(QSize(16, 16));
    ListFile = Benannt(new QListWidget(this), "ListFile");
    ListFile->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListFile->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    ListFile->setToolTip(QStringLiteral("Inhalt des Ordners"));
    ZeichenFrei(ListFile);  // renamed on the server, in UTF-8
    ListFile->setMinimumSize(280, 280);
    ListFile->setIconSize(QSize(16, 16));
    EFile = Benannt(new QLineEdit(this), "EFile");
    EFile->setMaxLength(DateinameLaenge);
    EFile->setReadOnly(true);
    LPfadName = Benannt(new QLabel(this), "LPfadName");
    LPfadName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StatusBar = Benannt(new QStatusBar(this), "StatusBar");
    StatusBar->setSizeGripEnabled(false);
    StatusPanel = Benannt(new QLabel(StatusBar), "StatusPanel");
    StatusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusPanel->setIndent(3);
    StatusBar->addWidget(StatusPanel, 1);

    BtnVerbinden = DialogKnopf(this, "BtnVerbinden", QStringLiteral("Verbinden"));
    BtnVerbinden->setToolTip(QStringLiteral("mit dem Server verbinden"));
    BtnUpload = DialogKnopf(this, "BtnUpload", QStringLiteral("Upload"));
    BtnUpload->setToolTip(QStringLiteral("Datei aus dem Datenverzeichnis auf den Server laden"));
    BtnDownload = DialogKnopf(this, "BtnDownload", QStringLiteral("Download"));
    BtnDownload->setToolTip(QStringLiteral("ausgewählte Datei vom Server laden"));
    BtnNeuerOrdner = DialogKnopf(this, "BtnNeuerOrdner", QStringLiteral("neuer Ordner"));
    BtnInhalt = DialogKnopf(this, "BtnInhalt", QStringLiteral("Inhalt anzeigen"));
    BtnInhalt->setToolTip(QStringLiteral("Inhalt des Ordners neu laden"));
    BtnUmbenennen = DialogKnopf(this, "BtnUmbenennen", QStringLiteral("Eintrag umbenennen"));
    BtnLoeschen = DialogKnopf(this, "BtnLoeschen", QStringLiteral("Eintrag löschen"));
    BtnBeenden = DialogKnopf(this, "BtnBeenden", QStringLiteral("&Beenden"));
    const QList<QPushButton*> knoepfe = {BtnVerbinden, BtnUpload,     BtnDownload, BtnNeuerOrdner,
                                         BtnInhalt,    BtnUmbenennen, BtnLoeschen, BtnBeenden};
    for (QPushButton* b : knoepfe) connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });

    PopupColorGround = HintergrundAktion(this, u"ColorServer");
    PopupColorGround->setText(QStringLiteral("Hintergrundfarbe"));
    setContextMenuPolicy(Qt::ActionsContextMenu);
    PopupListe = Benannt(new QMenu(this), "PopupListe");
    PopupUmbenennen = Benannt(PopupListe->addAction(QStringLiteral("Eintrag &umbenennen")), "PopupUmbenennen");
    PopupLoeschen = Benannt(PopupListe->addAction(QStringLiteral("Eintrag &löschen")), "PopupLoeschen");
    PopupListe->addSeparator();
    PopupListe->addAction(PopupColorGround);
    PopupBaum = Benannt(new QMenu(this), "PopupBaum");
    PopupNeuerOrdner = Benannt(PopupBaum->addAction(QStringLiteral("&neuer Ordner")), "PopupNeuerOrdner");
    PopupBaum->addSeparator();
    PopupBaum->addAction(PopupColorGround);
    const std::pair<QAbstractItemView*, QMenu*> popups[] = {{ListFile, PopupListe}, {TreeDirectory, PopupBaum}};
    for (const auto& [liste, menue] : popups) {
        liste->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(liste, &QWidget::customContextMenuRequested, this,
                [liste, menue](const QPoint& p) { menue->popup(liste->viewport()->mapToGlobal(p)); });
    }

    dateiOeffnen = [](QWidget* eltern, const QString& ordner) {
        return QFileDialog::getOpenFileName(eltern, QStringLiteral("Öffnen"), ordner,
                                            QStringLiteral("alle Dateien (*)"));
    };
    dateiSpeichern = [](QWidget* eltern, const QString& vorschlag) {
        return QFileDialog::getSaveFileName(eltern, QStringLiteral("Speichern unter"), vorschlag,
                                            QStringLiteral("alle Dateien (*)"));
    };

    connect(BtnVerbinden, &QPushButton::clicked, this, &TFtpServer::BtnVerbindenClick);
    connect(BtnUpload, &QPushButton::clicked, this, &TFtpServer::BtnUploadClick);
    connect(BtnDownload, &QPushButton::clicked, this, &TFtpServer::BtnDownloadClick);
    connect(BtnNeuerOrdner, &QPushButton::clicked, this, &TFtpServer::NeuerOrdnerClick);
    connect(BtnInhalt, &QPushButton::clicked, this, &TFtpServer::InhaltClick);
    connect(BtnUmbenennen, &QPushButton::clicked, this, &TFtpServer::UmbenennenClick);
    connect(BtnLoeschen, &QPushButton::clicked, this, &TFtpServer::LoeschenClick);
    connect(BtnBeenden, &QPushButton::clicked, this, &QDialog::reject);
    connect(PopupUmbenennen, &QAction::triggered, this, &TFtpServer::UmbenennenClick);
    connect(PopupLoeschen, &QAction::triggered, this, &TFtpServer::LoeschenClick);
    connect(PopupNeuerOrdner, &QAction::triggered, this, &TFtpServer::NeuerOrdnerClick);
    connect(TreeDirectory, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* k) { TreeDirectoryClick(k); });
    const auto ordnerBild = [this](QTreeWidgetItem* k, bool offen) {
        k->setIcon(0, style()->standardIcon(offen ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    };
    connect(TreeDirectory, &QTreeWidget::itemExpanded, this, [ordnerBild](QTreeWidgetItem* k) { ordnerBild(k, true); });
    connect(TreeDirectory, &QTreeWidget::itemCollapsed, this,
            [ordnerBild](QTreeWidgetItem* k) { ordnerBild(k, false); });
    connect(ListFile, &QListWidget::itemSelectionChanged, this, &TFtpServer::auswahlGeaendert);
    connect(ListFile, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* e) { ListFileDblClick(e); });
    connect(ListFile, &QListWidget::itemChanged, this, [this](QListWidgetItem* e) { ListFileEdited(e); });
    ListFile->installEventFilter(this);

    auto* spalte = new QVBoxLayout;
    for (QPushButton* b : knoepfe) {
        if (b == BtnBeenden) spalte->addStretch();
        b->setMinimumWidth(140);
        spalte->addWidget(b);
    }
    auto* listen = new QHBoxLayout;
    listen->addWidget(TreeDirectory, 2);
    listen->addWidget(ListFile, 3);
    listen->addLayout(spalte);
    auto* angaben = new QGridLayout;
    angaben->addWidget(new QLabel(QStringLiteral("Dateiname:"), this), 0, 0);
    angaben->addWidget(EFile, 0, 1);
    angaben->addWidget(new QLabel(QStringLiteral("Pfad:"), this), 1, 0);
    angaben->addWidget(LPfadName, 1, 1, 1, 2);
    angaben->setColumnStretch(1, 1);
    angaben->setColumnStretch(2, 1);
    auto* innen = new QVBoxLayout;
    innen->setContentsMargins(9, 9, 9, 4);
    innen->addLayout(listen, 1);
    innen->addLayout(angaben);
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);
    haupt->addLayout(innen, 1);
    haupt->addWidget(StatusBar);
    resize(760, 460);
    knoepfeSetzen();
}

TFtpServer::~TFtpServer()
{
    FtpStatusZiel({});
    verbindungAbgeben();
}

void TFtpServer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    statusSetzen(QString());
    knoepfeSetzen();
}

void TFtpServer::done(int ergebnis)
{
    verbindungAbgeben();
    unsetCursor();
    knoepfeSetzen();
    QDialog::done(ergebnis);
}

bool TFtpServer::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == ListFile && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        LoeschenClick();
        return true;
    }
    return QDialog::eventFilter(objekt, event);
}

void TFtpServer::statusSetzen(const QString& text) { StatusPanel->setText(text); }

// --- The session ------------------------------------------------------------------------

Ftpsitzung& TFtpServer::sitzung()
{
    if (!m_sitzung) {
        m_sitzung = new Ftpsitzung(this);
        connect(m_sitzung, &Ftpsitzung::erledigt, this,
                [this](Ftpsitzung::Vorgang, bool ok, const QString& fehler, const QString&, const QStringList& zeilen) {
                    erledigt(ok, fehler, zeilen);
                });
    }
    return *m_sitzung;
}

void TFtpServer::ausfuehren(const std::function<void(Ftpsitzung&)>& befehl, Fertig fertig)
{
    m_offen.enqueue(std::move(fertig));
    setCursor(Qt::WaitCursor);
    knoepfeSetzen();
    befehl(sitzung());
}

void TFtpServer::erledigt(bool ok, const QString& fehler, const QStringList& zeilen)
{
    if (m_offen.isEmpty()) return;
    const Fertig fertig = m_offen.dequeue();
    fertig(ok, fehler, zeilen);
    if (m_offen.isEmpty()) unsetCursor();
    knoepfeSetzen();
}

// A session that is idle says goodbye to the server and goes when it has;
// a running command is aborted with it.
void TFtpServer::verbindungAbgeben()
{
    m_offen.clear();
    Ftpsitzung* s = std::exchange(m_sitzung, nullptr);
    if (!s) return;
    s->disconnect(this);
    if (s->offen() > 0 || !s->verbunden()) {
        delete s;
        return;
    }
    s->setParent(QCoreApplication::instance());
    connect(s, &Ftpsitzung::erledigt, s, [s](Ftpsitzung::Vorgang v) {
        if (v == Ftpsitzung::Vorgang::Trennen) s->deleteLater();
    });
    s->trennen();
}

FtpOrdner TFtpServer::ordner() const { return FtpOrdner{m_teile, m_vomWurzelordner}; }

// --- Connecting and loading -------------------------------------------------------------

void TFtpServer::BtnVerbindenClick()
{
    if (beschaeftigt()) return;
    if (m_sitzung && m_sitzung->verbunden()) {
        nachVerbinden();
        return;
    }
    const FtpVerbindung& v = FtpAktuell;
    if (v.host.isEmpty() || v.kennung.isEmpty() || v.passwort.isEmpty()) return;
    const FtpZugang zugang{v.host, v.port, v.kennung, v.passwort};
    ausfuehren([zugang](Ftpsitzung& s) { s.verbinden(zugang); },
               [this](bool ok, const QString& fehler, const QStringList&) {
                   if (!ok) {
                       statusSetzen(fehler);
                       SoundSpielen(QStringLiteral("Error.wav"));
                       return;
                   }
                   statusSetzen(VerbundenText);
                   SoundSpielen(QStringLiteral("Connect.wav"));
                   nachVerbinden();
               });
}

// The browser starts where the uploads go.
void TFtpServer::nachVerbinden()
{
    const FtpOrdner ziel = FtpOrdnerAus(FtpAktuell.pfad);
    m_vomWurzelordner = ziel.vomWurzelordner;
    m_teile = ziel.teile;
    FtpListeLaden(m_teile);
}

void TFtpServer::FtpListeLaden(const QStringList& teile)
{
    if (beschaeftigt() || !m_sitzung || !m_sitzung->verbunden()) return;
    auto laden = std::make_shared<Laden>();
    laden->teile = teile;
    ordnerLaden(laden);
}

// One folder after the other from the top down; a folder that cannot be
// reached ends the walk at the one above it.
void TFtpServer::ordnerLaden(const std::shared_ptr<Laden>& laden)
{
    const FtpOrdner ziel{laden->teile.mid(0, laden->listen.size()), m_vomWurzelordner};
    ausfuehren([ziel](Ftpsitzung& s) { s.auflisten(ziel); },
               [this, laden](bool ok, const QString& fehler, const QStringList& zeilen) {
                   if (!ok) {
                       statusSetzen(fehler);
                       ladenBeenden(*laden, false);
                       return;
                   }
                   laden->listen.append(zeilen);
                   if (laden->listen.size() <= laden->teile.size()) ordnerLaden(laden);
                   else ladenBeenden(*laden, true);
               });
}

void TFtpServer::ladenBeenden(const Laden& laden, bool ok)
{
    if (laden.listen.isEmpty()) return;  // not even the top: everything stays as it was
    const QStringList teile = laden.teile.mid(0, laden.listen.size() - 1);
    {
        const QSignalBlocker sperre(TreeDirectory);
        TreeDirectory->clear();
        const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
        const auto unterordner = [&](QTreeWidgetItem* oben, const QStringList& zeilen) {
            for (const QString& name : FtpBaumordner(zeilen)) {
                auto* k = oben ? new QTreeWidgetItem(oben) : new QTreeWidgetItem(TreeDirectory);
                k->setText(0, name);
                k->setIcon(0, zu);
            }
        };
        unterordner(nullptr, laden.listen.first());
        QTreeWidgetItem* knoten = nullptr;
        for (qsizetype i = 0; i < teile.size(); ++i) {
            QTreeWidgetItem* gefunden = nullptr;
            const int anzahl = knoten ? knoten->childCount() : TreeDirectory->topLevelItemCount();
            for (int j = 0; j < anzahl && !gefunden; ++j) {
                QTreeWidgetItem* k = knoten ? knoten->child(j) : TreeDirectory->topLevelItem(j);
                if (k->text(0) == teile[i]) gefunden = k;
            }
            if (!gefunden) {  // a folder the listing does not show
                gefunden = knoten ? new QTreeWidgetItem(knoten) : new QTreeWidgetItem(TreeDirectory);
                gefunden->setText(0, teile[i]);
            }
            knoten = gefunden;
            knoten->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
            knoten->setExpanded(true);
            unterordner(knoten, laden.listen[i + 1]);
        }
        TreeDirectory->setCurrentItem(knoten);
    }
    m_zeilen = laden.listen.last();
    m_teile = teile;
    pfadAnzeigen(teile);
    FtpListeAnzeigen();
    if (ok) {
        statusSetzen(ListeText);
        SoundSpielen(QStringLiteral("Complete.wav"));
    }
}

// The host and the folder's whole path on the server.
void TFtpServer::pfadAnzeigen(const QStringList& teile)
{
    QString text = FtpAktuell.host;
    if (!m_vomWurzelordner && m_sitzung)
        for (const QString& t : m_sitzung->anmeldeordner().split(u'/', Qt::SkipEmptyParts)) text += u'/' + t;
    for (const QString& t : teile) text += u'/' + t;
    LPfadName->setText(text);
    LPfadName->setToolTip(text);
}

void TFtpServer::FtpListeAnzeigen()
{
    {
        const QSignalBlocker sperre(ListFile);
        ListFile->clear();
        const QIcon ordnerBild = style()->standardIcon(QStyle::SP_DirClosedIcon);
        const QIcon dateiBild = style()->standardIcon(QStyle::SP_FileIcon);
        for (const Ftpeintrag& e : FtpListeLesen(m_zeilen)) {
            auto* item = new QListWidgetItem(e.ordner ? ordnerBild : dateiBild, e.name);
            item->setData(NameRolle, e.name);
            item->setData(OrdnerRolle, e.ordner);
            if (!e.ordner) item->setFlags(item->flags() | Qt::ItemIsEditable);
            ListFile->addItem(item);
        }
    }
    auswahlGeaendert();
}

void TFtpServer::TreeDirectoryClick(QTreeWidgetItem* knoten)
{
    if (!knoten || beschaeftigt()) return;
    SoundSpielen(QStringLiteral("Click.wav"));
    QStringList teile;
    for (QTreeWidgetItem* k = knoten; k; k = k->parent()) teile.prepend(k->text(0));
    FtpListeLaden(teile);
}

void TFtpServer::ListFileDblClick(QListWidgetItem* eintrag)
{
    if (!eintrag || !IstOrdner(eintrag) || beschaeftigt()) return;
    SoundSpielen(QStringLiteral("Click.wav"));
    const QString name = Eintragname(eintrag);
    FtpListeLaden(FtpVerweisOrdner(name) ? FtpElternpfad(m_teile) : FtpUnterpfad(m_teile, name));
}

void TFtpServer::InhaltClick() { FtpListeLaden(m_teile); }

// --- Selection and buttons --------------------------------------------------------------

QListWidgetItem* TFtpServer::gewaehlteDatei() const
{
    QListWidgetItem* e = ListFile->currentItem();
    if (!e || !e->isSelected()) {
        const QList<QListWidgetItem*> gewaehlt = ListFile->selectedItems();
        e = gewaehlt.isEmpty() ? nullptr : gewaehlt.first();
    }
    return e && !IstOrdner(e) ? e : nullptr;
}

void TFtpServer::auswahlGeaendert()
{
    const QListWidgetItem* datei = gewaehlteDatei();
    EFile->setText(datei ? Eintragname(datei) : QString());
    knoepfeSetzen();
}

void TFtpServer::knoepfeSetzen()
{
    FtpLage lage;
    lage.verbunden = m_sitzung && m_sitzung->verbunden();
    lage.beschaeftigt = beschaeftigt();
    lage.auswahl = !ListFile->selectedItems().isEmpty();
    lage.dateiGewaehlt = gewaehlteDatei() != nullptr;
    const FtpKnoepfe k = FtpKnopfzustand(lage);
    BtnVerbinden->setEnabled(k.verbinden);
    BtnUpload->setEnabled(k.upload);
    BtnDownload->setEnabled(k.download);
    BtnNeuerOrdner->setEnabled(k.neuerOrdner);
    PopupNeuerOrdner->setEnabled(k.neuerOrdner);
    BtnInhalt->setEnabled(k.inhalt);
    BtnUmbenennen->setEnabled(k.umbenennen);
    PopupUmbenennen->setEnabled(k.umbenennen);
    BtnLoeschen->setEnabled(k.loeschen);
    PopupLoeschen->setEnabled(k.loeschen);
}

// --- Commands on entries ----------------------------------------------------------------

void TFtpServer::ListFileEdited(QListWidgetItem* eintrag)
{
    if (!eintrag || eintrag->text() == Eintragname(eintrag)) return;
    if (IstOrdner(eintrag) || beschaeftigt() || eintrag->text().trimmed().isEmpty()) {
        NameSetzen(eintrag, Eintragname(eintrag));
        return;
    }
    umbenennen(eintrag, eintrag->text());
}

void TFtpServer::UmbenennenClick()
{
    QListWidgetItem* e = gewaehlteDatei();
    if (!e || beschaeftigt()) return;
    const QString alt = Eintragname(e);
    const std::optional<QString> neu = boxen().eingabe(Namensfrage(QStringLiteral("Name:"), alt));
    if (!neu || neu->trimmed().isEmpty() || *neu == alt) return;
    umbenennen(e, *neu);
}

void TFtpServer::umbenennen(QListWidgetItem* eintrag, const QString& neu)
{
    const QString alt = Eintragname(eintrag);
    const FtpOrdner hier = ordner();
    ausfuehren([hier, alt, neu](Ftpsitzung& s) { s.umbenennen(hier, alt, neu); },
               [this, eintrag, neu](bool ok, const QString& fehler, const QStringList&) {
                   NameSetzen(eintrag, ok ? neu : Eintragname(eintrag));
                   statusSetzen(ok ? UmbenennenText : fehler);
                   auswahlGeaendert();
               });
}

void TFtpServer::LoeschenClick()
{
    if (beschaeftigt()) return;
    QList<QListWidgetItem*> dateien;
    for (QListWidgetItem* e : ListFile->selectedItems())
        if (!IstOrdner(e)) dateien.append(e);
    if (dateien.isEmpty()) return;
    if (boxen().hinweisJa(QStringLiteral("Die ausgewählten Einträge löschen ?")) != ErgebnisJa) return;
    const FtpOrdner hier = ordner();
    auto fehlgeschlagen = std::make_shared<bool>(false);
    for (QListWidgetItem* e : dateien) {
        const QString name = Eintragname(e);
        ausfuehren([hier, name](Ftpsitzung& s) { s.loeschen(hier, name); },
                   [this, e, fehlgeschlagen](bool ok, const QString& fehler, const QStringList&) {
                       if (ok) {
                           delete e;
                           if (!*fehlgeschlagen) statusSetzen(LoeschenText);
                       } else if (!*fehlgeschlagen) {
                           *fehlgeschlagen = true;  // the first failure stays in view
                           statusSetzen(fehler);
                       }
                       auswahlGeaendert();
                   });
    }
}

void TFtpServer::NeuerOrdnerClick()
{
    if (beschaeftigt() || !m_sitzung || !m_sitzung->verbunden()) return;
    const std::optional<QString> name = boxen().eingabe(Namensfrage(QStringLiteral("Ordnername:"), QString()));
    if (!name || name->trimmed().isEmpty()) return;
    const FtpOrdner hier = ordner();
    ausfuehren([hier, n = *name](Ftpsitzung& s) { s.ordnerAnlegen(hier, n); },
               [this](bool ok, const QString& fehler, const QStringList&) {
                   statusSetzen(ok ? OrdnerText : fehler);
                   if (ok) FtpListeLaden(m_teile);
               });
}

void TFtpServer::BtnUploadClick()
{
    if (beschaeftigt() || !m_sitzung || !m_sitzung->verbunden()) return;
    const QString datei = dateiOeffnen ? dateiOeffnen(this, Datenverzeichnis) : QString();
    if (datei.isEmpty()) return;
    const FtpOrdner hier = ordner();
    ausfuehren([hier, datei](Ftpsitzung& s) { s.hochladen(hier, datei, QFileInfo(datei).fileName()); },
               [this](bool ok, const QString& fehler, const QStringList&) {
                   statusSetzen(ok ? UploadText : fehler);
                   if (ok) FtpListeLaden(m_teile);
               });
}

void TFtpServer::BtnDownloadClick()
{
    const QListWidgetItem* e = gewaehlteDatei();
    if (!e || beschaeftigt()) return;
    const QString name = Eintragname(e);
    const QString vorschlag = FtpLokalerPfad(Datenverzeichnis, name);
    const QString ziel = dateiSpeichern ? dateiSpeichern(this, vorschlag) : QString();
    if (ziel.isEmpty()) return;
    const FtpOrdner hier = ordner();
    ausfuehren([hier, name, ziel](Ftpsitzung& s) { s.herunterladen(hier, name, ziel); },
               [this](bool ok, const QString& fehler, const QStringList&) {
                   statusSetzen(ok ? DownloadText : fehler);
               });
}
