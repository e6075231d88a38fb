// The program's locale in a process of its own, built as the program's main
// builds it, on a machine whose locale is C.UTF-8 (main sets the environment
// so, whatever the caller's): Qt's own dialogs speak German dates, the
// machine's settings stay.

#include "shell/Programmstart.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLocale>
#include <QProcessEnvironment>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <gtest/gtest.h>

TEST(Gebietsschema, QtsOwnDialogsShowGermanDates)
{
    const QDate nikolaus(2025, 12, 7);
    EXPECT_EQ(QLocale::system().toString(nikolaus, QLocale::ShortFormat), QStringLiteral("07.12.25"));
    EXPECT_EQ(QLocale().toString(nikolaus, QStringLiteral("d. MMMM yyyy")), QStringLiteral("7. Dezember 2025"));
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));

    // The date column of the file dialog.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    QFile datei(ordner.filePath(QStringLiteral("Spiel.spl")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    ASSERT_TRUE(datei.setFileTime(QDateTime(nikolaus, QTime(8, 5)), QFileDevice::FileModificationTime));
    datei.close();
    QFileSystemModel modell;
    QEventLoop warten;
    bool geladen = false;
    QObject::connect(&modell, &QFileSystemModel::directoryLoaded, &warten, [&] {
        geladen = true;
        warten.quit();
    });
    QTimer::singleShot(30000, &warten, &QEventLoop::quit);
    modell.setRootPath(ordner.path());
    warten.exec();
    ASSERT_TRUE(geladen);
    const QModelIndex zeile = modell.index(datei.fileName());
    EXPECT_EQ(modell.data(zeile.siblingAtColumn(3)).toString(), QStringLiteral("07.12.25 08:05"));
}

// Programs the program starts see the machine's locale, and so does the C library.
TEST(Gebietsschema, TheMachinesLocaleStays)
{
    EXPECT_FALSE(qEnvironmentVariableIsSet("LC_ALL"));
    EXPECT_EQ(qgetenv("LANG"), QByteArray("C.UTF-8"));
    EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C.UTF-8");
    EXPECT_STREQ(std::setlocale(LC_TIME, nullptr), "C.UTF-8");
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The machine's locale: LANG alone.
    for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
        if (name.startsWith(QLatin1String("LC_"))) qunsetenv(name.toLocal8Bit().constData());
    qputenv("LANG", "C.UTF-8");
    DeutschesGebietsschemaVorbereiten();
    QApplication app(argc, argv);
    DeutschesGebietsschemaAbschliessen();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
