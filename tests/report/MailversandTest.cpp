// The report mail against the real SMTP sink (python3-aiosmtpd): the
// attachments' types, and servers with certificates of their own.
#include "report/netz/Netzmodul.h"

#include "support/Smtpsenke.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Ende {
    int anzahl = 0;
    bool ok = false;
    QString fehler;
    MailFertig fertig()
    {
        return [this](bool o, const QString& f) {
            ++anzahl;
            ok = o;
            fehler = f;
        };
    }
};

Mailauftrag Auftrag(u16 port)
{
    Mailauftrag m;
    m.host = QStringLiteral("127.0.0.1");
    m.port = port;
    m.von = QStringLiteral("bericht@kegeln.test");
    m.an = QStringLiteral("verband@kegeln.test");
    m.betreff = QStringLiteral("Spielbericht");
    m.text = {QStringLiteral("Guten Tag")};
    return m;
}

}  // namespace

// The report's PDF and pictures go out as what they are; anything else as
// bytes. The received message is parsed by the sink.
TEST(Mailversand, AnhaengeMitIhremTyp)
{
    Senke senke;
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    QTemporaryDir ordner;
    const struct {
        const char* name;
        QByteArray inhalt;
        const char* typ;
    } faelle[] = {
        {"Spielbericht.pdf", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n", "application/pdf"},
        {"Spielbericht.bmp", QByteArray("BM") + QByteArray(60, '\0'), "image/bmp"},
        {"Spielbericht.jpg", QByteArray("\xff\xd8\xff\xe0", 4) + QByteArray(30, 'j'), "image/jpeg"},
        {"Foto.JPEG", QByteArray("\xff\xd8\xff\xe0", 4) + QByteArray(30, 'k'), "image/jpeg"},
        {"Protokoll.log", "Zeile 1\n", "application/octet-stream"},
    };
    Netzmodul modul([](const QString&) {});
    int n = 0;
    for (const auto& f : faelle) {
        QFile datei(ordner.filePath(QString::fromLatin1(f.name)));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(f.inhalt) == f.inhalt.size());
        datei.close();
        Mailauftrag m = Auftrag(senke.port);
        m.anhang = datei.fileName();
        Ende ende;
        modul.mailSenden(m, ende.fertig());
        ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }));
        ASSERT_TRUE(ende.ok) << f.name << ": " << ende.fehler.toStdString();
        const QJsonArray anhaenge = senke.nachricht(++n)[QStringLiteral("anhaenge")].toArray();
        ASSERT_EQ(anhaenge.size(), 1) << f.name;
        const QJsonObject a = anhaenge[0].toObject();
        EXPECT_EQ(a[QStringLiteral("name")].toString(), QString::fromLatin1(f.name));
        EXPECT_EQ(a[QStringLiteral("typ")].toString(), QString::fromLatin1(f.typ)) << f.name;
        EXPECT_EQ(QByteArray::fromBase64(a[QStringLiteral("daten")].toString().toLatin1()), f.inhalt) << f.name;
    }
}
