#include "report/netz/Ftpliste.h"

#include <QDir>
#include <QRegularExpression>

namespace {

struct Feld {
    qsizetype anfang = 0;
    qsizetype ende = 0;  // one past the last character
};

bool Leer(QChar c) { return c == u' ' || c == u'\t'; }

QList<Feld> Felder(const QString& z)
{
    QList<Feld> felder;
    qsizetype i = 0;
    while (i < z.size()) {
        while (i < z.size() && Leer(z[i])) ++i;
        if (i == z.size()) break;
        const qsizetype anfang = i;
        while (i < z.size() && !Leer(z[i])) ++i;
        felder.append({anfang, i});
    }
    return felder;
}

QStringView Text(const QString& z, const Feld& f) { return QStringView(z).mid(f.anfang, f.ende - f.anfang); }

// "drwxr-xr-x", "-rw-r--r--", also with a trailing "+", "@" or ".".
bool UnixRechte(QStringView t)
{
    static const QRegularExpression muster(QStringLiteral("^[-dlbcps][-rwxsStTl]{9}[+@.]?$"));
    return muster.match(t).hasMatch();
}

bool Monat(QStringView t)
{
    static const char* const monate[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (const char* m : monate)
        if (t.compare(QLatin1String(m), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool Tag(QStringView t)
{
    bool ok = false;
    const int tag = t.toInt(&ok);
    return ok && t.size() <= 2 && tag >= 1 && tag <= 31;
}

bool ZeitOderJahr(QStringView t)
{
    static const QRegularExpression muster(QStringLiteral("^(\\d{1,2}:\\d{2}|\\d{4})$"));
    return muster.match(t).hasMatch();
}

// "2024-01-31".
bool IsoDatum(QStringView t)
{
    static const QRegularExpression muster(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return muster.match(t).hasMatch();
}

// "12:00", "12:00:59", "12:00:59.123456789".
bool IsoZeit(QStringView t)
{
    static const QRegularExpression muster(QStringLiteral("^\\d{1,2}:\\d{2}(:\\d{2}(\\.\\d+)?)?$"));
    return muster.match(t).hasMatch();
}

// "+0100" after a full time.
bool Zeitzone(QStringView t)
{
    static const QRegularExpression muster(QStringLiteral("^[+-]\\d{4}$"));
    return muster.match(t).hasMatch();
}

// The name of a Unix line: after the date and time ("Jan 31 12:00",
// "Jan 31 2024", "2024-01-31 12:00", "2024-01-31 12:00:00.000 +0100"), or
// after the eighth field. The first date from the fourth field on is the
// line's own, whichever columns come before it; a later one belongs to the
// name. `groesse`: the field before that date (the size), if there is one.
QString UnixName(const QString& z, const QList<Feld>& f, QStringView* groesse)
{
    // The last field of the date at i, or -1.
    const auto datumBei = [&](qsizetype i) -> qsizetype {
        if (i + 2 < f.size() && Monat(Text(z, f[i])) && Tag(Text(z, f[i + 1])) && ZeitOderJahr(Text(z, f[i + 2])))
            return i + 2;
        if (i + 1 < f.size() && IsoDatum(Text(z, f[i])) && IsoZeit(Text(z, f[i + 1]))) {
            if (i + 2 < f.size() && Text(z, f[i + 1]).contains(u'.') && Zeitzone(Text(z, f[i + 2]))) return i + 2;
            return i + 1;
        }
        return -1;
    };
    for (qsizetype i = 3; i + 2 < f.size(); ++i) {
        const qsizetype ende = datumBei(i);
        if (ende >= 0 && ende + 1 < f.size()) {
            *groesse = Text(z, f[i - 1]);
            return z.mid(f[ende].ende + 1);
        }
    }
    if (f.size() > 8) return z.mid(f[8].anfang);
    return {};
}

// The name of a link, "name -> ziel". Either may hold " -> " itself: ls
// prints both as they are. The size of a link is the length of its target
// in bytes, which tells where the target begins; without it the name
// reaches to the last " -> ", so that a name that holds the arrow is never
// cut to a shorter one (which could be another entry of the folder).
QString Verweisname(const QString& name, QStringView groesse)
{
    static const QLatin1String pfeil(" -> ");
    bool zahl = false;
    const qsizetype laenge = groesse.toLongLong(&zahl);
    // The bytes after an arrow: those of the name less those up to the
    // arrow's end, counted on from the previous arrow. Every part ends with
    // the arrow's blank, so no character is cut in two.
    qsizetype rest = zahl ? QStringView(name).toUtf8().size() : 0;
    qsizetype gezaehlt = 0;
    qsizetype letzte = -1;
    for (qsizetype i = name.indexOf(pfeil, 1); i > 0; i = name.indexOf(pfeil, i + 1)) {
        if (zahl) {
            const qsizetype ende = i + pfeil.size();
            rest -= QStringView(name).mid(gezaehlt, ende - gezaehlt).toUtf8().size();
            gezaehlt = ende;
            if (rest == laenge) return name.left(i);
        }
        letzte = i;
    }
    return letzte > 0 ? name.left(letzte) : name;
}

bool DosDatum(QStringView t)
{
    static const QRegularExpression muster(QStringLiteral("^\\d{2}-\\d{2}-(\\d{2}|\\d{4})$"));
    return muster.match(t).hasMatch();
}

bool DosZeit(QStringView t)
{
    static const QRegularExpression muster(QStringLiteral("^\\d{1,2}:\\d{2}([AaPp][Mm])?$"));
    return muster.match(t).hasMatch();
}

}  // namespace

Ftpeintrag FtpZeileLesen(const QString& roh)
{
    QString z = roh;
    while (z.endsWith(u'\r') || z.endsWith(u'\n')) z.chop(1);
    const QList<Feld> f = Felder(z);
    if (f.isEmpty()) return {};

    if (UnixRechte(Text(z, f[0]))) {
        QStringView groesse;
        const QString name = UnixName(z, f, &groesse);
        return {z.startsWith(u'l') ? Verweisname(name, groesse) : name, z.startsWith(u'd')};
    }
    if (f.size() >= 4 && DosDatum(Text(z, f[0])) && DosZeit(Text(z, f[1])))
        return {z.mid(f[3].anfang), Text(z, f[2]).compare(QLatin1String("<DIR>"), Qt::CaseInsensitive) == 0};

    static const QRegularExpression summe(QStringLiteral("^total\\s+\\d+$"), QRegularExpression::CaseInsensitiveOption);
    if (summe.match(z.trimmed()).hasMatch()) return {};
    return {Text(z, f.last()).toString(), z.startsWith(u'd')};
}

QList<Ftpeintrag> FtpListeLesen(const QStringList& zeilen)
{
    QList<Ftpeintrag> ordner, dateien;
    for (const QString& z : zeilen) {
        Ftpeintrag e = FtpZeileLesen(z);
        if (e.name.isEmpty()) continue;
        (e.ordner ? ordner : dateien).append(std::move(e));
    }
    return ordner + dateien;
}

bool FtpVerweisOrdner(const QString& name) { return name == u"." || name == u".."; }

QString FtpLokalerName(const QString& name)
{
    QString n = name;
    n.replace(u'/', u'_').replace(u'\\', u'_').replace(QChar(0), u'_');
    return n.isEmpty() || FtpVerweisOrdner(n) ? QStringLiteral("_") : n;
}

QString FtpLokalerPfad(const QString& ordner, const QString& name)
{
    QString pfad = QDir(ordner).absolutePath();
    if (!pfad.endsWith(u'/')) pfad += u'/';
    return pfad + FtpLokalerName(name);
}

QStringList FtpBaumordner(const QStringList& zeilen)
{
    QStringList namen;
    for (const Ftpeintrag& e : FtpListeLesen(zeilen))
        if (e.ordner && !FtpVerweisOrdner(e.name)) namen.append(e.name);
    return namen;
}

QStringList FtpPfadTeile(const QString& pfad)
{
    static const QRegularExpression trenner(QStringLiteral("[/\\\\]"));
    return pfad.split(trenner, Qt::SkipEmptyParts);
}

QStringList FtpElternpfad(const QStringList& teile) { return teile.mid(0, teile.size() - 1); }

QStringList FtpUnterpfad(const QStringList& teile, const QString& name) { return teile + QStringList{name}; }

FtpKnoepfe FtpKnopfzustand(const FtpLage& lage)
{
    if (lage.beschaeftigt) return {};
    FtpKnoepfe k;
    k.verbinden = true;
    if (!lage.verbunden) return k;
    k.upload = k.neuerOrdner = k.inhalt = true;
    k.loeschen = lage.auswahl;
    k.download = k.umbenennen = lage.auswahl && lage.dateiGewaehlt;
    return k;
}
