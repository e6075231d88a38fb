#include "platform/bericht/ui/QtBerichtsoberflaeche.h"

#include "support/Cupsserver.h"
#include "support/Klicken.h"
#include "core/Boxes.h"
#include "core/ui/Drucker.h"
#include "platform/bericht/ui/Berichtsvorschau.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

Berichtsseite textseite(const QString& text, QSizeF mm = {210, 297})
{
    Berichtselement e;
    e.art = Berichtselement::Art::Text;
    e.mm = QRectF(20, 20, 150, 12);
    e.text = text;
    Berichtsseite s;
    s.groesseMm = mm;
    s.elemente << e;
    return s;
}

QString ausfuehren(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QProgressDialog* fortschrittsbox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QProgressDialog*>(w)) return box;
    return nullptr;
}

class QtBerichtsoberflaecheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        Drucker().setOutputFormat(QPrinter::PdfFormat);
        Drucker().setOutputFileName(ordner.filePath(QStringLiteral("druck.pdf")));
    }
    void TearDown() override
    {
        DruckdialogSetzen({});
        Drucker().setOutputFileName({});
    }

    QTemporaryDir ordner;
    QtBerichtsoberflaeche oberflaeche;
};

}  // namespace

TEST_F(QtBerichtsoberflaecheTest, DrucktSeitenMalKopienInPdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "pdfinfo fehlt";
    struct Fall {
        QSizeF mm;
        int kopien;
        const char* groesse;  // pdfinfo's page size in points
        int seiten;
    };
    // A4 = 595.3 x 841.9 pt, A5 = 419.5 x 595.3 pt, in whole points; A5 wider than high lies.
    const QPageLayout vorher = Drucker().pageLayout();
    for (const Fall& f : {Fall{{210, 297}, 2, "595 x 842 pts (A4)", 4},
                          Fall{{210, 148}, 1, "595 x 420 pts (A5)", 2}}) {
        const QString pdf = ordner.filePath(QStringLiteral("seiten%1.pdf").arg(f.seiten));
        Drucker().setOutputFileName(pdf);
        QString fehler;
        const QList<Berichtsseite> seiten = {textseite(QStringLiteral("Erste Seite Alpha"), f.mm),
                                             textseite(QStringLiteral("Zweite Seite Beta"), f.mm)};
        ASSERT_EQ(oberflaeche.drucken(seiten, QStringLiteral("Spielbericht"), f.kopien, &fehler), BerichtOk) << fehler.toStdString();
        const QString info = ausfuehren(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(f.seiten)))) << info.toStdString();
        EXPECT_TRUE(info.contains(QLatin1String(f.groesse))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Spielbericht\\n")))) << info.toStdString();
        const QString text = ausfuehren(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        EXPECT_EQ(text.count(QStringLiteral("Erste Seite Alpha")), f.kopien);
        EXPECT_EQ(text.count(QStringLiteral("Zweite Seite Beta")), f.kopien);
        EXPECT_EQ(Drucker().copyCount(), 1);
        EXPECT_EQ(Drucker().pageLayout(), vorher);
    }
}

TEST_F(QtBerichtsoberflaecheTest, DruckerDerNichtAnfaengtIstEinFehler)
{
    Drucker().setOutputFileName(ordner.filePath(QStringLiteral("fehlt/druck.pdf")));
    QString fehler;
    EXPECT_EQ(oberflaeche.drucken({textseite(QStringLiteral("x"))}, QStringLiteral("Liste"), 1, &fehler),
              BerichtDruckerFehler);
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Der Drucker"))) << fehler.toStdString();
}

// Auf einem echten Drucksystem (Berichtsprojekte und Spielerliste): ein
// Auftrag, den die Warteschlange ablehnt, ist ein Fehler mit dem Drucker und
// dem Grund; einen angehaltenen Drucker, der ihn zurückhält, meldet ein Hinweis.
TEST_F(QtBerichtsoberflaecheTest, AuftragAnDerWarteschlangeZaehltErstWennSieIhnAnnimmt)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups;
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    CupsTestserver::waehlen(Drucker(), QStringLiteral("pdf"));
    skriptBoxen().gezeigt.clear();
    const auto drucken = [&](QString* fehler) {
        return oberflaeche.drucken({textseite(QStringLiteral("Spieler 01"))}, QStringLiteral("Liste"), 2, fehler);
    };

    ASSERT_TRUE(cups.befehl(QStringLiteral("cupsreject"), {"-r", "Toner leer", "pdf"})) << cups.fehler.toStdString();
    QString fehler;
    EXPECT_EQ(drucken(&fehler), BerichtDruckerFehler);
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Der Drucker „pdf“ hat den Druckauftrag nicht angenommen: ")))
        << fehler.toStdString();
    EXPECT_TRUE(fehler.endsWith(QStringLiteral(" (Toner leer)"))) << fehler.toStdString();

    ASSERT_TRUE(cups.befehl(QStringLiteral("cupsaccept"), {"pdf"})) << cups.fehler.toStdString();
    ASSERT_TRUE(cups.befehl(QStringLiteral("cupsdisable"), {"-r", "Wartung", "pdf"})) << cups.fehler.toStdString();
    fehler.clear();
    EXPECT_EQ(drucken(&fehler), BerichtOk) << fehler.toStdString();
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({"Der Drucker „pdf“ ist angehalten (Wartung): er hält den "
                                                  "Druckauftrag zurück, bis er wieder freigegeben wird."}));
    EXPECT_EQ(cups.wartende(QStringLiteral("pdf")), 1);
    skriptBoxen().gezeigt.clear();
}

TEST_F(QtBerichtsoberflaecheTest, DruckoptionenUeberDieKopienDesDruckers)
{
    int gesehen = 0;
    DruckdialogSetzen([&](QPrinter& d, QWidget*) {
        gesehen = d.copyCount();
        d.setCopyCount(5);
        return true;
    });
    int kopien = 3;
    EXPECT_EQ(oberflaeche.druckoptionen(nullptr, QStringLiteral("Liste"), kopien, nullptr), BerichtOk);
    EXPECT_EQ(gesehen, 3);
    EXPECT_EQ(kopien, 5);

    DruckdialogSetzen([](QPrinter& d, QWidget*) {
        d.setCopyCount(7);
        return false;
    });
    EXPECT_EQ(oberflaeche.druckoptionen(nullptr, QStringLiteral("Liste"), kopien, nullptr), BerichtAbgebrochen);
    EXPECT_EQ(kopien, 5);
    // The accepted dialog proposed the document's own file beside the last one.
    EXPECT_EQ(oberflaeche.druckername(), ordner.filePath(QStringLiteral("Liste.pdf")));
}

TEST_F(QtBerichtsoberflaecheTest, FortschrittAbbrechen)
{
    oberflaeche.fortschrittOeffnen(nullptr, QStringLiteral("Spielerliste"));
    EXPECT_TRUE(oberflaeche.fortschritt(QStringLiteral("Seite 1"), 30));
    QProgressDialog* box = fortschrittsbox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Spielerliste"));
    EXPECT_EQ(box->labelText(), QStringLiteral("Seite 1"));
    auto* abbrechen = box->findChild<QPushButton*>();
    ASSERT_NE(abbrechen, nullptr);

    Klicken(abbrechen);
    EXPECT_FALSE(oberflaeche.fortschritt(QStringLiteral("Seite 2"), 60));
    oberflaeche.fortschrittSchliessen();
    EXPECT_EQ(fortschrittsbox(), nullptr);

    // A new session starts uncancelled.
    oberflaeche.fortschrittOeffnen(nullptr, QStringLiteral("Spielerliste"));
    EXPECT_TRUE(oberflaeche.fortschritt(QStringLiteral("Seite 1"), 150));
    EXPECT_EQ(fortschrittsbox()->value(), 100);
    oberflaeche.fortschrittSchliessen();
}

TEST_F(QtBerichtsoberflaecheTest, VorschaufensterBlaettert)
{
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        auto* fenster = QApplication::activeModalWidget();
        ASSERT_NE(fenster, nullptr);
        gesehen = true;
        EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Vorschau Spielbericht"));
        auto* vorschau = fenster->findChild<TBerichtsvorschau*>(QStringLiteral("Vorschau"));
        auto* zurueck = fenster->findChild<QPushButton*>(QStringLiteral("BtnZurueck"));
        auto* vor = fenster->findChild<QPushButton*>(QStringLiteral("BtnVor"));
        EXPECT_EQ(vorschau->seitenzahl(), 2);
        EXPECT_FALSE(zurueck->isEnabled());
        vor->click();
        EXPECT_EQ(vorschau->seite(), 1);
        EXPECT_TRUE(zurueck->isEnabled());
        EXPECT_FALSE(vor->isEnabled());
        fenster->findChild<QPushButton*>(QStringLiteral("BtnSchliessen"))->click();
    });
    EXPECT_EQ(oberflaeche.vorschauZeigen(nullptr, QStringLiteral("Vorschau Spielbericht"),
                                         {textseite(QStringLiteral("Eins")), textseite(QStringLiteral("Zwei"))}),
              BerichtOk);
    EXPECT_TRUE(gesehen);
}

// A notice returns at once (a job from a timer goes on), shows its text and
// goes with OK.
TEST_F(QtBerichtsoberflaecheTest, HinweisWartetNichtUndGehtMitOk)
{
    const QString text = QStringLiteral("Spiel.crd: Objekt 2 (bild): das Bild „/etc/passwd“ liegt außerhalb des "
                                        "Formularordners und des Programmordners und wird nicht gezeigt");
    oberflaeche.hinweis(nullptr, QStringLiteral("Spielbericht"), text);
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("Berichtshinweis")) box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Spielbericht"));
    EXPECT_EQ(box->text(), text);
    if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty())
        box->grab().save(QDir(bilder).filePath(QStringLiteral("berichtshinweis.png")));
    const QPointer<QMessageBox> weg(box);
    Klicken(box->button(QMessageBox::Ok));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(weg.isNull());
}
