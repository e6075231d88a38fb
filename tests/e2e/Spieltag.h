#pragma once
// What the whole-day tests watch outside the program: a lane monitor client
// (the monitor client tool in its own process), a board row as the simulator
// puts it together from the frames it received, and the sides' rows of the
// live results on the FTP server; and two steps of the operator's: the live
// upload set in the internet window, and the program ended from its menu in
// the application's main loop.

#include "match/bus/CanFrames.h"
#include "report/ui/Internet.h"
#include "support/Ftpserver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// The monitor client tool on its own loopback address; port 0 lets it
// choose a free one and gives it back.
class Monitorclient {
public:
    bool starten(const QString& adresse, quint16& port, const QString& ausgabe)
    {
        m_adresse = adresse;
        m_ausgabe = ausgabe;
        m_prozess->start(QStringLiteral(MONITORCLIENT), {QStringLiteral("--adresse"), adresse, QStringLiteral("--port"),
                                                         QString::number(port), QStringLiteral("--ausgabe"), ausgabe});
        // It says where it listens on its first line.
        QByteArray zeile;
        const QDeadlineTimer frist(20000);
        while (!zeile.contains('\n') && !frist.hasExpired()) {
            if (!m_prozess->waitForReadyRead(200) && m_prozess->state() == QProcess::NotRunning) return false;
            zeile += m_prozess->readAllStandardOutput();
        }
        const auto m = QRegularExpression(QStringLiteral(":(\\d+)")).match(QString::fromUtf8(zeile));
        if (!m.hasMatch()) return false;
        port = quint16(m.captured(1).toUInt());
        return true;
    }

    const QString& adresse() const { return m_adresse; }

    // The messages received so far, "<sender>: <text>" each.
    QStringList zeilen() const
    {
        QFile f(m_ausgabe);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromLatin1(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    ~Monitorclient()
    {
        m_prozess->kill();
        m_prozess->waitForFinished(5000);
    }

private:
    std::unique_ptr<QProcess> m_prozess = std::make_unique<QProcess>();
    QString m_adresse, m_ausgabe;
};

// A board row of 30 characters, 0 where nothing was written, after the
// given frames (each: row, column, six characters).
inline QByteArray Tafelzeile(const std::vector<std::vector<CanDaten>>& rahmenfolgen)
{
    QByteArray zeile(30, '\0');
    for (const auto& rahmen : rahmenfolgen)
        for (const CanDaten& r : rahmen) {
            const int spalte = r.d[1] & 0x0F;
            for (int i = 0; i < 6 && spalte - 1 + i < zeile.size(); ++i)
                zeile[spalte - 1 + i] = char(r.d[std::size_t(2 + i)]);
        }
    return zeile;
}

inline std::string Lesbar(const QByteArray& zeile) { return QByteArray(zeile).replace('\0', '_').toStdString(); }

// The internet window's FTP fields for the test server and the folder typed,
// live results at the start and after each round.
inline void LiveErgebnisseEintragen(TInternet& d, const QString& ordner)
{
    d.EFtpHost->setText(QStringLiteral("127.0.0.1"));
    d.EFtpKennung->setText(QString::fromLatin1(FtpTestserver::Kennung));
    d.EFtpPasswort->setText(QString::fromLatin1(FtpTestserver::Passwort));
    d.EFtpPfad->setText(ordner);
    if (!d.CBFtpUpdate->isChecked()) d.CBFtpUpdate->click();
    if (!d.CBFtpUpdateDurchg->isChecked()) d.CBFtpUpdateDurchg->click();
}

// The home and the guest row of an "Update.csv" (name;Volle;Abr;Fehler;Total;
// Punkte); empty when the file is missing or short.
inline std::pair<QList<QByteArray>, QList<QByteArray>> LiveSeiten(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    if (zeilen.size() < 3) return {};
    QList<QByteArray> heim = zeilen[1].trimmed().split(';'), gast = zeilen[2].trimmed().split(';');
    if (heim.size() < 5 || gast.size() < 5) return {};
    for (QList<QByteArray>* seite : {&heim, &gast})
        for (QByteArray& feld : *seite) feld = feld.trimmed();
    return {heim, gast};
}

// The program ended from its menu command in the application's main loop,
// as the program runs it; imDialog answers the end dialog once it is up.
// What the main loop returns: 99 when nothing ended it in `grenzeMs`.
inline int ImHauptloopBeenden(QAction* ende, const std::function<void()>& imDialog, int grenzeMs)
{
    QTimer::singleShot(0, qApp, [&] {
        QTimer::singleShot(0, qApp, [&] { imDialog(); });
        ende->trigger();
    });
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    notbremse.start(grenzeMs);
    return QApplication::exec();
}
