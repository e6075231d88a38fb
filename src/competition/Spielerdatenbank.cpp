#include "competition/Spielerdatenbank.h"

#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/dienste/Wettbewerbdienste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// "CvLk" in the file header: the file is a player database of this program.
constexpr int Kennung = 0x43764C6B;
constexpr int Version = 1;

// The column names of the table, in column order after the row number.
constexpr const char* Spaltennamen[SpielerSpalten] = {
    "Club", "Name", "Passnummer", "Geburtsdatum", "Gruppe", "Nation",
    "Plz",  "Ort",  "Adresse",    "Tel",          "Fax",    "Email",
};

QString Nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

QString Spaltenliste()
{
    QStringList namen{QStringLiteral("Zeile")};
    for (const char* n : Spaltennamen) namen << QLatin1String(n);
    return namen.join(QStringLiteral(", "));
}

// One connection of its own for the length of one load or save.
class Verbindung {
public:
    Verbindung(const QString& datei, bool nurLesen, int wartezeitMs)
        : m_name(QStringLiteral("Spielerdatenbank-%1").arg(++s_zaehler))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(datei);
        QStringList optionen{QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(std::max(wartezeitMs, 0))};
        if (nurLesen) optionen << QStringLiteral("QSQLITE_OPEN_READONLY");
        db.setConnectOptions(optionen.join(QLatin1Char(';')));
        m_offen = db.open();
        if (!m_offen) m_fehler = db.lastError().text();
    }
    ~Verbindung()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isOpen()) db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    bool offen() const { return m_offen; }
    const QString& fehler() const { return m_fehler; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    static inline int s_zaehler = 0;
    QString m_name;
    bool m_offen = false;
    QString m_fehler;
};

bool TreiberDa() { return QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")); }

const QString TreiberFehlt = QStringLiteral(
    "Die Spielerdatenbank kann nicht geöffnet werden: Qt fehlt der SQLite-Treiber (Paket libqt6sql6-sqlite).");

// What the file at the path is.
enum class Dateiart { Fehlt, Leer, Unsere, Fremd, Unlesbar };
struct Pruefung {
    Dateiart art;
    QString fehler;
};

Pruefung Pruefen(const QString& datei)
{
    const QFileInfo info(datei);
    if (!info.exists()) return {Dateiart::Fehlt, {}};
    if (!info.isFile()) return {Dateiart::Unlesbar, QStringLiteral("das ist keine Datei")};
    if (info.size() == 0) return {Dateiart::Leer, {}};
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return {Dateiart::Unlesbar, f.errorString()};
    // Every SQLite file begins with these 16 bytes.
    if (f.read(16) != QByteArray("SQLite format 3", 16)) return {Dateiart::Fremd, {}};
    f.close();

    Verbindung v(datei, true, 0);
    if (!v.offen()) return {Dateiart::Unlesbar, v.fehler()};
    QSqlQuery q(v.db());
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
        const QString fehler = q.lastError().text();
        return {Dateiart::Fremd, fehler};
    }
    const int kennung = q.value(0).toInt();
    if (kennung == Kennung) return {Dateiart::Unsere, {}};
    if (kennung != 0) return {Dateiart::Fremd, {}};
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return {Dateiart::Fremd, q.lastError().text()};
    return {q.value(0).toInt() == 0 ? Dateiart::Leer : Dateiart::Fremd, {}};
}

// "<name>.alt", or the first of "<name>.alt2", "<name>.alt3", ... that is free.
QString Ausweichname(const QString& datei)
{
    QString name = datei + QStringLiteral(".alt");
    for (int k = 2; QFileInfo::exists(name); ++k) name = datei + QStringLiteral(".alt%1").arg(k);
    return name;
}

QString Fehltext(const QSqlError& e)
{
    const QString t = e.text().trimmed();
    return t.isEmpty() ? QStringLiteral("unbekannter Fehler") : t;
}

// The rows into the open database, in one transaction.
QString Schreiben(QSqlDatabase db, const Spielertabelle& t)
{
    if (!db.transaction()) return Fehltext(db.lastError());
    auto abbrechen = [&db](const QSqlError& e) {
        const QString fehler = Fehltext(e);
        db.rollback();
        return fehler;
    };
    {
        QSqlQuery q(db);
        QStringList spalten{QStringLiteral("Zeile INTEGER PRIMARY KEY")};
        for (const char* n : Spaltennamen) spalten << QLatin1String(n) + QStringLiteral(" TEXT");
        const QStringList befehle{
            QStringLiteral("CREATE TABLE IF NOT EXISTS Spieler (%1)").arg(spalten.join(QStringLiteral(", "))),
            QStringLiteral("PRAGMA application_id = %1").arg(Kennung),
            QStringLiteral("PRAGMA user_version = %1").arg(Version),
            QStringLiteral("DELETE FROM Spieler"),
        };
        for (const QString& b : befehle)
            if (!q.exec(b)) return abbrechen(q.lastError());

        QStringList platz(SpielerSpalten + 1, QStringLiteral("?"));
        if (!q.prepare(QStringLiteral("INSERT INTO Spieler (%1) VALUES (%2)")
                           .arg(Spaltenliste(), platz.join(QStringLiteral(", ")))))
            return abbrechen(q.lastError());
        for (int r = 0; r < t.zeilen(); ++r) {
            q.bindValue(0, r);
            for (int spalte = 0; spalte < SpielerSpalten; ++spalte) {
                const SpielerZelle& c = t.zelle(r, spalte);
                QVariant wert(QMetaType::fromType<QString>());  // null
                if (c) {
                    QString text = Cp1252::decode(*c);
                    if (text.isNull()) text = QStringLiteral("");  // the empty text, not null
                    wert = text;
                }
                q.bindValue(spalte + 1, wert);
            }
            if (!q.exec()) return abbrechen(q.lastError());
        }
    }
    if (!db.commit()) return abbrechen(db.lastError());
    return {};
}

QString Speicherfehler(const QString& datei, const QString& grund)
{
    return QStringLiteral("Die Spielerdatenbank %1 konnte nicht gespeichert werden: %2. "
                          "Die Datei enthält weiter den zuletzt gespeicherten Stand.")
        .arg(Nativ(datei), grund);
}

}  // namespace

QString SpielerdatenbankDatei()
{
    QString ordner = Einst.DatenbankPfad.isEmpty() ? Datenverzeichnis : Einst.DatenbankPfad;
    if (QDir::isRelativePath(ordner) && !Programmverzeichnis.isEmpty())
        ordner = QDir(Programmverzeichnis).absoluteFilePath(ordner);
    return DateiImOrdner(ordner, QStringLiteral("Spieler.xrs"));
}

SpielerdatenbankErgebnis SpielerdatenbankLesen(const QString& datei, Spielertabelle& t)
{
    t.setZeilen({});
    const Pruefung p = Pruefen(datei);
    switch (p.art) {
    case Dateiart::Fehlt:
    case Dateiart::Leer: return {};
    case Dateiart::Fremd:
        return {false, QStringLiteral("Die Datei %1 ist keine Spielerdatenbank dieses Programms und wird nicht "
                                      "gelesen. Die Spielerdatenbank beginnt leer; wenn Sie speichern, bleibt "
                                      "die Datei als %2 erhalten.")
                           .arg(Nativ(datei), Nativ(Ausweichname(datei)))};
    case Dateiart::Unlesbar:
        return {false, QStringLiteral("Die Spielerdatenbank %1 kann nicht gelesen werden: %2. "
                                      "Die Spielerdatenbank beginnt leer.")
                           .arg(Nativ(datei), p.fehler)};
    case Dateiart::Unsere: break;
    }
    if (!TreiberDa()) return {false, TreiberFehlt};

    std::vector<SpielerZeile> zeilen;
    QString fehler;
    {
        Verbindung v(datei, true, 0);
        QSqlQuery q(v.db());
        if (!v.offen()) {
            fehler = v.fehler();
        } else if (!q.exec(QStringLiteral("SELECT %1 FROM Spieler ORDER BY Zeile").arg(Spaltenliste()))) {
            fehler = Fehltext(q.lastError());
        } else {
            while (q.next()) {
                SpielerZeile z;
                for (int spalte = 0; spalte < SpielerSpalten; ++spalte)
                    if (!q.isNull(spalte + 1)) z[std::size_t(spalte)] = Cp1252::encode(q.value(spalte + 1).toString());
                zeilen.push_back(std::move(z));
            }
            if (q.lastError().isValid()) fehler = Fehltext(q.lastError());
        }
    }
    if (!fehler.isEmpty())
        return {false, QStringLiteral("Die Spielerdatenbank %1 kann nicht gelesen werden: %2. "
                                      "Die Spielerdatenbank beginnt leer.")
                           .arg(Nativ(datei), fehler)};
    t.setZeilen(std::move(zeilen));
    return {};
}

SpielerdatenbankErgebnis SpielerdatenbankSchreiben(const QString& datei, const Spielertabelle& t,
                                                 const SpielerdatenbankOptionen& optionen)
{
    if (!TreiberDa()) return {false, TreiberFehlt};
    const QFileInfo info(datei);
    if (!QDir().mkpath(info.absolutePath()))
        return {false, Speicherfehler(datei, QStringLiteral("der Ordner %1 kann nicht angelegt werden")
                                                 .arg(Nativ(info.absolutePath())))};

    const Pruefung p = Pruefen(datei);
    if (p.art == Dateiart::Unlesbar) return {false, Speicherfehler(datei, p.fehler)};

    if (p.art != Dateiart::Fremd) {
        QString fehler;
        {
            Verbindung v(datei, false, optionen.wartezeitMs);
            fehler = v.offen() ? Schreiben(v.db(), t) : v.fehler();
        }
        if (!fehler.isEmpty()) return {false, Speicherfehler(datei, fehler)};
        return {};
    }

    // A file of another kind: the new database is made beside it and takes
    // its name only when it is complete; the old file is kept.
    const QString neu = datei + QStringLiteral(".neu");
    QFile::remove(neu);
    QString fehler;
    {
        Verbindung v(neu, false, optionen.wartezeitMs);
        fehler = v.offen() ? Schreiben(v.db(), t) : v.fehler();
    }
    const QString alt = Ausweichname(datei);
    if (fehler.isEmpty() && !QFile::rename(datei, alt))
        fehler = QStringLiteral("die bisherige Datei lässt sich nicht in %1 umbenennen").arg(Nativ(alt));
    if (fehler.isEmpty() && !QFile::rename(neu, datei)) {
        QFile::rename(alt, datei);
        fehler = QStringLiteral("die neue Datei lässt sich nicht umbenennen");
    }
    if (!fehler.isEmpty()) {
        QFile::remove(neu);
        return {false, QStringLiteral("Die Spielerdatenbank %1 konnte nicht gespeichert werden: %2. "
                                      "Die bisherige Datei ist unverändert.")
                           .arg(Nativ(datei), fehler)};
    }
    return {true, QStringLiteral("Die bisherige Datei %1 war keine Spielerdatenbank dieses Programms; "
                                 "sie ist als %2 aufbewahrt.")
                      .arg(Nativ(datei), Nativ(alt))};
}

bool SpielerdatenbankLaden()
{
    auto& z = spielerdatenbankZustand;
    z.SuchTrefferSpalte = z.SuchTrefferZeile = -1;
    z.DragZeile = -1;
    const SpielerdatenbankErgebnis e = SpielerdatenbankLesen(SpielerdatenbankDatei(), Spielerdatenbank());
    DatenbankGeaendert = 0;
    if (!e.meldung.isEmpty()) boxen().hinweis(e.meldung);
    return e.ok;
}

bool SpielerdatenbankSpeichern()
{
    const SpielerdatenbankErgebnis e = SpielerdatenbankSchreiben(SpielerdatenbankDatei(), Spielerdatenbank());
    if (e.ok) {
        DatenbankGeaendert = 0;
        auto& z = spielerdatenbankZustand;
        if (z.SuchTrefferZeile >= 0) {
            z.SuchTrefferSpalte = z.SuchTrefferZeile = -1;
            Spielerdatenbank().inhaltMelden();  // the mark's colour
        }
    }
    if (!e.meldung.isEmpty()) boxen().hinweis(e.meldung);
    return e.ok;
}
