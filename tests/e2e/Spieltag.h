#pragma once
// What the match day test watches outside the program: a lane monitor
// client (the monitor client tool in its own process) and a board row as
// the simulator puts it together from the frames it received.

#include "match/bus/CanFrames.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

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
