// The list of certificates the operator trusts ("Zertifikate" in the
// settings file): which entry is taken, what a save writes and what the
// settings reader then reads back; and two real TLS servers behind a list
// with an entry the operator never made.
#include "report/netz/Zertifikate.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "report/netz/Ftpsitzung.h"
#include "support/Ftpserver.h"
#include "support/Zertifikatsablage.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// A fingerprint of 32 bytes of `b`, as the program writes it.
QString Fp(char b)
{
    return QString::fromLatin1(QByteArray(32, b).toHex(':').toUpper());
}

// The settings file as the program reads it at start: the line of the key
// through the reader's split and the key's conversion.
void NeuLesen()
{
    Einst.Zertifikate = QStringLiteral("(nicht gelesen)");
    InfListe = TextdateiLesen(InfDatei).value_or(QStringList());
    const Einstellungsschluessel* s = SchluesselSuchen(u"Zertifikate");
    ASSERT_NE(s, nullptr);
    for (const QString& zeile : std::as_const(InfListe)) {
        const KeyWert kw = SchluesselWert(zeile);
        if (kw.key.compare(s->name, Qt::CaseInsensitive) == 0) EinstellungSetzen(*s, kw.wert);
    }
}

void DateiSchreiben(const QString& zeile)
{
    QFile f(InfDatei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(("[Internet]\r\n" + zeile + "\r\n").toLatin1());
}

}  // namespace

TEST(Zertifikate, NurEinEintragInGenauDerGeschriebenenFormGilt)
{
    const QString a = Fp('\xaa'), b = Fp('\xbb');
    const struct {
        QString liste, server, vertraut;
    } faelle[] = {
        {"ftp://b:21 " + a, "ftp://b:21", a},
        {"ftp://b:21 " + a, "ftp://b:2121", {}},
        {"ftp://b:21 " + a, "smtp://b:21", {}},
        {"ftp://b:21 " + a, "ftp://c:21", {}},
        {"smtp://b:25 " + a + "; ftp://b:21 " + b, "ftp://b:21", b},
        {"smtp://b:25 " + a + ";ftp://b:21 " + b, "smtp://b:25", a},
        {"ftp://[::1]:21 " + a, ZertifikatServer("ftp", "::1", 21), a},
        // Not in the form written: never taken.
        {"=ftp://b:21 " + a, "ftp://b:21", {}},
        {"ftp://b:21 " + b + "; =ftp://b:21 " + a, "ftp://b:21", b},
        {"ftp://b:21  " + a, "ftp://b:21", {}},
        {"ftp://b:21 " + a + " x", "ftp://b:21", {}},
        {"ftp://B:21 " + a, "ftp://b:21", {}},
        {"ftp://b:021 " + a, "ftp://b:21", {}},
        {"ftp://b:21 " + a.toLower(), "ftp://b:21", {}},
        {"ftp://b:21 " + a.left(92), "ftp://b:21", {}},
        {"ftp://b:21 " + a.left(94) + "G", "ftp://b:21", {}},
        {"ftp://b:21 " + QString(a).replace(':', '-'), "ftp://b:21", {}},
        {"ftps://b:21 " + a, "ftps://b:21", {}},
        {"ftp://b " + a, "ftp://b", {}},
        // One server, two certificates: neither.
        {"ftp://b:21 " + a + "; ftp://b:21 " + b, "ftp://b:21", {}},
        {"ftp://b:21 " + a + "; ftp://b:21 " + a, "ftp://b:21", a},
    };
    const Zertifikatsablage ablage;
    for (const auto& f : faelle) {
        Einst.Zertifikate = f.liste;
        EXPECT_EQ(QString::fromLatin1(VertrautesZertifikat(f.server)), f.vertraut)
            << f.liste.toStdString() << " / " << f.server.toStdString();
    }
}

// A save keeps the entries of the other servers, drops those not in the
// written form and reads back as written.
TEST(Zertifikate, GespeichertWirdGelesenWieGeschrieben)
{
    const QString alt = Fp('\x01'), a = Fp('\xaa'), neu = Fp('\x02'), x = Fp('\x0f');
    const struct {
        QString zeile, server, fingerabdruck, gespeichert, anderer;
    } faelle[] = {
        {"Zertifikate = ftp://127.0.0.1:2001 " + alt + "; =ftp://127.0.0.1:2002 " + a, "ftp://127.0.0.1:2001", neu,
         "ftp://127.0.0.1:2001 " + neu, "ftp://127.0.0.1:2002"},
        {"Zertifikate = ftp://b:21 " + alt + "; =ftp://b:21 " + x, "ftp://b:21", neu, "ftp://b:21 " + neu, {}},
        {"Zertifikate = smtp://a:25 " + a + "; ftp://b:21 " + alt, "ftp://b:21", neu,
         "smtp://a:25 " + a + "; ftp://b:21 " + neu, "smtp://a:25"},
        {"Zertifikate = ftp://b:21 " + alt + "; ftp://b:21 " + x, "smtp://b:587", neu,
         "ftp://b:21 " + alt + "; ftp://b:21 " + x + "; smtp://b:587 " + neu, "ftp://b:21"},
        {"Zertifikate", "ftp://b:21", neu, "ftp://b:21 " + neu, {}},
    };
    for (const auto& f : faelle) {
        const Zertifikatsablage ablage;
        DateiSchreiben(f.zeile);
        NeuLesen();
        const QByteArray anderer = VertrautesZertifikat(f.anderer);
        ASSERT_TRUE(ZertifikatVertrauen(f.server, f.fingerabdruck.toLatin1())) << f.zeile.toStdString();
        EXPECT_EQ(Einst.Zertifikate, f.gespeichert) << f.zeile.toStdString();
        NeuLesen();
        EXPECT_EQ(Einst.Zertifikate, f.gespeichert) << f.zeile.toStdString();
        EXPECT_EQ(QString::fromLatin1(VertrautesZertifikat(f.server)), f.fingerabdruck) << f.zeile.toStdString();
        if (!f.anderer.isEmpty()) {
            EXPECT_EQ(VertrautesZertifikat(f.anderer), anderer) << f.zeile.toStdString();
        }
    }
}

// What is not in the written form is never written.
TEST(Zertifikate, FalscherServerOderFingerabdruckWirdNichtGespeichert)
{
    const QString a = Fp('\xaa');
    const Zertifikatsablage ablage;
    DateiSchreiben("Zertifikate = ftp://b:21 " + a);
    NeuLesen();
    for (const auto& [server, fingerabdruck] : std::initializer_list<std::pair<QString, QString>>{
             {"ftp://B:21", a}, {"=ftp://b:22", a}, {"ftp://b:22", a.toLower()}, {"ftp://b:22", a.left(92)},
             {"ftp://b:22 x", a}, {"ftp://b:22", a + "; ftp://c:21 " + a}}) {
        EXPECT_FALSE(ZertifikatVertrauen(server, fingerabdruck.toLatin1())) << server.toStdString();
        NeuLesen();
        EXPECT_EQ(Einst.Zertifikate, "ftp://b:21 " + a);
    }
}

// Two servers with certificates of their own on P and Q; the list holds an
// old certificate for Q and, behind a stray "=", the one of P. P is
// refused; the operator trusts Q's; saved and read back, P is still
// refused and asked about, and no password goes to it.
TEST(Zertifikate, EinVerstuemmelterEintragWirdDurchsSpeichernNichtVertraut)
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkdir(QStringLiteral("q"));
    const QString zertP = FtpTestserver::zertifikat(tmp.path());
    const QString zertQ = FtpTestserver::zertifikat(tmp.filePath(QStringLiteral("q")));
    ASSERT_FALSE(zertP.isEmpty() || zertQ.isEmpty()) << "openssl could not make a certificate";
    const QByteArray fpP = OpensslFingerabdruck(zertP), fpQ = OpensslFingerabdruck(zertQ);
    ASSERT_EQ(fpP.size(), 95);
    FtpTestserver p({"--tls", zertP}), q({"--tls", zertQ});
    ASSERT_TRUE(p.port && q.port);

    const Zertifikatsablage ablage;
    SkriptBoxen boxen;
    const BoxenEinsetzen eingesetzt(&boxen);
    DateiSchreiben(QStringLiteral("Zertifikate = ftp://127.0.0.1:%1 %2; =ftp://127.0.0.1:%3 %4")
                       .arg(q.port)
                       .arg(Fp('\x01'))
                       .arg(p.port)
                       .arg(QString::fromLatin1(fpP)));
    NeuLesen();

    const auto verbinden = [&](const FtpTestserver& server, int antwort) {
        boxen.antworten = {antwort};
        Ftpsitzung sitzung;
        int n = 0;
        bool ok = false;
        QObject::connect(&sitzung, &Ftpsitzung::erledigt, &sitzung,
                         [&](Ftpsitzung::Vorgang, bool o, const QString&, const QString&, const QStringList&) {
                             ++n;
                             ok = o;
                         });
        sitzung.verbinden(server.zugang());
        EXPECT_TRUE(warten([&] { return n > 0; }));
        return ok;
    };
    const auto passwoerter = [](const FtpTestserver& server) { return server.zeilen().count("PASS ****"); };

    EXPECT_FALSE(verbinden(p, ErgebnisNein));
    EXPECT_EQ(boxen.gezeigt.size(), 1);
    EXPECT_TRUE(verbinden(q, ErgebnisJa));
    EXPECT_EQ(boxen.gezeigt.size(), 2);
    EXPECT_EQ(passwoerter(q), 1);

    NeuLesen();
    EXPECT_EQ(Einst.Zertifikate, QStringLiteral("ftp://127.0.0.1:%1 ").arg(q.port) + QString::fromLatin1(fpQ));
    EXPECT_FALSE(verbinden(p, ErgebnisNein));
    EXPECT_EQ(boxen.gezeigt.size(), 3);
    EXPECT_EQ(passwoerter(p), 0);
    EXPECT_TRUE(verbinden(q, ErgebnisNein));
    EXPECT_EQ(boxen.gezeigt.size(), 3);
}
