#include "platform/bericht/ui/QtBerichtsoberflaeche.h"

#include "core/Boxes.h"
#include "core/ui/Drucker.h"
#include "core/ui/Druckserver.h"
#include "platform/bericht/ui/Berichtsdesigner.h"
#include "platform/bericht/ui/Berichtsvorschau.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int MeisteKopien = 999;

// A5 by its size (either way round), A4 otherwise.
QPageSize papierFuer(const QSizeF& mm)
{
    const double kurz = std::min(mm.width(), mm.height());
    const double lang = std::max(mm.width(), mm.height());
    if (std::abs(kurz - 148) < 2 && std::abs(lang - 210) < 2) return QPageSize(QPageSize::A5);
    return QPageSize(QPageSize::A4);
}

}  // namespace

QtBerichtsoberflaeche::~QtBerichtsoberflaeche() { delete m_fortschritt.data(); }

void QtBerichtsoberflaeche::fortschrittOeffnen(QWidget* eltern, const QString& titel)
{
    fortschrittSchliessen();
    m_abgebrochen = false;
    auto* box = new QProgressDialog(eltern);
    box->setObjectName(QStringLiteral("Druckfortschritt"));
    box->setWindowTitle(titel);
    box->setCancelButtonText(QStringLiteral("Abbrechen"));
    box->setRange(0, 100);
    box->setMinimumDuration(0);
    box->setAutoClose(false);
    box->setAutoReset(false);
    box->setWindowModality(Qt::ApplicationModal);
    box->setMinimumWidth(360);
    QObject::connect(box, &QProgressDialog::canceled, box, [this] { m_abgebrochen = true; });
    m_fortschritt = box;
    box->setValue(0);
    box->show();
    QCoreApplication::processEvents();
}

bool QtBerichtsoberflaeche::fortschritt(const QString& text, int prozent)
{
    if (!m_fortschritt) return !m_abgebrochen;
    if (!m_abgebrochen) {
        m_fortschritt->setLabelText(text);
        m_fortschritt->setValue(std::clamp(prozent, 0, 100));
    }
    QCoreApplication::processEvents();
    return !m_abgebrochen;
}

void QtBerichtsoberflaeche::fortschrittSchliessen()
{
    delete m_fortschritt.data();
    m_fortschritt = nullptr;
    m_abgebrochen = false;
}

void QtBerichtsoberflaeche::hinweis(QWidget* eltern, const QString& titel, const QString& text)
{
    // Not modal: the job (a live upload, say) goes on while it is up.
    auto* box = new QMessageBox(QMessageBox::Warning, titel.isEmpty() ? QStringLiteral("Formular") : titel, text,
                                QMessageBox::Ok, eltern);
    box->setObjectName(QStringLiteral("Berichtshinweis"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

int QtBerichtsoberflaeche::druckoptionen(QWidget* eltern, const QString& titel, int& kopien, QString* fehler)
{
    if (!DruckserverBereit(fehler)) return BerichtDruckerFehler;
    QPrinter& drucker = Drucker();
    drucker.setDocName(titel);
    drucker.setCopyCount(std::clamp(kopien, 1, MeisteKopien));
    if (!DruckdialogZeigen(drucker, eltern)) return BerichtAbgebrochen;
    kopien = std::clamp(drucker.copyCount(), 1, MeisteKopien);
    return BerichtOk;
}

QString QtBerichtsoberflaeche::druckername()
{
    if (!DruckserverBereit()) return {};
    QPrinter& drucker = Drucker();
    if (!drucker.outputFileName().isEmpty()) return QDir::toNativeSeparators(drucker.outputFileName());
    return drucker.printerName();
}

int QtBerichtsoberflaeche::drucken(const QList<Berichtsseite>& seiten, const QString& titel, int kopien,
                                   QString* fehler)
{
    if (seiten.isEmpty()) return BerichtOk;
    if (!DruckserverBereit(fehler)) return BerichtDruckerFehler;
    QPrinter& drucker = Drucker();
    // The printer is shared: its layout goes back as it was for the next print.
    struct LayoutZurueck {
        QPrinter& d;
        const QPageLayout layout = d.pageLayout();
        const bool ganz = d.fullPage();
        ~LayoutZurueck()
        {
            d.setFullPage(ganz);
            d.setPageLayout(layout);
        }
    } zurueck{drucker};
    const QSizeF mm = seiten.first().groesseMm;
    drucker.setDocName(titel);
    drucker.setCopyCount(1);
    drucker.setFullPage(true);
    drucker.setPageSize(papierFuer(mm));
    drucker.setPageOrientation(mm.width() > mm.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    drucker.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    const auto druckerFehler = [&] {
        if (fehler) {
            const QString name = druckername();
            *fehler = name.isEmpty() ? QStringLiteral("Der Drucker nimmt den Druck nicht an.")
                                     : QStringLiteral("Der Drucker \u201e%1\u201c nimmt den Druck nicht an.").arg(name);
        }
        return BerichtDruckerFehler;
    };

    const Druckannahme annahme(drucker);
    QPainter maler;
    if (!maler.begin(&drucker)) return druckerFehler();
    bool erste = true;
    for (int k = 0; k < std::clamp(kopien, 1, MeisteKopien); ++k) {
        for (const Berichtsseite& seite : seiten) {
            if (!erste && !drucker.newPage()) {
                maler.end();
                return druckerFehler();
            }
            erste = false;
            SeiteZeichnen(maler, seite);
        }
    }
    if (!maler.end() || drucker.printerState() == QPrinter::Error) return druckerFehler();
    QString text;
    switch (annahme.pruefen(&text)) {
    case Druckannahme::Angenommen:
        break;
    case Druckannahme::Angehalten:
        boxen().hinweis(text);
        break;
    case Druckannahme::Abgelehnt:
        if (fehler) *fehler = text;
        return BerichtDruckerFehler;
    }
    return BerichtOk;
}

int QtBerichtsoberflaeche::vorschauZeigen(QWidget* eltern, const QString& titel, const QList<Berichtsseite>& seiten)
{
    QDialog fenster(eltern);
    fenster.setObjectName(QStringLiteral("Vorschaufenster"));
    fenster.setWindowTitle(titel);
    fenster.setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* vorschau = new TBerichtsvorschau;
    vorschau->setObjectName(QStringLiteral("Vorschau"));
    auto* zurueck = new QPushButton(QStringLiteral("<"));
    zurueck->setObjectName(QStringLiteral("BtnZurueck"));
    zurueck->setToolTip(QStringLiteral("Vorige Seite (Bild auf)"));
    auto* vor = new QPushButton(QStringLiteral(">"));
    vor->setObjectName(QStringLiteral("BtnVor"));
    vor->setToolTip(QStringLiteral("Nächste Seite (Bild ab)"));
    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"));
    schliessen->setObjectName(QStringLiteral("BtnSchliessen"));
    for (QPushButton* k : {zurueck, vor}) {
        k->setAutoDefault(false);
        k->setFixedWidth(k->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    }
    schliessen->setDefault(true);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(zurueck);
    zeile->addWidget(vor);
    zeile->addStretch(1);
    zeile->addWidget(schliessen);
    auto* spalte = new QVBoxLayout(&fenster);
    spalte->addWidget(vorschau, 1);
    spalte->addLayout(zeile);

    const auto knoepfe = [=](int seite, int anzahl) {
        zurueck->setEnabled(seite > 0);
        vor->setEnabled(seite + 1 < anzahl);
    };
    QObject::connect(vorschau, &TBerichtsvorschau::seiteGewechselt, &fenster, knoepfe);
    QObject::connect(zurueck, &QPushButton::clicked, vorschau, &TBerichtsvorschau::zurueck);
    QObject::connect(vor, &QPushButton::clicked, vorschau, &TBerichtsvorschau::vor);
    QObject::connect(schliessen, &QPushButton::clicked, &fenster, &QDialog::accept);
    QObject::connect(new QShortcut(QKeySequence::MoveToPreviousPage, &fenster), &QShortcut::activated, vorschau,
                     &TBerichtsvorschau::zurueck);
    QObject::connect(new QShortcut(QKeySequence::MoveToNextPage, &fenster), &QShortcut::activated, vorschau,
                     &TBerichtsvorschau::vor);
    vorschau->seitenSetzen(seiten);
    knoepfe(vorschau->seite(), vorschau->seitenzahl());

    // A page's shape, as high as the screen allows.
    QSize groesse(760, 980);
    if (const QScreen* schirm = eltern ? eltern->screen() : QGuiApplication::primaryScreen()) {
        const QSize platz = schirm->availableGeometry().size();
        const int hoehe = std::min(groesse.height(), platz.height() * 9 / 10);
        groesse = QSize(std::min(platz.width() * 9 / 10, hoehe * 10 / 13), hoehe);
    }
    fenster.resize(groesse);
    fenster.exec();
    return BerichtOk;
}

int QtBerichtsoberflaeche::entwerfen(QWidget* eltern, const QString& titel, int typ, const QString& projekt,
                                     const Berichtswerte& variablen, const Berichtswerte& felder)
{
    TBerichtsdesigner designer(eltern, titel, typ, projekt, variablen, felder);
    designer.exec();
    return designer.ergebnis();
}

int QtBerichtsoberflaeche::dateiWaehlen(QWidget* eltern, const QString& titel, int typ, QString& datei)
{
    const QString filter = typ == ProjekttypListe ? QStringLiteral("Liste (*.lst)") : QStringLiteral("Formular (*.crd)");
    const QString gewaehlt = QFileDialog::getOpenFileName(eltern, titel, datei, filter);
    if (gewaehlt.isEmpty()) return BerichtAbgebrochen;
    datei = QDir::toNativeSeparators(gewaehlt);
    return BerichtOk;
}

void BerichtsoberflaecheEinrichten()
{
    // Never destroyed: a progress box must not outlive the application.
    static auto* oberflaeche = new QtBerichtsoberflaeche;
    BerichtsoberflaecheSetzen(oberflaeche);
}
