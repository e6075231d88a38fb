// The FTP browser on a real vsftpd with a certificate of its own, with the
// real question window: the operator refuses once, then trusts it.

#include "core/Globals.h"
#include "core/ui/WidgetBoxen.h"
#include "match/dienste/Netzdienste.h"
#include "report/ui/FtpServer.h"
#include "support/Ftpserver.h"
#include "support/Programmordner.h"
#include "support/Vsftpd.h"
#include "support/Zertifikatsablage.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

class FtpZertifikat : public Programmordner {};

// The question's text as shown (without the label's break opportunities).
QString Gezeigt(const THinweisJa* frage) { return frage->LHinweis->text().remove(QChar(0x200B)); }

}  // namespace

TEST_F(FtpZertifikat, DerBedienerVertrautInDerFrageDemZertifikat)
{
    ASSERT_TRUE(Vsftpd::vorhanden()) << "vsftpd is not installed (Debian package vsftpd)";
    QTemporaryDir tmp;
    const QString zertifikat = FtpTestserver::zertifikat(tmp.path());
    ASSERT_FALSE(zertifikat.isEmpty()) << "openssl could not make a certificate";
    const QByteArray fingerabdruck = OpensslFingerabdruck(zertifikat);
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    QFile liesmich(server.datei(QStringLiteral("liesmich.txt")));
    ASSERT_TRUE(liesmich.open(QIODevice::WriteOnly));
    liesmich.close();
    const Zertifikatsablage ablage;
    const FtpZugang z = server.zugang();
    FtpAktuell = {z.host, z.port, z.kennung, z.passwort, QString()};

    WidgetBoxen widgetBoxen;
    const BoxenEinsetzen echt(&widgetBoxen);
    THinweisJa* frage = widgetBoxen.hinweisJaFenster();
    QPushButton* antwort = frage->BtnNein;
    QStringList gezeigt;
    QTimer beobachter;
    QObject::connect(&beobachter, &QTimer::timeout, [&] {
        if (!frage->isVisible()) return;
        gezeigt << Gezeigt(frage);
        antwort->click();
    });
    beobachter.start(10);

    TFtpServer d;
    d.show();
    const auto verbinden = [&] {
        d.BtnVerbinden->click();
        return warten([&] { return !d.beschaeftigt(); });
    };
    const QString text = QStringLiteral("Das Zertifikat von 127.0.0.1 (Port %1) ist nicht vertrauenswürdig (selbst "
                                        "signiert). SHA-256: %2")
                             .arg(server.port)
                             .arg(QString::fromLatin1(fingerabdruck));

    ASSERT_TRUE(verbinden());
    ASSERT_EQ(gezeigt.size(), 1);
    EXPECT_TRUE(gezeigt[0].startsWith(text + QStringLiteral("\n\n"))) << gezeigt[0].toStdString();
    EXPECT_EQ(d.StatusPanel->text().toStdString(), text.toStdString());
    EXPECT_EQ(d.ListFile->count(), 0);
    EXPECT_FALSE(server.befehle().contains(QStringLiteral("PASS <password>")));

    antwort = frage->BtnJa;
    ASSERT_TRUE(verbinden());
    EXPECT_EQ(gezeigt.size(), 2);
    ASSERT_EQ(d.ListFile->count(), 1);
    EXPECT_EQ(d.ListFile->item(0)->text(), QStringLiteral("liesmich.txt"));
    EXPECT_TRUE(ablage.datei().contains(
        QStringLiteral("Zertifikate = ftp://127.0.0.1:%1 %2\r\n").arg(server.port).arg(QString::fromLatin1(fingerabdruck)).toLatin1()));
}
