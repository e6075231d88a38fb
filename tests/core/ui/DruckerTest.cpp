#include "core/ui/Drucker.h"

#include "core/ui/Zeichenwache.h"
#include "support/Cupsserver.h"
#include "support/Pdf.h"
#include "support/Tippen.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct DialogZurueck {
    ~DialogZurueck() { DruckdialogSetzen({}); }
};

}  // namespace

// After a print into a file the dialog proposes the new document's own file
// beside it, never the last one; without a last file Qt proposes from the
// document name itself.
TEST(Druckdialog, ProposesTheNewDocumentsFileBesideTheLastOne)
{
    QTemporaryDir ordner;
    DialogZurueck zurueck;
    QString vorgeschlagen;
    DruckdialogSetzen([&](QPrinter& p, QWidget*) {
        vorgeschlagen = p.outputFileName();
        return false;
    });

    QPrinter drucker;
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("Spielerdaten.pdf")));
    drucker.setDocName(QStringLiteral("Spielbericht"));
    DruckdialogZeigen(drucker, nullptr);
    EXPECT_EQ(vorgeschlagen, ordner.filePath(QStringLiteral("Spielbericht.pdf")));
    EXPECT_EQ(drucker.outputFileName(), ordner.filePath(QStringLiteral("Spielerdaten.pdf"))) << "cancelled";

    drucker.setDocName(QStringLiteral("Runde 1/2"));
    DruckdialogZeigen(drucker, nullptr);
    EXPECT_EQ(vorgeschlagen, ordner.filePath(QStringLiteral("Runde 1_2.pdf")));
    // Nor a folder separator of the other systems the files travel to.
    drucker.setDocName(QStringLiteral("Heim\\Gast"));
    DruckdialogZeigen(drucker, nullptr);
    EXPECT_EQ(vorgeschlagen, ordner.filePath(QStringLiteral("Heim_Gast.pdf")));

    QPrinter ohneDatei;
    ohneDatei.setDocName(QStringLiteral("Spielbericht"));
    DruckdialogZeigen(ohneDatei, nullptr);
    EXPECT_TRUE(vorgeschlagen.isEmpty());
}

// Without a stand-in the desktop's print dialog decides: accepted, it prints
// into the file it shows (the new document's, or one typed there, which is
// a name on the disk and takes any character); cancelled, the printer keeps
// its last file.
TEST(Druckdialog, TheDesktopsDialogDecides)
{
    ZeichenwacheEinrichten();
    QTemporaryDir ordner;
    QPrinter drucker;
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("Spielerdaten.pdf")));
    drucker.setDocName(QStringLiteral("Spielbericht"));
    const struct { bool ok; const char *getippt, *datei; } faelle[] = {
        {false, "", "Spielerdaten.pdf"}, {true, "", "Spielbericht.pdf"}, {true, "Yılmaz.pdf", "Yılmaz.pdf"}};
    for (const auto& f : faelle) {
        QTimer antworten;
        QObject::connect(&antworten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            antworten.stop();
            if (*f.getippt) {
                auto* feld = d->findChild<QLineEdit*>(QStringLiteral("filename"));
                ASSERT_NE(feld, nullptr);
                feld->clear();
                Tippen(feld, ordner.filePath(QString::fromUtf8(f.getippt)));
            }
            if (f.ok)
                d->accept();
            else
                d->reject();
        });
        antworten.start(10);
        EXPECT_EQ(DruckdialogZeigen(drucker, nullptr), f.ok);
        EXPECT_EQ(drucker.outputFileName(), ordner.filePath(QString::fromUtf8(f.datei)));
    }
}

// A print into a file keeps the paper the operator chose for it, print
// after print.
TEST(Druckdialog, AFileKeepsThePaperTheOperatorChose)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups;  // its queue on A4: the machine's queues out of the way
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    ASSERT_TRUE(cups.befehl(QStringLiteral("lpadmin"), {"-p", "pdf", "-o", "PageSize=A4"}));
    QTemporaryDir ordner;
    DialogZurueck zurueck;
    const QString pdf = ordner.filePath(QStringLiteral("Letter.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setOutputFileName(pdf);
    DruckdialogSetzen([](QPrinter& d, QWidget*) { return d.setPageSize(QPageSize(QPageSize::Letter)); });
    for (const int druck : {1, 2}) {
        ASSERT_TRUE(DruckdialogZeigen(drucker, nullptr));
        QPainter maler(&drucker);
        maler.drawText(QPointF(600, 600), QStringLiteral("Kegelbahn"));
        ASSERT_TRUE(maler.end());
        EXPECT_EQ(PdfSeitengroesse(pdf), QSize(612, 792)) << druck;
    }
}
