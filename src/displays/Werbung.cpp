#include "displays/Werbung.h"

#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

namespace {

QString Feld(const QStringList& felder, int i) { return i < felder.size() ? felder.at(i) : QString(); }

u16 Maskenzahl(const QString& feld)
{
    const i32 wert = Werbezahl(feld);
    return wert <= 0xFFFF ? static_cast<u16>(wert) : 0;
}

TWerbeeintrag Eintrag(const QStringList& felder, int erstes)
{
    return {Feld(felder, erstes), Maskenzahl(Feld(felder, erstes + 1)), Werbezahl(Feld(felder, erstes + 2)),
            Werbezahl(Feld(felder, erstes + 3))};
}

QString Zahlen(const TWerbeeintrag& e)
{
    return QStringLiteral("%1;%2;%3").arg(e.Maske).arg(e.Werbezeit).arg(e.Werbeabstand);
}

QString Datenpfad(const QString& name) { return QDir(Datenverzeichnis).filePath(name); }

QString Konfigurationsname(const QString& prefix, int n)
{
    return prefix + QString::number(n) + QStringLiteral(".dat");
}

// The configuration file n when it exists, else empty.
QString VorhandeneKonfiguration(const QString& prefix, int n)
{
    const QString pfad = WerbekonfigurationDatei(prefix, n);
    return QFileInfo(pfad).isFile() ? pfad : QString();
}

// Renames that are taken back in reverse order when a later step fails.
class Umbenennungen {
public:
    bool umbenennen(const QString& von, const QString& nach, QString* fehler)
    {
        if (!QFileInfo::exists(nach) && QFile::rename(von, nach)) {
            m_erledigt.emplace_back(von, nach);
            return true;
        }
        if (fehler)
            *fehler = QStringLiteral("„%1“ konnte nicht in „%2“ umbenannt werden.")
                          .arg(QDir::toNativeSeparators(von), QFileInfo(nach).fileName());
        return false;
    }
    void rueckgaengig()
    {
        for (auto it = m_erledigt.rbegin(); it != m_erledigt.rend(); ++it) QFile::rename(it->second, it->first);
        m_erledigt.clear();
    }

private:
    std::vector<std::pair<QString, QString>> m_erledigt;
};

void Schreiben(const std::vector<Auswahlknoten>& knoten, int level, QStringList& zeilen)
{
    for (const Auswahlknoten& k : knoten) {
        if (k.ordner)
            zeilen.append(QStringLiteral("Verzeichnis;%1;%2").arg(level).arg(k.Text));
        else if (k.eintrag)
            zeilen.append(QStringLiteral("Datei;%1;%2;%3;%4").arg(level).arg(k.Text, k.eintrag->Datei, Zahlen(*k.eintrag)));
        else
            continue;  // a file that is missing goes with what hangs below it
        Schreiben(k.kinder, level + 1, zeilen);
    }
}

}  // namespace

QString WerbedateiPfad(const QString& datei)
{
    if (datei.isEmpty() || QFileInfo::exists(datei)) return datei;
    QString pfad = datei;
    pfad.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (pfad.size() >= 2 && pfad.at(1) == QLatin1Char(':') && pfad.at(0).isLetter()) pfad.remove(0, 2);
    return QFileInfo::exists(pfad) ? pfad : datei;
}

bool WerbedateiVorhanden(const QString& datei)
{
    return !datei.isEmpty() && QFileInfo(WerbedateiPfad(datei)).isFile();
}

i32 Werbezahl(const QString& feld)
{
    const QString text = feld.trimmed();
    if (text.isEmpty()) return 0;
    qint64 wert = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return 0;
        wert = wert * 10 + (c.unicode() - '0');
        if (wert > std::numeric_limits<i32>::max()) return 0;
    }
    return static_cast<i32>(wert);
}

QStringList WerbekonfigurationenLesen(const QString& prefix)
{
    return TextdateiLesen(DateiImOrdner(Datenverzeichnis, prefix + QStringLiteral(".inf"))).value_or(QStringList());
}

bool WerbekonfigurationenSchreiben(const QString& prefix, const QStringList& namen, QString* fehler)
{
    return TextdateiSchreiben(DateiImOrdner(Datenverzeichnis, prefix + QStringLiteral(".inf")), namen, fehler);
}

QString WerbekonfigurationDatei(const QString& prefix, int n)
{
    return DateiImOrdner(Datenverzeichnis, Konfigurationsname(prefix, n));
}

std::optional<std::pair<QString, TWerbeeintrag>> WerbezeileLesen(const QString& zeile)
{
    const QStringList felder = zeile.split(QLatin1Char(';'));
    if (felder.size() < 2) return std::nullopt;
    return std::pair(felder.at(0), Eintrag(felder, 1));
}

QString WerbezeileText(const QString& bezeichnung, const TWerbeeintrag& e)
{
    return QStringLiteral("%1;%2;%3").arg(bezeichnung, e.Datei, Zahlen(e));
}

std::vector<Werbezeile> WerbekonfigurationLaden(const QString& prefix, int n)
{
    std::vector<Werbezeile> zeilen;
    if (n < 0) return zeilen;
    const QStringList text = TextdateiLesen(WerbekonfigurationDatei(prefix, n)).value_or(QStringList());
    for (const QString& zeile : text) {
        auto gelesen = WerbezeileLesen(zeile);
        if (gelesen && WerbedateiVorhanden(gelesen->second.Datei))
            zeilen.push_back({gelesen->first, std::move(gelesen->second)});
        else
            zeilen.push_back({QString::fromUtf8(DateiNichtVorhanden), std::nullopt});
    }
    return zeilen;
}

bool WerbekonfigurationSpeichern(const QString& prefix, int n, const std::vector<Werbezeile>& zeilen,
                                 QString* fehler)
{
    QStringList text;
    for (const Werbezeile& z : zeilen)
        if (z.eintrag) text.append(WerbezeileText(z.Bezeichnung, *z.eintrag));
    return TextdateiSchreiben(WerbekonfigurationDatei(prefix, n), text, fehler);
}

int WerbekonfigurationEinfuegen(const QString& prefix, QStringList& namen, int nach, const QString& name,
                                QString* fehler)
{
    if (!name.isEmpty() && namen.contains(name)) {
        if (fehler) *fehler = QStringLiteral("Der Eintrag ist bereits vorhanden !");
        return -1;
    }
    const int anzahl = static_cast<int>(namen.size());
    if (anzahl == 0 || nach >= anzahl - 1) {
        namen.append(name);
        return anzahl;
    }
    const int neu = nach < 0 ? 0 : nach + 1;
    Umbenennungen u;
    for (int k = anzahl; k >= neu; --k) {
        const QString datei = VorhandeneKonfiguration(prefix, k);
        if (datei.isEmpty()) continue;
        if (!u.umbenennen(datei, Datenpfad(Konfigurationsname(prefix, k + 1)), fehler)) {
            u.rueckgaengig();
            return -1;
        }
    }
    namen.insert(neu, name);
    return neu;
}

bool WerbekonfigurationLoeschen(const QString& prefix, QStringList& namen, int n, QString* fehler)
{
    const int anzahl = static_cast<int>(namen.size());
    if (n < 0 || n >= anzahl) {
        if (fehler) *fehler = QStringLiteral("Die Konfiguration %1 gibt es nicht.").arg(n);
        return false;
    }
    Umbenennungen u;
    // The file is put aside first, so that a failure later can bring it back.
    QString beiseite;
    if (const QString datei = VorhandeneKonfiguration(prefix, n); !datei.isEmpty()) {
        for (int i = 0; beiseite.isEmpty() || QFileInfo::exists(beiseite); ++i)
            beiseite = datei + QStringLiteral("~%1").arg(i);
        if (!u.umbenennen(datei, beiseite, fehler)) return false;
    }
    for (int k = n + 1; k < anzahl; ++k) {
        const QString datei = VorhandeneKonfiguration(prefix, k);
        if (datei.isEmpty()) continue;
        if (!u.umbenennen(datei, Datenpfad(Konfigurationsname(prefix, k - 1)), fehler)) {
            u.rueckgaengig();
            return false;
        }
    }
    const QString name = namen.takeAt(n);
    if (!WerbekonfigurationenSchreiben(prefix, namen, fehler)) {
        namen.insert(n, name);
        u.rueckgaengig();
        return false;
    }
    if (!beiseite.isEmpty()) QFile::remove(beiseite);
    return true;
}

std::vector<Auswahlknoten> AuswahlLaden(const QString& prefix)
{
    std::vector<Auswahlknoten> baum;
    const QStringList text =
        TextdateiLesen(DateiImOrdner(Datenverzeichnis, QStringLiteral("Auswahl_") + prefix + QStringLiteral(".dat")))
            .value_or(QStringList());
    // From the top down to the node added last: each node with its level as written.
    std::vector<std::pair<i32, Auswahlknoten*>> kette;
    for (const QString& zeile : text) {
        const QStringList felder = zeile.split(QLatin1Char(';'));
        Auswahlknoten knoten;
        knoten.Text = Feld(felder, 2);
        if (felder.at(0) == QLatin1String("Verzeichnis")) {
            knoten.ordner = true;
        } else {
            TWerbeeintrag e = Eintrag(felder, 3);
            if (!WerbedateiVorhanden(e.Datei)) continue;
            knoten.eintrag = std::move(e);
        }
        const i32 level = Werbezahl(Feld(felder, 1));
        while (!kette.empty() && kette.back().first >= level) kette.pop_back();
        std::vector<Auswahlknoten>& geschwister = kette.empty() ? baum : kette.back().second->kinder;
        geschwister.push_back(std::move(knoten));
        kette.emplace_back(level, &geschwister.back());
    }
    return baum;
}

bool AuswahlSpeichern(const QString& prefix, const std::vector<Auswahlknoten>& baum, QString* fehler)
{
    QStringList zeilen;
    Schreiben(baum, 0, zeilen);
    return TextdateiSchreiben(
        DateiImOrdner(Datenverzeichnis, QStringLiteral("Auswahl_") + prefix + QStringLiteral(".dat")), zeilen, fehler);
}
