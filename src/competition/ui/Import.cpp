#include "competition/ui/Import.h"

#include "competition/Spielertabelle.h"
#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Zeichenwache.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <system_error>
#include <thread>

// The preview as a grid: cells without value show nothing, the heading
// shows each column's meaning, the row heading the line number.
class TImportieren::Modell : public QAbstractTableModel {
public:
    Modell(Importtabelle& t, QObject* parent) : QAbstractTableModel(parent), m_t(t) {}

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : m_t.zeilen(); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : m_t.spalten(); }

    QVariant data(const QModelIndex& i, int rolle) const override
    {
        if (rolle != Qt::DisplayRole && rolle != Qt::EditRole) return {};
        const ImportZelle& z = m_t.zelle(i.column(), i.row());
        return z ? QVariant(Cp1252::decode(*z)) : QVariant();
    }

    bool setData(const QModelIndex& i, const QVariant& wert, int rolle) override
    {
        if (rolle != Qt::EditRole || !i.isValid()) return false;
        m_t.setZelleText(i.column(), i.row(), wert.toString());
        emit dataChanged(i, i);
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        return QAbstractTableModel::flags(i) | Qt::ItemIsEditable;
    }

    QVariant headerData(int n, Qt::Orientation o, int rolle) const override
    {
        if (rolle != Qt::DisplayRole) return {};
        if (o == Qt::Vertical) return n + 1;
        const std::optional<Spaltenbedeutung> b = m_t.kopf(n);
        return b ? QVariant(BedeutungText(*b)) : QVariant();
    }

    void neu(Importtabelle t)
    {
        beginResetModel();
        m_t = std::move(t);
        endResetModel();
    }

    void kopfSetzen(int spalte, Spaltenbedeutung b)
    {
        m_t.setKopf(spalte, b);
        emit headerDataChanged(Qt::Horizontal, spalte, spalte);
    }

    void zeileEinfuegen(int r)
    {
        r = std::clamp(r, 0, m_t.zeilen());
        beginInsertRows({}, r, r);
        m_t.zeileEinfuegen(r);
        endInsertRows();
    }

    void zeileLoeschen(int r)
    {
        if (r < 0 || r >= m_t.zeilen()) return;
        beginRemoveRows({}, r, r);
        m_t.zeileLoeschen(r);
        endRemoveRows();
    }

private:
    Importtabelle& m_t;
};

namespace {

QLineEdit* zeilenfeld(QWidget* eltern, const char* name)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(9);
    e->setFixedWidth(70);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    return e;
}

}  // namespace

TImportieren::TImportieren(QWidget* parent, bool optionen)
    : TImportieren(parent, optionen ? Importziel::Spielerdatenbank : Importziel::Spielaufstellung)
{
}

TImportieren::TImportieren(QWidget* parent, Importziel ziel)
    : QDialog(parent), m_ziel(ziel), m_optionen(ziel == Importziel::Spielerdatenbank)
{
    setObjectName(QStringLiteral("Importieren"));
    setWindowTitle(QStringLiteral("Importieren"));
    setFixedSize(778, 402);
    HintergrundSetzen(this, u"ColorImport");

    EDatei = new QLineEdit(this);
    EDatei->setObjectName(QStringLiteral("EDatei"));
    ZeichenFrei(EDatei);  // a file on the disk
    BtnDatei = new QToolButton(this);
    BtnDatei->setObjectName(QStringLiteral("BtnDatei"));
    BtnDatei->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    BtnDatei->setToolTip(QStringLiteral("Datei suchen"));
    BtnDatei->setAutoRaise(true);
    CTrennzeichen = new QComboBox(this);
    CTrennzeichen->setObjectName(QStringLiteral("CTrennzeichen"));
    CTrennzeichen->addItems({QStringLiteral("Semikolon (;)"), QStringLiteral("Komma (,)"), QStringLiteral("Tab")});
    CTrennzeichen->setCurrentIndex(0);

    m_modell = new Modell(m_tabelle, this);
    XGridImport = new QTableView(this);
    XGridImport->setObjectName(QStringLiteral("XGridImport"));
    XGridImport->setModel(m_modell);
    XGridImport->horizontalHeader()->setDefaultSectionSize(100);
    XGridImport->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    XGridImport->horizontalHeader()->setHighlightSections(false);
    XGridImport->verticalHeader()->setDefaultSectionSize(20);
    XGridImport->setStyleSheet(QStringLiteral(
        "QHeaderView::section { color: rgb(192, 192, 192); background-color: rgb(96, 96, 96);"
        " border: none; border-right: 1px solid white; border-bottom: 1px solid white; padding: 2px; }"
        "QTableCornerButton::section { background-color: rgb(96, 96, 96);"
        " border: none; border-right: 1px solid white; border-bottom: 1px solid white; }"));
    XGridImport->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupGrid = new QMenu(this);
    PopupGrid->setObjectName(QStringLiteral("PopupGrid"));
    PopupLoeschen = PopupGrid->addAction(QStringLiteral("Löschen"));
    PopupLoeschen->setObjectName(QStringLiteral("PopupLoeschen"));
    PopupEinfuegen = PopupGrid->addAction(QStringLiteral("Einfügen"));
    PopupEinfuegen->setObjectName(QStringLiteral("PopupEinfuegen"));

    POptionen = new QWidget(this);
    POptionen->setObjectName(QStringLiteral("POptionen"));
    CSpalte = new QComboBox(POptionen);
    CSpalte->setObjectName(QStringLiteral("CSpalte"));
    for (int b = 0; b < SpaltenbedeutungAnzahl; ++b) CSpalte->addItem(BedeutungText(Spaltenbedeutung(b)));
    CSpalte->setCurrentIndex(-1);
    EVon = zeilenfeld(POptionen, "EVon");
    EBis = zeilenfeld(POptionen, "EBis");
    CBHinzufuegen = new QCheckBox(QStringLiteral("hinzufügen"), POptionen);
    CBHinzufuegen->setObjectName(QStringLiteral("CBHinzufuegen"));
    CBHinzufuegen->setToolTip(QStringLiteral("an die vorhandenen Spieler anhängen (sonst werden sie ersetzt)"));
    CBHinzufuegen->setChecked(true);

    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnOk->setEnabled(false);
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));

    OpenDialog = new QFileDialog(this, QStringLiteral("Öffnen"));
    OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
    OpenDialog->setOption(QFileDialog::DontUseNativeDialog);
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
    // "*" in place of "*.*": on Linux a file needs no extension.
    OpenDialog->setNameFilters(
        {QStringLiteral("Texttabellen (*.csv)"), QStringLiteral("Text (*.txt)"), QStringLiteral("alle (*)")});

    PopupColor = new QMenu(this);
    PopupColor->setObjectName(QStringLiteral("PopupColor"));
    PopupColorGround = HintergrundAktion(this, u"ColorImport", PopupColor);

    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("Datei:"), this));
    oben->addWidget(EDatei, 1);
    oben->addWidget(BtnDatei);
    oben->addSpacing(16);
    oben->addWidget(new QLabel(QStringLiteral("Trennzeichen:"), this));
    oben->addWidget(CTrennzeichen);

    auto* panel = new QHBoxLayout(POptionen);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(new QLabel(QStringLiteral("Spalte:"), POptionen));
    panel->addWidget(CSpalte);
    panel->addSpacing(12);
    panel->addWidget(new QLabel(QStringLiteral("ab Zeile:"), POptionen));
    panel->addWidget(EVon);
    panel->addWidget(new QLabel(QStringLiteral("bis"), POptionen));
    panel->addWidget(EBis);
    panel->addSpacing(12);
    panel->addWidget(CBHinzufuegen);

    auto* unten = new QHBoxLayout;
    unten->addWidget(POptionen);
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(XGridImport, 1);
    spalte->addLayout(unten);
    POptionen->setVisible(m_optionen);

    connect(BtnDatei, &QToolButton::pressed, this, [] { KlickSoundSpielen(); });
    connect(BtnDatei, &QToolButton::clicked, this, &TImportieren::BtnDateiClick);
    // Enter in the path field loads; it must not reach OK, the dialog's default button.
    EDatei->installEventFilter(this);
    connect(CTrennzeichen, &QComboBox::activated, this, [this] {
        // The loaded lines again with the other separator.
        if (!m_geladen) return;
        trennzeichenSetzen();
        ImportdateiLaden();
    });
    connect(BtnOk, &QPushButton::clicked, this, [this] {
        if (!m_geladen) return;
        // The database takes only columns with a meaning; without one OK would append empty rows.
        if (m_optionen)
            if (const QString fehler = SpielerdatenbankImportFehler(m_tabelle); !fehler.isEmpty()) {
                boxen().hinweis(fehler);
                return;
            }
        // Texts that Windows-1252 cannot hold are named before they change; "Nein" stays here.
        const QString frage = ImportAenderungenFrage(ImportAenderungen(m_tabelle, zeilenbereich(), m_ziel, AktWettkampf));
        if (!frage.isEmpty() && boxen().hinweisJa(frage) != ErgebnisJa) return;
        accept();
    });
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(PopupLoeschen, &QAction::triggered, this, &TImportieren::PopupLoeschenClick);
    connect(PopupEinfuegen, &QAction::triggered, this, &TImportieren::PopupEinfuegenClick);
    connect(XGridImport, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        const QModelIndex i = XGridImport->indexAt(p);
        if (i.isValid()) XGridImport->setCurrentIndex(i);
        PopupGrid->popup(XGridImport->viewport()->mapToGlobal(p));
    });
    connect(XGridImport->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { XGridImportSelecting(c, -1); });
    connect(XGridImport->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { XGridImportSelecting(i.column(), i.row()); });
    connect(CSpalte, &QComboBox::currentIndexChanged, this, &TImportieren::CSpalteChange);
}

TImportieren::~TImportieren() = default;

Zeilenbereich TImportieren::zeilenbereich() const
{
    return ImportZeilenbereich(EVon->text(), EBis->text(), m_tabelle.zeilen());
}

void TImportieren::trennzeichenSetzen()
{
    Trennzeichen = QString(QLatin1Char(ImportTrennzeichen(CTrennzeichen->currentIndex())));
}

void TImportieren::BtnDateiClick()
{
    trennzeichenSetzen();
    QString start = EDatei->text();
    if (start.isEmpty())
        start = Programmverzeichnis;
    else if (!QFileInfo(start).isDir())
        start = QFileInfo(start).absolutePath();
    OpenDialog->setDirectory(start.isEmpty() ? QDir::currentPath() : start);
    OpenDialog->selectNameFilter(OpenDialog->nameFilters().constFirst());
    OpenDialog->selectFile(QString());
    if (OpenDialog->exec() != QDialog::Accepted || OpenDialog->selectedFiles().isEmpty()) return;

    const QString pfad = QDir::toNativeSeparators(OpenDialog->selectedFiles().constFirst());
    EDatei->setText(pfad);
    EDatei->setToolTip(pfad);
    if (QFileInfo::exists(pfad)) dateiLaden(pfad);
}

void TImportieren::EDateiEnter()
{
    QString pfad = QDir::fromNativeSeparators(EDatei->text().trimmed());
    if (pfad.isEmpty()) return;
    if (QDir::isRelativePath(pfad) && !Programmverzeichnis.isEmpty())
        pfad = QDir(Programmverzeichnis).absoluteFilePath(pfad);
    pfad = QDir::toNativeSeparators(QDir::cleanPath(pfad));
    EDatei->setText(pfad);
    EDatei->setToolTip(pfad);
    trennzeichenSetzen();
    dateiLaden(pfad);
}

bool TImportieren::eventFilter(QObject* o, QEvent* e)
{
    if (o == EDatei && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            EDateiEnter();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

bool TImportieren::dateiLaden(const QString& pfad)
{
    // Reading, converting and splitting a file of up to 64 MB can outlast a
    // tick: a thread of its own does it while this one goes on with its
    // events and timers; the dialog takes no input meanwhile.
    struct Gelesen {
        std::optional<std::vector<QByteArray>> zeilen;
        QString fehler;
        Importurtexte urtexte;
    };
    Gelesen gelesen;
    {
        QEventLoop warten;
        const auto lesen = [&gelesen, &warten, pfad] {
            gelesen.zeilen = ImportdateiLesen(pfad, &gelesen.fehler, &gelesen.urtexte);
            QMetaObject::invokeMethod(&warten, &QEventLoop::quit, Qt::QueuedConnection);
        };
        setEnabled(false);
        try {
            std::thread leser(lesen);
            warten.exec();
            leser.join();
        } catch (const std::system_error&) {
            lesen();  // no thread to be had: read here
        }
        setEnabled(true);
    }
    std::optional<std::vector<QByteArray>> zeilen = std::move(gelesen.zeilen);
    QString fehler = std::move(gelesen.fehler);
    if (zeilen && zeilen->empty()) {
        zeilen.reset();
        fehler = QStringLiteral("Die Datei „%1“ ist leer.").arg(QFileInfo(pfad).fileName());
    }
    if (!zeilen) {
        boxen().hinweis(fehler);
        return false;
    }
    m_zeilen = std::move(*zeilen);
    m_urtexte = std::move(gelesen.urtexte);
    m_geladen = true;
    trennzeichenSetzen();
    EVon->setText(QStringLiteral("1"));
    EBis->setText(QString::number(m_zeilen.size()));
    ImportdateiLaden();
    BtnOk->setEnabled(true);
    return true;
}

// ImportdateiLaden: the preview from the lines, every column without meaning.
void TImportieren::ImportdateiLaden()
{
    XGridImport->setUpdatesEnabled(false);
    const char trenn = Trennzeichen.isEmpty() ? ';' : Cp1252::fromUnicode(Trennzeichen.at(0));
    m_modell->neu(::ImportdateiLaden(m_zeilen, trenn, m_urtexte));
    m_spalte = -1;
    EBis->setText(QString::number(m_tabelle.zeilen()));
    XGridImport->scrollToTop();
    XGridImport->setUpdatesEnabled(true);
}

void TImportieren::zeilenzahlZeigen() { EBis->setText(QString::number(m_tabelle.zeilen())); }

void TImportieren::PopupLoeschenClick()
{
    m_modell->zeileLoeschen(XGridImport->currentIndex().row());
    zeilenzahlZeigen();
}

void TImportieren::PopupEinfuegenClick()
{
    const QModelIndex aktuell = XGridImport->currentIndex();
    const int r = aktuell.row() < 0 ? m_tabelle.zeilen() : aktuell.row();
    m_modell->zeileEinfuegen(r);
    // The new row becomes the current one.
    XGridImport->setCurrentIndex(m_modell->index(r, std::max(aktuell.column(), 0)));
    zeilenzahlZeigen();
}

void TImportieren::XGridImportSelecting(int spalte, int zeile)
{
    if (zeile != -1 || spalte < 0 || spalte >= m_tabelle.spalten()) {
        m_spalte = -1;
        return;
    }
    m_spalte = spalte;
    const std::optional<Spaltenbedeutung> b = m_tabelle.kopf(spalte);
    const QSignalBlocker sperre(CSpalte);
    CSpalte->setCurrentIndex(int(b.value_or(Spaltenbedeutung::Undefiniert)));
}

void TImportieren::CSpalteChange(int index)
{
    if (m_spalte < 0 || index < 0 || index >= SpaltenbedeutungAnzahl) return;
    m_modell->kopfSetzen(m_spalte, Spaltenbedeutung(index));
}

void TImportieren::contextMenuEvent(QContextMenuEvent* e) { PopupColor->popup(e->globalPos()); }

// --- The openers' work on OK -------------------------------------------------------------

void SpielaufstellungImportieren(const TImportieren& d)
{
    if (!d.geladen()) return;
    QString fehler;
    if (!SpielaufstellungImportieren(d.tabelle(), d.zeilenbereich(), &fehler)) boxen().hinweis(fehler);
}

void MannschaftImportieren(const TImportieren& d, bool heim)
{
    if (!d.geladen() || !AktWettkampf) return;
    const Seitenimport ergebnis = MannschaftImportieren(d.tabelle(), d.zeilenbereich(), heim, *AktWettkampf);
    fenster().aktualisieren(MdiFenster::Wettkampf);
    if (!ergebnis.gesperrt.empty()) boxen().hinweis(GesperrteSpielerText(ergebnis.gesperrt));
}

void SpielerdatenbankImportieren(const TImportieren& d)
{
    if (!d.geladen()) return;
    // OK refused a table without a column the database takes.
    SpielerdatenbankImportieren(d.tabelle(), d.zeilenbereich(), d.CBHinzufuegen->isChecked(), Spielerdatenbank());
}
