#pragma once
// For the tests of certificates the operator trusts: the fingerprint as the
// openssl command computes it, and a settings file of the test's own that
// takes the trusted certificates.

#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// The SHA-256 fingerprint of the certificate in the PEM file, "AB:CD:…",
// from `openssl x509 -fingerprint`; empty when openssl failed.
inline QByteArray OpensslFingerabdruck(const QString& pem)
{
    QProcess p;
    p.start(QStringLiteral("openssl"), {"x509", "-noout", "-fingerprint", "-sha256", "-in", pem});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    const QByteArray zeile = p.readAllStandardOutput().trimmed();  // "sha256 Fingerprint=AB:CD:…"
    return zeile.mid(zeile.indexOf('=') + 1).toUpper();
}

// "Bravolin.inf" in a temporary folder, empty, with no certificate trusted;
// the settings' file, lines and trusted certificates as before afterwards.
class Zertifikatsablage {
public:
    Zertifikatsablage()
    {
        InfDatei = m_ordner.filePath(QStringLiteral("Bravolin.inf"));
        InfListe.clear();
        Einst.Zertifikate.clear();
    }
    ~Zertifikatsablage()
    {
        InfDatei = m_datei;
        InfListe = m_liste;
        Einst.Zertifikate = m_zertifikate;
    }
    Zertifikatsablage(const Zertifikatsablage&) = delete;
    Zertifikatsablage& operator=(const Zertifikatsablage&) = delete;

    // The saved file's bytes.
    QByteArray datei() const
    {
        QFile f(InfDatei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QString m_datei = InfDatei;
    QStringList m_liste = InfListe;
    QString m_zertifikate = Einst.Zertifikate;
    QTemporaryDir m_ordner;
};
