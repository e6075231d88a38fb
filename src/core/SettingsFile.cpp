#include "core/SettingsFile.h"

#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/TextFunctions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <sys/stat.h>

// --- Text files ---------------------------------------------------------------

std::optional<QStringList> TextdateiLesen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray daten = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = daten.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = daten.at(i);
        if (c != '\r' && c != '\n') continue;
        zeilen.append(Cp1252::decode(daten.constData() + anfang, i - anfang));
        if (c == '\r' && i + 1 < n && daten.at(i + 1) == '\n') ++i;
        anfang = i + 1;
    }
    if (anfang < n) zeilen.append(Cp1252::decode(daten.constData() + anfang, n - anfang));
    return zeilen;
}

namespace {

// Why the file could not be written, in the operator's words: by what is in
// its place, the system's error number (Qt reports a write that fails while
// it empties its buffer as "Unknown error"), else Qt's kind of error.
QString Schreibgrund(int nummer, const QFileDevice& f)
{
    const QFileInfo datei(f.fileName());
    if (datei.isDir()) return QStringLiteral("an ihrer Stelle steht ein Ordner");
    if (datei.exists() && !datei.isWritable()) return QStringLiteral("die Datei ist schreibgeschützt");
    switch (nummer) {
    case EACCES:
    case EPERM: return QStringLiteral("keine Schreibberechtigung");
    case EROFS: return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return QStringLiteral("kein Speicherplatz mehr frei");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("der Ordner fehlt");
    case EIO: return QStringLiteral("Ein-/Ausgabefehler des Datenträgers");
    default: break;
    }
    switch (f.error()) {
    case QFileDevice::OpenError: return QStringLiteral("die Datei lässt sich nicht anlegen");
    case QFileDevice::RenameError: return QStringLiteral("die bisherige Datei lässt sich nicht ersetzen");
    case QFileDevice::PermissionsError: return QStringLiteral("keine Schreibberechtigung");
    case QFileDevice::ResourceError: return QStringLiteral("zu wenig Systemmittel frei");
    default: return nummer ? QStringLiteral("Systemfehler %1").arg(nummer) : QStringLiteral("unbekannter Fehler");
    }
}

// A failed save leaves the file as it was: said where there is one.
QString Speicherfehler(const QString& pfad, const QString& grund)
{
    return QStringLiteral("„%1“ konnte nicht gespeichert werden (%2).%3")
        .arg(QDir::toNativeSeparators(pfad), grund,
             QFileInfo(pfad).isFile() ? QStringLiteral(" Die bisherige Datei bleibt unverändert.") : QString());
}

constexpr char Verlustmarke[] = "Zeichenverlust";

// The key of a "key = value" line; empty for any other line.
QString ZeilenKey(const QString& zeile)
{
    if (zeile.startsWith(QLatin1Char('['))) return {};
    const KeyWert kw = SchluesselWert(zeile);
    const QStringView trenner = QStringView(zeile).mid(kw.key.size(), zeile.size() - kw.key.size() - kw.wert.size());
    return trenner.contains(QLatin1Char('=')) ? kw.key : QString();
}

// The lines as the file can hold them: a line with a character Windows-1252
// lacks gives way to what the file at `pfad` held for it (a key's last line,
// else the line at its place) or is left out. *verlust names each such line
// and its characters.
QStringList HaltbareZeilen(const QString& pfad, const QStringList& zeilen, QStringList* verlust)
{
    QStringList aus;
    std::optional<QStringList> alt;
    QHash<QString, QString> altKeys;  // the old file's last line of each key, by its key in lower case
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen.at(i);
        QStringList fremd = Cp1252::fremdeZeichen(z);
        if (fremd.isEmpty()) {
            aus << z;
            continue;
        }
        if (!alt) {
            alt = TextdateiLesen(pfad).value_or(QStringList());
            for (const QString& a : std::as_const(*alt))
                if (const QString k = ZeilenKey(a); !k.isEmpty()) altKeys.insert(k.toLower(), a);
        }
        const QString key = ZeilenKey(z);
        fremd.removeDuplicates();
        *verlust << (key.isEmpty() ? QStringLiteral("Zeile %1").arg(i + 1) : key) +
                        QStringLiteral(": „%1“").arg(fremd.join(QStringLiteral("“, „")));
        if (key.isEmpty()) {
            if (i < alt->size()) aus << alt->at(i);
        } else if (const auto a = altKeys.constFind(key.toLower()); a != altKeys.cend()) {
            aus << *a;
        }
    }
    return aus;
}

// What the writer left out, until it is told; see ZeichenverlusteZeigen.
struct Verluste {
    std::mutex mx;
    QStringList offen;
    QSet<QString> gesagt;  // told from a worker
    bool geplant = false;
};
Verluste& verluste()
{
    static Verluste v;
    return v;
}

void VerlustMelden(const QString& text)
{
    Verluste& v = verluste();
    QCoreApplication* app = QCoreApplication::instance();
    std::lock_guard sperre(v.mx);
    // An export repeats with every throw: a worker's loss is told once.
    if (app && QThread::currentThread() != app->thread()) {
        if (v.gesagt.contains(text)) return;
        v.gesagt.insert(text);
    }
    if (!v.offen.contains(text)) v.offen << text;
    if (v.geplant || !app) return;
    v.geplant = true;
    QMetaObject::invokeMethod(app, &ZeichenverlusteZeigen, Qt::QueuedConnection);
}

}  // namespace

void ZeichenverlusteZeigen()
{
    Verluste& v = verluste();
    for (;;) {
        QStringList texte;
        {
            std::lock_guard sperre(v.mx);
            texte.swap(v.offen);
            // More that come while the box is open are told after it.
            v.geplant = !texte.isEmpty();
        }
        if (texte.isEmpty()) return;
        boxen().hinweis(texte.join(QStringLiteral("\n\n")));
    }
}

void ZeichenverlusteVergessen()
{
    Verluste& v = verluste();
    std::lock_guard sperre(v.mx);
    v.offen.clear();
    v.gesagt.clear();
}

bool TextdateiVorbereiten(QSaveFile& f, const QStringList& zeilen, QString* grund, bool nurEigentuemer)
{
    QStringList verlust;
    QByteArray daten;
    for (const QString& z : HaltbareZeilen(f.fileName(), zeilen, &verlust)) {
        daten += Cp1252::encode(z);
        daten += "\r\n";
    }
    // Told once the file is saved.
    f.setProperty(Verlustmarke, verlust.isEmpty()
                                    ? QVariant()
                                    : QVariant(QStringLiteral("Nicht gespeichert in „%1“, weil die Datei diese Zeichen "
                                                              "nicht darstellen kann (sie behält ihren bisherigen Eintrag):\n")
                                                   .arg(QDir::toNativeSeparators(f.fileName())) +
                                               verlust.join(QLatin1Char('\n'))));
    return DateiVorbereiten(f, daten, grund, nurEigentuemer);
}

bool DateiVorbereiten(QSaveFile& f, const QByteArray& daten, QString* grund, bool nurEigentuemer)
{
    errno = 0;
    bool ok = f.open(QIODevice::WriteOnly);
    int nummer = errno;
    // On the temporary file, which the rename makes the file. A file system
    // without Unix rights (FAT) refuses them and governs access by its mount:
    // the file is written all the same.
    if (ok && nurEigentuemer) ::fchmod(f.handle(), S_IRUSR | S_IWUSR);
    // commit() does not see a write that fails while it flushes the buffer:
    // every byte must have reached the temporary file before the rename.
    if (ok) {
        ok = f.write(daten) == daten.size();
        nummer = errno;
    }
    if (ok) {
        ok = f.flush() && f.error() == QFileDevice::NoError;
        nummer = errno;
    }
    if (ok) return true;
    if (grund) *grund = Schreibgrund(nummer, f);
    if (f.isOpen()) f.cancelWriting();
    return false;
}

bool TextdateiAbschliessen(QSaveFile& f, QString* grund)
{
    errno = 0;
    const QString verlust = f.property(Verlustmarke).toString();
    if (f.commit()) {
        if (!verlust.isEmpty()) VerlustMelden(verlust);
        return true;
    }
    if (grund) *grund = Schreibgrund(errno, f);
    return false;
}

bool TextdateiSchreiben(const QString& pfad, const QStringList& zeilen, QString* fehler, bool nurEigentuemer)
{
    QSaveFile f(pfad);
    QString grund;
    if (TextdateiVorbereiten(f, zeilen, &grund, nurEigentuemer) && TextdateiAbschliessen(f, &grund)) return true;
    if (fehler) *fehler = Speicherfehler(pfad, grund);
    return false;
}

QString DateiImOrdner(const QString& ordner, const QString& name)
{
    const QDir dir(ordner);
    if (dir.exists(name)) return dir.filePath(name);
    const QStringList eintraege = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& e : eintraege)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return dir.filePath(name);
}

// --- Settings file -------------------------------------------------------------------

EinstellungsdateiZustand einstellungsdateiZustand;
QStringList& InfListe = einstellungsdateiZustand.InfListe;
QString& InfDatei = einstellungsdateiZustand.InfDatei;

namespace {

bool IstTrenner(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('='); }

// Index of the value after the key and the run of blanks and '=' behind it.
qsizetype WertAnfang(const QString& zeile, qsizetype keyEnde)
{
    qsizetype i = keyEnde;
    while (i < zeile.size() && IstTrenner(zeile.at(i))) ++i;
    return i;
}

}  // namespace

KeyWert SchluesselWert(const QString& zeile)
{
    qsizetype ende = 0;
    while (ende < zeile.size() && !IstTrenner(zeile.at(ende))) ++ende;
    if (ende == zeile.size()) return {zeile, QString()};
    return {zeile.left(ende), zeile.mid(WertAnfang(zeile, ende))};
}

QStringList EinstellungenLesen()
{
    QStringList fehler;
    for (qsizetype i = 0; i < InfListe.size(); ++i) {
        const QString& zeile = InfListe.at(i);
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('['))) continue;
        const KeyWert kw = SchluesselWert(zeile);
        const Einstellungsschluessel* s = SchluesselSuchen(kw.key);
        if (!s) continue;
        if (!EinstellungSetzen(*s, kw.wert))
            fehler << QStringLiteral("Bravolin.inf, Zeile %1: „%2“ ist für %3 kein gültiger Wert, es gilt %4.")
                          .arg(i + 1)
                          .arg(kw.wert, s->name, EinstellungText(*s));
    }
    // A central printer without a last lane serves up to the last lane of the alley.
    for (TZentralDrucker& d : Einst.Drucker)
        if (d.DrBahnBis == 0) d.DrBahnBis = BahnAnzahl;
    Einst.GrossAnzeige = Einst.GrossAnzeigeEinstellung;
    return fehler;
}

void ListeSchreiben(QStringList& liste, const QString& sektion, const QString& key, const QString& wert)
{
    const QString neueZeile = key + QStringLiteral(" = ") + wert;
    // The reader takes a key's last line in whatever section: that line is
    // the one to change, so that the value written is the value read.
    for (qsizetype i = liste.size() - 1; i >= 0; --i) {
        const QString& z = liste.at(i);
        if (z.startsWith(QLatin1Char('['))) continue;
        const QString zKey = SchluesselWert(z).key;
        if (zKey.compare(key, Qt::CaseInsensitive) != 0) continue;
        const qsizetype anfang = WertAnfang(z, zKey.size());
        liste[i] = anfang > zKey.size() ? z.left(anfang) + wert : z + QStringLiteral(" = ") + wert;
        return;
    }
    const qsizetype kopf = liste.indexOf(sektion);
    if (kopf < 0) {
        if (!liste.isEmpty()) liste.append(QString());
        liste.append(sektion);
        liste.append(neueZeile);
        return;
    }
    // The section ends before the next line that begins with '['.
    qsizetype ende = kopf + 1;
    while (ende < liste.size() && !liste.at(ende).startsWith(QLatin1Char('['))) ++ende;
    if (ende == liste.size())
        liste.append(neueZeile);
    else if (ende == kopf + 1)
        liste.insert(ende, neueZeile);  // empty section: right after its header
    else
        liste.insert(ende - 1, neueZeile);  // before the blank line that closes the section
}

void InfSchreiben(const QString& sektion, const QString& key, const QString& wert)
{
    ListeSchreiben(InfListe, sektion, key, wert);
}

void EinstellungSchreiben(const Einstellungsschluessel& s) { InfSchreiben(s.sektion, s.name, EinstellungText(s)); }

bool InfDateiSchreiben(QString* fehler)
{
    QStringList zeilen = InfListe;
    zeilen.removeIf([](const QString& z) {
        const KeyWert kw = SchluesselWert(z);
        const QString ordner = AbgeleiteterOrdner(ZeilenKey(z));
        return !ordner.isEmpty() && kw.wert == ordner && !Cp1252::fremdeZeichen(ordner).isEmpty();
    });
    return TextdateiSchreiben(InfDatei, zeilen, fehler, true);
}

bool InfListeSpeichern()
{
    QString fehler;
    if (InfDateiSchreiben(&fehler)) return true;
    boxen().hinweis(fehler);
    return false;
}

// --- Position.inf ---------------------------------------------------------------------

CheckedArray<CheckedArray<TFeldPosition, 0, 19>, 1, 200>& FeldPositionen = einstellungsdateiZustand.FeldPositionen;
QStringList& PositionListe = einstellungsdateiZustand.PositionListe;

bool PositionZeileLesen(const QString& zeile)
{
    if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('['))) return false;
    // A name may hold "(" itself: the numbers stand in the last brackets.
    const qsizetype auf = zeile.lastIndexOf(QLatin1Char('('));
    const qsizetype punkt = auf < 0 ? -1 : zeile.indexOf(QLatin1Char('.'), auf + 1);
    const qsizetype zu = punkt < 0 ? -1 : zeile.indexOf(QLatin1Char(')'), punkt + 1);
    if (zu < 0) return false;
    const auto ziffern = [&zeile](qsizetype von, qsizetype bis, int& zahl) {
        if (bis <= von || bis - von > 3) return false;
        zahl = 0;
        for (qsizetype k = von; k < bis; ++k) {
            const QChar c = zeile.at(k);
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
            zahl = zahl * 10 + (c.unicode() - '0');
        }
        return true;
    };
    int i = 0, j = 0;
    if (!ziffern(auf + 1, punkt, i) || !ziffern(punkt + 1, zu, j)) return false;
    if (!FeldPositionen.contains(i) || !FeldPositionen[1].contains(j)) return false;

    // Only blanks and "=" between the key and the value.
    const QStringList teile = zeile.mid(WertAnfang(zeile, zu + 1)).split(QLatin1Char(','));
    if (teile.size() != 3) return false;
    i32 werte[3];
    for (int k = 0; k < 3; ++k) {
        bool ok = false;
        werte[k] = teile.at(k).trimmed().toInt(&ok);
        if (!ok) return false;
    }
    FeldPositionen[i][j] = {1, werte[0], werte[1], werte[2]};
    return true;
}

namespace {
QString OhneBlanks(QString s) { return s.replace(QLatin1Char(' '), QLatin1Char('_')); }
}  // namespace

void PositionSchreiben(const QString& sektion, const QString& key, const QString& wert)
{
    const QString k = OhneBlanks(key);
    const auto istKey = [&k](const QString& z) {
        return z.startsWith(k, Qt::CaseInsensitive) && (z.size() == k.size() || IstTrenner(z.at(k.size())));
    };
    qsizetype kopf = 0;
    while (kopf < PositionListe.size() && PositionListe.at(kopf).trimmed().compare(sektion, Qt::CaseInsensitive) != 0)
        ++kopf;
    if (kopf == PositionListe.size()) {
        PositionListe << sektion << k + QStringLiteral(" = ") + wert;
        return;
    }
    // The section ends before the next line that begins with "["; a new
    // line goes after its last line that is not blank.
    qsizetype letzte = kopf;
    for (qsizetype i = kopf + 1; i < PositionListe.size() && !PositionListe.at(i).startsWith(QLatin1Char('[')); ++i) {
        const QString& z = PositionListe.at(i);
        if (istKey(z)) {
            const qsizetype anfang = WertAnfang(z, k.size());
            PositionListe[i] = anfang > k.size() ? z.left(anfang) + wert : z + QStringLiteral(" = ") + wert;
            return;
        }
        if (!z.trimmed().isEmpty()) letzte = i;
    }
    PositionListe.insert(letzte + 1, k + QStringLiteral(" = ") + wert);
}

// Every line of exactly that key: a key that merely begins the same way
// ("Trainer(2.1" of "Trainer(2.10)") is another field's.
void PositionLoeschen(const QString& name)
{
    const QString n = OhneBlanks(name);
    PositionListe.removeIf([&n](const QString& z) {
        return !z.startsWith(QLatin1Char('[')) && z.startsWith(n, Qt::CaseInsensitive) &&
               (z.size() == n.size() || IstTrenner(z.at(n.size())));
    });
}

// --- Folders and lists ---------------------------------------------------------------

QString& Startverzeichnis = einstellungsdateiZustand.Startverzeichnis;
QString& Programmverzeichnis = einstellungsdateiZustand.Programmverzeichnis;
QString& BitmapVerzeichnis = einstellungsdateiZustand.BitmapVerzeichnis;
QString& Datenverzeichnis = einstellungsdateiZustand.Datenverzeichnis;
QString& Hilfeverzeichnis = einstellungsdateiZustand.Hilfeverzeichnis;
QString& BravolinWav = einstellungsdateiZustand.BravolinWav;
QString& ClickWav = einstellungsdateiZustand.ClickWav;
QString& TastWav = einstellungsdateiZustand.TastWav;
QString& FrageWav = einstellungsdateiZustand.FrageWav;
QString& ErrorWav = einstellungsdateiZustand.ErrorWav;
QStringList& EmailAnListe = einstellungsdateiZustand.EmailAnListe;
QStringList& GruppeListe = einstellungsdateiZustand.GruppeListe;
QStringList& KlasseListe = einstellungsdateiZustand.KlasseListe;
QStringList& FormularNamen = einstellungsdateiZustand.FormularNamen;
QStringList& FormularDateien = einstellungsdateiZustand.FormularDateien;

void EinstellungsdateiZustand::zuruecksetzen()
{
    InfListe.clear();
    PositionListe.clear();
    for (auto& zeile : FeldPositionen) zeile.fill(TFeldPosition{});
    for (QStringList* l : {&EmailAnListe, &GruppeListe, &KlasseListe, &FormularNamen, &FormularDateien}) l->clear();
    ZeichenverlusteVergessen();
}

QString AbgeleiteterOrdner(QStringView key)
{
    if (key.compare(u"WettkDir", Qt::CaseInsensitive) == 0)
        return QDir(Programmverzeichnis).absoluteFilePath(QStringLiteral("Spiele"));
    if (key.compare(u"SpielerDir", Qt::CaseInsensitive) == 0) return Datenverzeichnis;
    return {};
}

void OrdnerSetzen(const QString& programmordner)
{
    const QDir p(programmordner);
    Startverzeichnis = Programmverzeichnis = p.absolutePath();
    BitmapVerzeichnis = p.absoluteFilePath(QStringLiteral("Bitmaps"));
    Datenverzeichnis = p.absoluteFilePath(QStringLiteral("Daten"));
    Hilfeverzeichnis = p.absoluteFilePath(QStringLiteral("Hilfe"));
    InfDatei = DateiImOrdner(Programmverzeichnis, QStringLiteral("Bravolin.inf"));
    BravolinWav = p.absoluteFilePath(QStringLiteral("Bravolin.wav"));
    ClickWav = p.absoluteFilePath(QStringLiteral("Click.wav"));
    TastWav = p.absoluteFilePath(QStringLiteral("Tast.wav"));
    FrageWav = p.absoluteFilePath(QStringLiteral("Frage.wav"));
    ErrorWav = p.absoluteFilePath(QStringLiteral("Error.wav"));
}

QStringList EinstellungenLaden(const QString& programmordner)
{
    OrdnerSetzen(programmordner);
    EinstellungenVorbelegen();
    Einst.Spieleverzeichnis = AbgeleiteterOrdner(u"WettkDir");
    Einst.DatenbankPfad = AbgeleiteterOrdner(u"SpielerDir");
    for (auto& zeile : FeldPositionen)
        for (TFeldPosition& p : zeile) p = {};

    InfListe = TextdateiLesen(InfDatei).value_or(QStringList());
    PositionListe = TextdateiLesen(DateiImOrdner(Programmverzeichnis, QStringLiteral("Position.inf")))
                        .value_or(QStringList());

    QStringList fehler = EinstellungenLesen();
    for (const QString& zeile : std::as_const(PositionListe)) PositionZeileLesen(zeile);

    Spielordner = Einst.Spieleverzeichnis;
    const std::pair<QStringList*, const char*> listen[] = {
        {&FormularNamen, "Formular.inf"}, {&FormularDateien, "FormularDatei.inf"}, {&WurfvorwListe, "Wurfvorw.inf"},
        {&EmailAnListe, "EmailAn.inf"},   {&GruppeListe, "Gruppe.inf"},          {&KlasseListe, "Klasse.inf"},
    };
    for (const auto& [liste, name] : listen)
        *liste = TextdateiLesen(DateiImOrdner(Datenverzeichnis, QLatin1String(name))).value_or(QStringList());
    return fehler;
}
