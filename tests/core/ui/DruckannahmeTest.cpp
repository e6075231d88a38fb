// Whether the print system took a job, asked of a real cupsd with a cups-pdf
// queue: a job it takes arrives as a PDF file; a queue that refuses jobs, a
// queue removed after it was chosen and a stopped printer are told by name,
// with the print system's own reason; a server that falls silent is told as
// such.

#include "core/ui/Drucker.h"

#include "support/Cupsserver.h"
#include "support/QtDrucken.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

class Druckannahmen : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
        cups.emplace();
        ASSERT_TRUE(cups->fehler.isEmpty()) << cups->fehler.toStdString();
        ASSERT_EQ(QPrinterInfo::defaultPrinterName(), QStringLiteral("pdf"));
    }

    // One page on queue "pdf"; `danach` runs once the printer is chosen,
    // `gedruckt` once the job has gone.
    Druckannahme::Ergebnis drucken(QString* text, const std::function<void()>& danach = {},
                                   const std::function<void()>& gedruckt = {})
    {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setPrinterName(QStringLiteral("pdf"));
        EXPECT_EQ(drucker.outputFormat(), QPrinter::NativeFormat);
        drucker.setDocName(QStringLiteral("Druckprobe"));
        if (danach) danach();
        const Druckannahme annahme(drucker);
        QPainter maler;
        EXPECT_TRUE(maler.begin(&drucker));
        maler.drawText(QPointF(600, 600), QStringLiteral("Kegelbahn"));
        // Qt's painter ends well whatever the print system made of the job.
        EXPECT_TRUE(maler.end());
        if (gedruckt) gedruckt();
        return annahme.pruefen(text);
    }

    bool befehl(const QString& programm, const QStringList& argumente)
    {
        const bool ok = cups->befehl(programm, argumente);
        EXPECT_TRUE(ok) << cups->fehler.toStdString();
        return ok;
    }

    std::optional<CupsTestserver> cups;
};

TEST_F(Druckannahmen, AnAcceptedJobArrivesAsAPdfFile)
{
    QString text = QStringLiteral("alt");
    EXPECT_EQ(drucken(&text), Druckannahme::Angenommen);
    EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    ASSERT_TRUE(cups->pdfsAbwarten(1));
    QFile pdf(cups->pdfs().value(0));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-") << pdf.fileName().toStdString();

    // The questions around each job keep no connection open.
    const auto offen = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    const auto vorher = offen();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(drucken(&text), Druckannahme::Angenommen);
    EXPECT_EQ(offen(), vorher);
}

// The print system's reason and the one the printer's administrator gave.
TEST_F(Druckannahmen, ARefusingQueueIsToldWithItsReasons)
{
    ASSERT_TRUE(befehl(QStringLiteral("cupsreject"), {"-r", "Papier alle", "pdf"}));
    QString text;
    EXPECT_EQ(drucken(&text), Druckannahme::Abgelehnt);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Der Drucker „pdf“ hat den Druckauftrag nicht angenommen: ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("not accepting jobs")) ||
                text.contains(QStringLiteral("akzeptiert keine")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Papier alle"))) << text.toStdString();
    EXPECT_EQ(cups->auftraege(CUPS_WHICHJOBS_ALL), 0);
}

TEST_F(Druckannahmen, AQueueRemovedAfterItWasChosenIsTold)
{
    QString text;
    EXPECT_EQ(drucken(&text, [&] { befehl(QStringLiteral("lpadmin"), {"-x", "pdf"}); }), Druckannahme::Abgelehnt);
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Der Drucker „pdf“ ist nicht mehr eingerichtet und hat den "
                                       "Druckauftrag nicht angenommen: ")))
        << text.toStdString();
    EXPECT_EQ(cups->auftraege(CUPS_WHICHJOBS_ALL), 0);
}

// The queue's state cannot be asked after a refused job: the silent server
// is told, within seconds, never a queue that is gone.
TEST_F(Druckannahmen, AServerSilentAfterARefusedJobIsToldAsSilent)
{
    ASSERT_TRUE(befehl(QStringLiteral("cupsreject"), {"-r", "Papier alle", "pdf"}));
    std::optional<StummerCupsserver> stumm;
    QElapsedTimer uhr;
    QString text;
    EXPECT_EQ(drucken(&text, {}, [&] { stumm.emplace(), uhr.start(); }), Druckannahme::Abgelehnt);
    EXPECT_LT(uhr.elapsed(), 8000);
    EXPECT_EQ(text, QStringLiteral("Der Drucker „pdf“ hat den Druckauftrag nicht angenommen: der Druckserver „%1“ "
                                   "antwortet nicht.")
                        .arg(stumm->adresse()));
}

// Accepted, held until the printer is enabled again: then it prints.
TEST_F(Druckannahmen, AStoppedPrinterHoldsTheJobAndSaysSo)
{
    ASSERT_TRUE(befehl(QStringLiteral("cupsdisable"), {"-r", "Wartung", "pdf"}));
    QString text;
    EXPECT_EQ(drucken(&text), Druckannahme::Angehalten);
    EXPECT_EQ(text, QStringLiteral("Der Drucker „pdf“ ist angehalten (Wartung): er hält den Druckauftrag zurück, bis "
                                   "er wieder freigegeben wird."));
    EXPECT_EQ(cups->wartende(QStringLiteral("pdf")), 1);
    ASSERT_TRUE(befehl(QStringLiteral("cupsenable"), {"pdf"}));
    EXPECT_TRUE(cups->pdfsAbwarten(1));
}

}  // namespace
