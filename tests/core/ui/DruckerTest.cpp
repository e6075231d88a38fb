#include "core/ui/Drucker.h"

#include <QApplication>
#include <QDialog>
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
// into the file it shows (the new document's); cancelled, the printer keeps
// its last file.
TEST(Druckdialog, TheDesktopsDialogDecides)
{
    QTemporaryDir ordner;
    QPrinter drucker;
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("Spielerdaten.pdf")));
    drucker.setDocName(QStringLiteral("Spielbericht"));
    for (const bool ok : {false, true}) {
        QTimer antworten;
        QObject::connect(&antworten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            antworten.stop();
            if (ok)
                d->accept();
            else
                d->reject();
        });
        antworten.start(10);
        EXPECT_EQ(DruckdialogZeigen(drucker, nullptr), ok);
        EXPECT_EQ(drucker.outputFileName(),
                  ordner.filePath(ok ? QStringLiteral("Spielbericht.pdf") : QStringLiteral("Spielerdaten.pdf")));
    }
}
