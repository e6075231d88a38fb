#include "competition/Spieleliste.h"

#include "core/Cp1252.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace {

QString Eintragsname(int k) { return QStringLiteral("Spiel%1.dat").arg(k); }
QString Sicherungsname(int k) { return QStringLiteral("Spielbak%1.dat").arg(k); }

QString Schreibfehler(const QString& pfad, const QString& grund)
{
    return QStringLiteral("„%1“ konnte nicht gespeichert werden (%2). Die bisherige Datei bleibt unverändert.")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

// Opens the save file and writes every line into it; not yet committed.
bool ZeilenVorbereiten(QSaveFile& f, const QStringList& zeilen, QString* fehler)
{
    QString grund;
    if (TextdateiVorbereiten(f, zeilen, &grund)) return true;
    if (fehler) *fehler = Schreibfehler(f.fileName(), grund);
    return false;
}

// The lines whole through a temporary file that replaces `pfad` only when
// every byte is written.
bool TextdateiGanzSchreiben(const QString& pfad, const QStringList& zeilen, QString* fehler)
{
    QSaveFile f(pfad);
    if (!ZeilenVorbereiten(f, zeilen, fehler)) return false;
    QString grund;
    if (TextdateiAbschliessen(f, &grund)) return true;
    if (fehler) *fehler = Schreibfehler(pfad, grund);
    return false;
}

// The renames of one operation; on a failure the ones done are taken back.
class Umbenennungen {
public:
    explicit Umbenennungen(const QString& ordner) : m_ordner(ordner) {}

    // A missing source is nothing to do. The target name is free in every
    // renumbering (its file moved on before, or it lies beyond the list), so
    // a file left there by an earlier, broken-off operation is removed; the
    // sort keeps its own leftovers beforehand.
    bool umbenennen(const QString& von, const QString& nach, QString* fehler)
    {
        const QString ziel = DateiImOrdner(m_ordner, nach);
        if (QFileInfo::exists(ziel)) {
            QFile alt(ziel);
            if (!alt.remove()) return melden(von, nach, alt.errorString(), fehler);
        }
        const QString quelle = DateiImOrdner(m_ordner, von);
        if (!QFileInfo::exists(quelle)) return true;
        QFile f(quelle);
        const QString neu = QDir(m_ordner).filePath(nach);
        if (!f.rename(neu)) return melden(von, nach, f.errorString(), fehler);
        m_erledigt.emplace_back(quelle, neu);
        return true;
    }

    void zuruecknehmen()
    {
        for (auto it = m_erledigt.rbegin(); it != m_erledigt.rend(); ++it) QFile::rename(it->second, it->first);
        m_erledigt.clear();
    }

private:
    static bool melden(const QString& von, const QString& nach, const QString& grund, QString* fehler)
    {
        if (fehler)
            *fehler = QStringLiteral("„%1“ konnte nicht in „%2“ umbenannt werden (%3). Die Liste bleibt unverändert.")
                          .arg(von, nach, grund);
        return false;
    }

    QString m_ordner;
    std::vector<std::pair<QString, QString>> m_erledigt;
};

// A "Spielbak<i>.dat" (i < n) left by a sort that broke off may be the only
// copy of a match: it moves to "Spielbak<i>-gerettet.dat" (or the first free
// "...-gerettet2.dat", ...) before the sort needs the name.
bool SicherungenBeiseitelegen(const QString& ordner, int n, QString* fehler, QString* hinweis)
{
    QStringList gerettet;
    const auto melden = [&] {
        if (hinweis && !gerettet.isEmpty())
            *hinweis = QStringLiteral("Im Ordner lagen Dateien einer abgebrochenen Sortierung. Sie können die "
                                      "einzige Kopie eines Spiels sein und bleiben erhalten:\n") +
                       gerettet.join(QLatin1Char('\n'));
    };
    const QDir dir(ordner);
    for (int i = 0; i < n; ++i) {
        const QString alt = DateiImOrdner(ordner, Sicherungsname(i));
        if (!QFileInfo(alt).isFile()) continue;
        QString name;
        for (int z = 1; name.isEmpty() || QFileInfo::exists(DateiImOrdner(ordner, name)); ++z)
            name = QStringLiteral("Spielbak%1-gerettet%2.dat").arg(i).arg(z > 1 ? QString::number(z) : QString());
        QFile f(alt);
        if (!f.rename(dir.filePath(name))) {
            if (fehler)
                *fehler = QStringLiteral("„%1“ von einer abgebrochenen Sortierung konnte nicht in „%2“ umbenannt "
                                         "werden (%3). Die Liste bleibt unverändert.")
                              .arg(QFileInfo(alt).fileName(), name, f.errorString());
            melden();
            return false;
        }
        gerettet << QStringLiteral("„%1“ ist jetzt „%2“.").arg(QFileInfo(alt).fileName(), name);
    }
    melden();
    return true;
}

}  // namespace

QString SpielelisteDatei(const QString& ordner) { return DateiImOrdner(ordner, QStringLiteral("Spiele.inf")); }

QString SpielDatei(const QString& ordner, int k) { return DateiImOrdner(ordner, Eintragsname(k)); }

QStringList SpielelisteLesen(const QString& ordner)
{
    return TextdateiLesen(SpielelisteDatei(ordner)).value_or(QStringList());
}

bool SpielelisteSchreiben(const QString& ordner, const QStringList& liste, QString* fehler)
{
    return TextdateiGanzSchreiben(SpielelisteDatei(ordner), liste, fehler);
}

bool SpieleintragSchreiben(const QString& ordner, int k, const QStringList& liste, const QStringList& zeilen,
                           QString* fehler)
{
    QSaveFile datei(SpielDatei(ordner, k));
    if (!ZeilenVorbereiten(datei, zeilen, fehler)) return false;
    if (!SpielelisteSchreiben(ordner, liste, fehler)) {
        datei.cancelWriting();
        return false;
    }
    if (datei.commit()) return true;
    if (fehler) *fehler = Schreibfehler(datei.fileName(), datei.errorString());
    return false;
}

int SpieleintragEinfuegen(const QString& ordner, QStringList& liste, int auswahl, const QString& name,
                          const QStringList& zeilen, QString* fehler)
{
    if (liste.size() >= MaxSpieleintraege) {
        if (fehler)
            *fehler = QStringLiteral("Die Liste ist voll: ein Ordner fasst höchstens %1 Spiele.").arg(MaxSpieleintraege);
        return -1;
    }
    const int letzter = int(liste.size()) - 1;
    const int k = auswahl < 0 || auswahl >= letzter ? letzter + 1 : auswahl + 1;

    // Renames need no space: once the new file is written, every later
    // failure can put the folder back as it was.
    QSaveFile datei(SpielDatei(ordner, k));
    if (!ZeilenVorbereiten(datei, zeilen, fehler)) return -1;
    Umbenennungen u(ordner);
    for (int j = letzter; j >= k; --j)
        if (!u.umbenennen(Eintragsname(j), Eintragsname(j + 1), fehler)) {
            datei.cancelWriting();
            u.zuruecknehmen();
            return -1;
        }
    if (!datei.commit()) {
        if (fehler) *fehler = Schreibfehler(datei.fileName(), datei.errorString());
        u.zuruecknehmen();
        return -1;
    }
    QStringList neu = liste;
    neu.insert(k, name);
    if (!SpielelisteSchreiben(ordner, neu, fehler)) {
        QFile::remove(datei.fileName());
        u.zuruecknehmen();
        return -1;
    }
    liste = neu;
    return k;
}

bool SpieleintragUmbenennen(const QString& ordner, QStringList& liste, int k, const QString& name, QString* fehler)
{
    if (k < 0 || k >= liste.size()) return false;
    QStringList neu = liste;
    neu[k] = name;
    if (!SpielelisteSchreiben(ordner, neu, fehler)) return false;
    liste = neu;
    return true;
}

bool SpieleintragLoeschen(const QString& ordner, QStringList& liste, int k, QString* fehler)
{
    if (k < 0 || k >= liste.size()) return false;
    QStringList neu = liste;
    neu.removeAt(k);
    if (!SpielelisteSchreiben(ordner, neu, fehler)) return false;

    // A failure below puts the old list back: every entry keeps its file.
    const QString datei = SpielDatei(ordner, k);
    if (QFileInfo::exists(datei)) {
        QFile f(datei);
        if (!f.remove()) {
            if (fehler)
                *fehler = QStringLiteral("„%1“ konnte nicht gelöscht werden (%2). Die Liste bleibt unverändert.")
                              .arg(Eintragsname(k), f.errorString());
            SpielelisteSchreiben(ordner, liste, nullptr);
            return false;
        }
    }
    Umbenennungen u(ordner);
    for (int j = k; j < neu.size(); ++j)
        if (!u.umbenennen(Eintragsname(j + 1), Eintragsname(j), fehler)) {
            u.zuruecknehmen();
            SpielelisteSchreiben(ordner, liste, nullptr);
            return false;
        }
    liste = neu;
    return true;
}

bool SpieleintraegeAlleLoeschen(const QString& ordner, QStringList& liste, QString* fehler)
{
    if (!SpielelisteSchreiben(ordner, QStringList(), fehler)) return false;
    liste.clear();
    return true;
}

bool SpielelisteSortieren(const QString& ordner, QStringList& liste, QString* fehler, QString* hinweis)
{
    if (hinweis) hinweis->clear();
    const int n = int(liste.size());
    std::vector<QByteArray> bytes;
    bytes.reserve(n);
    for (const QString& s : liste) bytes.push_back(Cp1252::encode(s));
    // sortierfolge[i]: the old position of the entry that comes to i.
    std::vector<int> sortierfolge(n);
    std::iota(sortierfolge.begin(), sortierfolge.end(), 0);
    std::stable_sort(sortierfolge.begin(), sortierfolge.end(), [&](int a, int b) { return bytes[a] < bytes[b]; });

    QStringList neu;
    neu.reserve(n);
    for (int alt : sortierfolge) neu.append(liste[alt]);

    if (!SicherungenBeiseitelegen(ordner, n, fehler, hinweis)) return false;
    Umbenennungen u(ordner);
    bool ok = true;
    for (int i = 0; ok && i < n; ++i) ok = u.umbenennen(Eintragsname(i), Sicherungsname(i), fehler);
    for (int i = 0; ok && i < n; ++i) ok = u.umbenennen(Sicherungsname(sortierfolge[i]), Eintragsname(i), fehler);
    if (ok) ok = SpielelisteSchreiben(ordner, neu, fehler);
    if (!ok) {
        u.zuruecknehmen();
        return false;
    }
    liste = neu;
    return true;
}
