#include "components/Hilfen.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMetaObject>
#include <QObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>

QString AbfAbout(const QObject& komponente) { return QString::fromLatin1(komponente.metaObject()->className()); }

unsigned AbfUmschaltBits(Qt::KeyboardModifiers tasten)
{
    unsigned bits = 0;
    if (tasten & Qt::ShiftModifier) bits |= abfShift;
    if (tasten & Qt::AltModifier) bits |= abfAlt;
    if (tasten & Qt::ControlModifier) bits |= abfCtrl;
    return bits;
}

AbfPlattform AbfPlattformZerlegen(const QString& art, const QString& version, const QString& name)
{
    AbfPlattform p{art, version, name};
    // "6.1.0-18-amd64": the leading numbers up to the first other character.
    static const QRegularExpression zahlen(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const QRegularExpressionMatch m = zahlen.match(version);
    if (m.hasMatch()) {
        p.Major = m.captured(1).toInt();
        p.Minor = m.captured(2).toInt();
        p.Build = m.captured(3).toInt();
    }
    return p;
}

AbfPlattform AbfPlattformLesen()
{
    return AbfPlattformZerlegen(QSysInfo::kernelType(), QSysInfo::kernelVersion(), QSysInfo::prettyProductName());
}

qsizetype AbfVonHintenSuchen(const QString& teil, const QString& text, Qt::CaseSensitivity gross)
{
    if (teil.isEmpty()) return -1;
    return text.lastIndexOf(teil, -1, gross);
}

QString AbfAlleErsetzen(const QString& text, const QString& alt, const QString& neu, Qt::CaseSensitivity gross)
{
    if (alt.isEmpty()) return text;
    QString ergebnis = text;
    return ergebnis.replace(alt, neu, gross);
}

QString AbfZeichenErsetzen(QString text, QChar alt, QChar neu) { return text.replace(alt, neu); }

QString AbfMitTrenner(const QString& ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(u'/')) return ordner;
    return ordner + u'/';
}

namespace {
const QRegularExpression& Zeilenumbruch()
{
    static const QRegularExpression umbruch(QStringLiteral("\r\n|\n|\r"));
    return umbruch;
}
}  // namespace

QStringList AbfZeilen(const QString& text)
{
    QStringList zeilen = text.split(Zeilenumbruch());
    if (!zeilen.isEmpty() && zeilen.constLast().isEmpty()) zeilen.removeLast();
    return zeilen;
}

QString AbfSystemordner() { return AbfMitTrenner(QLibraryInfo::path(QLibraryInfo::LibrariesPath)); }

// --- Log file -----------------------------------------------------------------------------

AbfLogDatei::AbfLogDatei(const QString& ordner, const QString& name)
    : Kodierung([](const QString& t) { return t.toLatin1(); }),
      Zeitstempel([] { return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yy hh:mm:ss")); }),
      m_pfad(QDir(ordner).filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".log")))
{
}

AbfLogDatei::AbfLogDatei()
    : AbfLogDatei(QDir::currentPath(), QFileInfo(QCoreApplication::applicationFilePath()).fileName())
{
}

bool AbfLogDatei::Schreiben(const QString& text)
{
    QByteArray inhalt;
    QFile alt(m_pfad);
    if (alt.exists()) {
        if (!alt.open(QIODevice::ReadOnly)) return false;
        inhalt = alt.readAll();
        alt.close();
    }
    // A line break inside the text would start a line without a date.
    QString zeile = Zeitstempel() + u' ' + text;
    zeile.replace(Zeilenumbruch(), QStringLiteral(" "));
    inhalt += Kodierung(zeile) + "\r\n";
    QSaveFile neu(m_pfad);
    return neu.open(QIODevice::WriteOnly) && neu.write(inhalt) == inhalt.size() && neu.commit();
}
