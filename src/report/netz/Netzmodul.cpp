#include "report/netz/Netzmodul.h"

#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "report/projekte/Berichtsprojekte.h"
#include "report/netz/Livedateien.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <condition_variable>
#include <curl/curl.h>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<int> g_aktiv{0};

}  // namespace

// --- The module -------------------------------------------------------------------------

struct Netzmodul::Zustand {
    std::mutex mx;
    std::condition_variable cv;
    Empfaenger* empfaenger = nullptr;  // null once the module is gone
    int threads = 0;
    std::atomic<bool> abbrechen{false};
    // The live files of the data folder: one is written at a time, and a
    // snapshot that a newer one of the same file follows is not written.
    std::mutex schreiben;
    QHash<QString, quint64> neuesterStand;  // under mx
    quint64 stand = 0;
};

// Lives on the UI thread: the waiting callbacks and the status texts.
class Netzmodul::Empfaenger : public QObject {
public:
    Empfaenger(std::function<void(const QString&)> status, std::function<void(quint64, const Mailauftrag&)> neu)
        : m_status(std::move(status)), m_neuStarten(std::move(neu))
    {
    }

    quint64 anmelden(MailFertig fertig)
    {
        m_offen.insert(++m_letzte, std::move(fertig));
        return m_letzte;
    }
    quint64 anmelden(SeiteFertig fertig)
    {
        m_seiten.insert(++m_letzte, std::move(fertig));
        return m_letzte;
    }
    void status(const QString& text) { m_status(text); }
    int offen() const { return int(m_offen.size()); }
    // `f` on the UI thread while the module lives.
    void spaeter(std::function<void()> f) { QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection); }
    int offeneSeiten() const { return int(m_seiten.size()); }
    void seiteSpaeterBeenden(quint64 id, bool ok, const QByteArray& seite, const QString& fehler)
    {
        QMetaObject::invokeMethod(
            this,
            [this, id, ok, seite, fehler] {
                if (const SeiteFertig fertig = m_seiten.take(id)) fertig(ok, seite, fehler);
            },
            Qt::QueuedConnection);
    }
    void spaeterBeenden(quint64 id, bool ok, const QString& fehler)
    {
        QMetaObject::invokeMethod(this, [this, id, ok, fehler] { beenden(id, ok, fehler); }, Qt::QueuedConnection);
    }
    // The end of a transfer: a certificate refused is put to the operator,
    // and the mail goes again when he trusts it.
    void spaeterBeenden(quint64 id, const Mailauftrag& m, const Mailfehler& f)
    {
        QMetaObject::invokeMethod(
            this,
            [this, id, m, f] {
                if (f.zertifikat.gesetzt() && m_offen.contains(id)) {
                    const QPointer<Empfaenger> lebt(this);
                    const bool vertraut = ZertifikatFragen(MailServer(m), MailServerWer(m), f.zertifikat, false);
                    if (!lebt) return;
                    if (vertraut) {
                        m_neuStarten(id, m);
                        return;
                    }
                }
                beenden(id, f.code == CURLE_OK, MailFehlerText(m, f));
            },
            Qt::QueuedConnection);
    }

private:
    void beenden(quint64 id, bool ok, const QString& fehler)
    {
        const MailFertig fertig = m_offen.take(id);
        m_status(ok ? MailVersendetText : fehler);
        if (fertig) fertig(ok, fehler);
    }

    std::function<void(const QString&)> m_status;
    std::function<void(quint64, const Mailauftrag&)> m_neuStarten;
    QHash<quint64, MailFertig> m_offen;
    QHash<quint64, SeiteFertig> m_seiten;
    quint64 m_letzte = 0;
};

Netzmodul::Netzmodul(std::function<void(const QString&)> status)
    : m_zustand(std::make_shared<Zustand>()),
      m_nachrichten(std::make_unique<Nachrichtenversand>()),
      m_zeit(std::make_unique<Zeitabgleich>(LinuxSystemuhr()))
{
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    if (!status) status = [](const QString& text) { fenster().statusText(0, text); };
    m_status = status;
    m_empfaenger = new Empfaenger(std::move(status), [this](quint64 id, const Mailauftrag& m) { mailStarten(id, m); });
    m_zustand->empfaenger = m_empfaenger;
    m_timerFtp.setJob([this] { TimerFtpGo(); });
}

Netzmodul::~Netzmodul()
{
    m_timerFtp.setEnabled(false);
    ftpBeenden();
    {
        std::unique_lock sperre(m_zustand->mx);
        m_zustand->abbrechen = true;
        m_zustand->empfaenger = nullptr;
        // A connected transfer ends within one poll once its socket is shut
        // down; one still connecting keeps its own share of the state and
        // ends by its time-out.
        m_zustand->cv.wait_for(sperre, std::chrono::seconds(3), [this] { return m_zustand->threads == 0; });
    }
    delete m_empfaenger;  // drops the reports still queued for it
}

void Netzmodul::mailSenden(const Mailauftrag& mail, MailFertig fertig)
{
    const quint64 id = m_empfaenger->anmelden(std::move(fertig));
    if (const QString grund = MailauftragPruefen(mail); !grund.isEmpty()) {
        m_empfaenger->spaeterBeenden(id, false, grund);
        return;
    }
    m_empfaenger->status(MailWartenText);
    mailStarten(id, mail);
}

void Netzmodul::mailStarten(quint64 id, const Mailauftrag& mail)
{
    const QByteArray vertraut = VertrautesZertifikat(MailServer(mail));
    const bool gestartet = imHintergrund([zustand = m_zustand, mail, grenzen = m_zeitlimits, id, vertraut] {
        const Mailfehler f = MailUebertragen(mail, grenzen, zustand->abbrechen, vertraut);
        return std::function<void(Empfaenger&)>([id, mail, f](Empfaenger& e) { e.spaeterBeenden(id, mail, f); });
    });
    if (!gestartet) m_empfaenger->spaeterBeenden(id, false, QStringLiteral("Der Versand kann nicht gestartet werden !"));
}

void Netzmodul::seiteHolen(const QString& adresse, SeiteFertig fertig)
{
    const quint64 id = m_empfaenger->anmelden(std::move(fertig));
    const bool gestartet = imHintergrund([zustand = m_zustand, adresse, grenzen = m_seitenzeitlimits, id] {
        const Seitenergebnis e = SeiteAbrufen(adresse, grenzen, zustand->abbrechen);
        const QString fehler = SeitenFehlerText(adresse, e);
        const bool ok = fehler.isEmpty();
        return std::function<void(Empfaenger&)>([id, ok, fehler, seite = ok ? e.seite : QByteArray()](Empfaenger& m) {
            m.seiteSpaeterBeenden(id, ok, seite, fehler);
        });
    });
    if (!gestartet)
        m_empfaenger->seiteSpaeterBeenden(id, false, {}, QStringLiteral("Der Abruf kann nicht gestartet werden !"));
}

int Netzmodul::laufendeAbrufe() const { return m_empfaenger->offeneSeiten(); }

bool Netzmodul::imHintergrund(std::function<std::function<void(Empfaenger&)>()> arbeit)
{
    {
        std::lock_guard sperre(m_zustand->mx);
        ++m_zustand->threads;
    }
    ++g_aktiv;
    try {
        std::thread([zustand = m_zustand, arbeit = std::move(arbeit)] {
            const std::function<void(Empfaenger&)> bericht = arbeit();
            std::lock_guard sperre(zustand->mx);
            if (zustand->empfaenger) bericht(*zustand->empfaenger);
            --zustand->threads;
            --g_aktiv;
            zustand->cv.notify_all();
        }).detach();
        return true;
    } catch (const std::system_error&) {
        {
            std::lock_guard sperre(m_zustand->mx);
            --m_zustand->threads;
        }
        --g_aktiv;
        return false;
    }
}

int Netzmodul::laufendeMails() const { return m_empfaenger->offen(); }

int Netzmodul::aktiveUebertragungen() { return g_aktiv.load(); }

void Netzmodul::setZertifikate(const QString& pemDatei) { ZertifikateSetzen(pemDatei); }

void Netzmodul::nachrichtSenden(const QString& host, const QByteArray& sender, const QByteArray& text)
{
    m_nachrichten->senden(host, sender, text);
}

// --- FTP ---------------------------------------------------------------------------------

namespace {

std::function<void(const QString&)> g_ftpStatusZiel;

}  // namespace

QString FtpErfolgText(int art)
{
    static const char* const vorgaenge[] = {
        "ChangeDir", "MakeDir", "Delete", "RemoveDir", "List", "Rename", "UploadRestore", "DownloadRestore",
        "Download", "Upload", "UploadAppend", "ReInit", "Allocate", "NList", "DoCommand",
    };
    if (art < 0 || art >= int(std::size(vorgaenge))) return {};
    return QString::fromLatin1(vorgaenge[art]) + QStringLiteral(" erfogreich ausgeführt");
}

int FtpErfolgsart(Ftpsitzung::Vorgang v)
{
    switch (v) {
    case Ftpsitzung::Vorgang::Hochladen: return 9;
    case Ftpsitzung::Vorgang::Herunterladen: return 8;
    case Ftpsitzung::Vorgang::Auflisten: return 4;
    case Ftpsitzung::Vorgang::OrdnerAnlegen: return 1;
    case Ftpsitzung::Vorgang::Loeschen: return 2;
    case Ftpsitzung::Vorgang::Umbenennen: return 5;
    case Ftpsitzung::Vorgang::Verbinden:
    case Ftpsitzung::Vorgang::Trennen: break;
    }
    return -1;
}

QString FtpVerbindungsfehlerText(const QString& fehler, const QString& antwort, const FtpZugang& zugang)
{
    // A 530 may also refuse AUTH TLS (a server that no longer offers it),
    // which the session's own text names.
    const QString keine = FtpKeineVerbindungText(zugang);
    if (!fehler.isEmpty() && fehler != keine) return fehler;
    if (antwort.trimmed().startsWith(QStringLiteral("530"))) return FtpAnmeldungFalschText;
    return keine;
}

QString FtpUebersprungenText(int anzahl)
{
    if (anzahl <= 0) return {};
    if (anzahl == 1) return QStringLiteral("1 veralteter Live-Stand nicht gesendet");
    return QStringLiteral("%1 veraltete Live-Stände nicht gesendet").arg(anzahl);
}

void FtpStatusZiel(std::function<void(const QString&)> ziel) { g_ftpStatusZiel = std::move(ziel); }

void FtpStatus(const QString& text)
{
    if (g_ftpStatusZiel)
        g_ftpStatusZiel(text);
    else
        fenster().statusText(0, text);
}

Liveupload LiveuploadErstellen(const TWettkampfDaten& w, bool javaScript, i32 intervall, int formular)
{
    if (formular >= ErstesProjekt) {
        const QString projekt = ProjektdateiVon(formular);
        if (projekt.isEmpty() || !QFileInfo::exists(projekt))
            return {{}, {}, QStringLiteral("Kein Live-Ergebnis gesendet: die Formulardatei von Formular %1 fehlt !")
                                .arg(formular), {}};
        return {QStringLiteral("Update.htm"), {}, {}, projekt};
    }
    if (javaScript) return {QStringLiteral("Update.js"), UpdateJsZeilen(w, intervall), {}, {}};
    return {QStringLiteral("Update.csv"), UpdateCsvZeilen(w), {}, {}};
}

namespace {

struct Ftpdatei {
    QString lokal;
    QString name;  // on the server
    bool eigene;   // written for this job: removed after it
    std::optional<QByteArray> daten = std::nullopt;  // held in memory instead of a local file
};

// Lines as a text file holds them (Windows-1252, CR LF).
QByteArray Textbytes(const QStringList& zeilen)
{
    QByteArray b;
    for (const QString& z : zeilen) b += Cp1252::encode(z) + "\r\n";
    return b;
}

struct Ftpauftrag {
    FtpZugang zugang;
    FtpOrdner ordner;
    QList<Ftpdatei> dateien;
    NetzFertig fertig;
    QString gesendetText;  // the status line at an end without failures
    bool vonSelbst = false;  // a timed live upload, not the operator's command

    // The same files into the same folder of the same server.
    bool gleichesZiel(const Ftpauftrag& b) const
    {
        const auto namen = [](const Ftpauftrag& a) {
            QStringList n;
            for (const Ftpdatei& d : a.dateien) n << d.name;
            return n;
        };
        return zugang.host.trimmed() == b.zugang.host.trimmed() && zugang.port == b.zugang.port &&
               zugang.kennung == b.zugang.kennung && ordner.teile == b.ordner.teile &&
               ordner.vomWurzelordner == b.ordner.vomWurzelordner && namen(*this) == namen(b);
    }
};

}  // namespace

// One FTP session and its jobs, sent one after the other: connect, the
// uploads, disconnect. The status texts and sounds follow each step. In a
// chain of snapshots (the live results) a job that waits is replaced by a
// newer one for the same target; the replaced ones are counted and shown
// with the status at the end of each job.
class Ftpkette {
public:
    Ftpkette(std::function<void()> lageGeaendert, std::function<void(const QString&)> berichtStatus,
             bool staende)
        : m_lageGeaendert(std::move(lageGeaendert)), m_berichtStatus(std::move(berichtStatus)), m_staende(staende)
    {
        QObject::connect(&m_sitzung, &Ftpsitzung::erledigt, &m_sitzung,
                         [this](Ftpsitzung::Vorgang v, bool ok, const QString& fehler, const QString& antwort,
                                const QStringList&) { erledigt(v, ok, fehler, antwort); });
    }
    ~Ftpkette()
    {
        for (const Ftpauftrag& a : m_warteschlange) dateienEntfernen(a);
        if (m_aktiv) dateienEntfernen(*m_aktiv);
    }

    void einreihen(Ftpauftrag a)
    {
        if (m_staende) {
            for (Ftpauftrag& wartend : m_warteschlange) {
                if (!wartend.gleichesZiel(a)) continue;
                dateienEntfernen(wartend);
                // The newer snapshot keeps the end line asked for the older one.
                if (a.gesendetText.isEmpty()) a.gesendetText = wartend.gesendetText;
                a.vonSelbst = a.vonSelbst && wartend.vonSelbst;
                wartend = std::move(a);
                ++m_uebersprungen;
                return;
            }
        }
        m_warteschlange.push_back(std::move(a));
        naechster();
    }
    int offen() const { return int(m_warteschlange.size()) + (m_aktiv ? 1 : 0); }
    int uebersprungen() const { return m_uebersprungen; }

    // The program's end: the running job is aborted, and its worker gets
    // up to `ms` to end.
    bool abbrechenUndAbwarten(int ms)
    {
        m_sitzung.abbrechen();
        return m_sitzung.abwarten(ms);
    }

private:
    static void dateienEntfernen(const Ftpauftrag& a)
    {
        for (const Ftpdatei& d : a.dateien)
            if (d.eigene) QFile::remove(d.lokal);
    }

    void naechster()
    {
        if (m_aktiv || m_warteschlange.empty()) return;
        m_aktiv = std::move(m_warteschlange.front());
        m_warteschlange.pop_front();
        m_datei = 0;
        m_fehler.clear();
        m_sitzung.setVonSelbst(m_aktiv->vonSelbst);
        m_sitzung.verbinden(m_aktiv->zugang);
    }

    void hochladenNaechste()
    {
        while (m_datei < m_aktiv->dateien.size()) {
            const Ftpdatei& d = m_aktiv->dateien[m_datei];
            if (d.daten) {
                m_sitzung.hochladen(m_aktiv->ordner, *d.daten, d.name);
                return;
            }
            if (QFileInfo(d.lokal).isFile()) {
                m_sitzung.hochladen(m_aktiv->ordner, d.lokal, d.name);
                return;
            }
            fehlschlag(QStringLiteral("„%1“ fehlt im Datenordner !").arg(QFileInfo(d.lokal).fileName()));
            ++m_datei;
        }
        m_sitzung.trennen();
    }

    void fehlschlag(const QString& text)
    {
        m_fehler << text;
        FtpStatus(text);
    }

    // The line at a job's end: its failures, and the snapshots not sent.
    QString abschluss() const
    {
        QStringList teile = m_fehler;
        if (teile.isEmpty() && m_aktiv && !m_aktiv->gesendetText.isEmpty()) teile << m_aktiv->gesendetText;
        if (m_uebersprungen > 0) teile << FtpUebersprungenText(m_uebersprungen);
        return teile.join(QStringLiteral("  "));
    }

    void erledigt(Ftpsitzung::Vorgang v, bool ok, const QString& fehler, const QString& antwort)
    {
        if (!m_aktiv) return;
        switch (v) {
        case Ftpsitzung::Vorgang::Verbinden:
            if (ok) {
                FtpStatus(FtpVerbundenText);
                SoundSpielen(QStringLiteral("Connect.wav"));
                hochladenNaechste();
            } else {
                fehlschlag(FtpVerbindungsfehlerText(fehler, antwort, m_aktiv->zugang));
                SoundSpielen(QStringLiteral("Error.wav"));
                if (m_uebersprungen > 0) FtpStatus(abschluss());
                beenden();
            }
            break;
        case Ftpsitzung::Vorgang::Hochladen:
            if (ok) {
                // Reaches the report window's label while it is visible, else
                // the main window's panel, where the upload's text follows at once.
                m_berichtStatus(FtpImInternetText);
                FtpStatus(FtpErfolgText(FtpErfolgsart(v)));
            } else {
                fehlschlag(QStringLiteral("„%1“ nicht gesendet: %2").arg(m_aktiv->dateien[m_datei].name, fehler));
            }
            ++m_datei;
            hochladenNaechste();
            break;
        case Ftpsitzung::Vorgang::Trennen:
            // A clean run clears the line (or says it was sent, when asked);
            // the failures stay readable.
            FtpStatus(abschluss());
            SoundSpielen(QStringLiteral("Complete.wav"));
            beenden();
            break;
        default: break;
        }
    }

    void beenden()
    {
        const Ftpauftrag a = std::move(*m_aktiv);
        m_aktiv.reset();
        dateienEntfernen(a);
        const QStringList fehler = m_fehler;
        naechster();
        m_lageGeaendert();
        if (a.fertig) a.fertig(fehler.isEmpty(), fehler.join(QLatin1Char('\n')));
    }

    Ftpsitzung m_sitzung;
    std::function<void()> m_lageGeaendert;
    std::function<void(const QString&)> m_berichtStatus;
    std::deque<Ftpauftrag> m_warteschlange;
    std::optional<Ftpauftrag> m_aktiv;
    qsizetype m_datei = 0;
    QStringList m_fehler;
    bool m_staende = false;
    int m_uebersprungen = 0;
};

Ftpkette& Netzmodul::ftpKette(std::unique_ptr<Ftpkette>& kette)
{
    if (!kette)
        kette = std::make_unique<Ftpkette>([this] { ftpLageAktualisieren(); }, m_status, &kette == &m_live);
    return *kette;
}

int Netzmodul::laufendeFtpAuftraege() const
{
    return (m_live ? m_live->offen() : 0) + (m_site ? m_site->offen() : 0);
}

void Netzmodul::ftpBeenden()
{
    const bool ftpLief = laufendeFtpAuftraege() > 0;
    // The program's end: no FTP worker outlives the module.
    const QDeadlineTimer frist(3000);
    for (Ftpkette* k : {m_live.get(), m_site.get()})
        if (k) k->abbrechenUndAbwarten(int(frist.remainingTime()));
    m_live.reset();
    m_site.reset();
    if (ftpLief) HinweisStatusleisteAus = 0;
}

int Netzmodul::uebersprungeneLiveStaende() const { return m_live ? m_live->uebersprungen() : 0; }

void Netzmodul::ftpLageAktualisieren() { HinweisStatusleisteAus = laufendeFtpAuftraege() > 0 ? 1 : 0; }

QString Netzmodul::eigeneDatei(const QString& name)
{
    if (!m_dateien) m_dateien = std::make_unique<QTemporaryDir>();
    if (!m_dateien->isValid()) return {};
    return m_dateien->filePath(QString::number(++m_dateiNr) + QLatin1Char('-') + name);
}

void Netzmodul::internetUpdate(TWettkampfDaten& w)
{
    liveSenden(w, {w.FtpHost.trimmed(), Einst.FtpPort, w.FtpKennung, PasswortDekodieren(w.FtpZugang)}, w.FtpPfad,
               false);
}

void Netzmodul::updateSenden(TWettkampfDaten& w, const FtpVerbindung& server)
{
    liveSenden(w, {server.host.trimmed(), server.port, server.kennung, server.passwort}, server.pfad, true);
}

void Netzmodul::liveSenden(TWettkampfDaten& w, const FtpZugang& zugang, const QString& pfad, bool melden)
{
    if (zugang.host.isEmpty() || zugang.kennung.isEmpty() || zugang.passwort.isEmpty()) {
        if (melden) FtpStatus(FtpDatenFehlenText);
        return;
    }
    const Liveupload u = LiveuploadErstellen(w, AktJavaUpdate != 0, AktUpdateIntervall, Einst.FormularNummer);
    if (!u.grund.isEmpty()) {
        FtpStatus(u.grund);
        return;
    }
    Ftpdatei datei{{}, u.name, false};
    if (u.projekt.isEmpty()) {
        // From memory, and into the data folder on a worker: a snapshot
        // writes nothing on this thread.
        datei.daten = Textbytes(u.zeilen);
        datenordnerSchreiben(u.name, u.zeilen);
    } else {
        // The project is filled with the given match, not with the current one.
        datei.lokal = eigeneDatei(u.name);
        datei.eigene = true;
        QString fehler;
        if (datei.lokal.isEmpty()) fehler = QStringLiteral("kein temporärer Ordner");
        if (!fehler.isEmpty() ||
            ProjektExportieren(Berichtskomponente(), u.projekt, QStringLiteral("HTML"), datei.lokal, w, &fehler) !=
                BerichtOk) {
            FtpStatus(QStringLiteral("Kein Live-Ergebnis gesendet: %1").arg(fehler));
            return;
        }
    }
    ftpKette(m_live).einreihen(
        {zugang, FtpOrdnerAus(pfad), {datei}, {}, melden ? FtpUpdateGesendetText : QString(), !melden});
    ftpLageAktualisieren();
}

void Netzmodul::datenordnerSchreiben(const QString& name, const QStringList& zeilen)
{
    const QString ordner = Datenverzeichnis;
    if (ordner.trimmed().isEmpty()) return;
    const QString schluessel = QDir(ordner).filePath(name.toLower());
    quint64 stand = 0;
    {
        std::lock_guard sperre(m_zustand->mx);
        stand = ++m_zustand->stand;
        m_zustand->neuesterStand.insert(schluessel, stand);
        ++m_zustand->threads;
    }
    ++g_aktiv;
    ++m_dateienOffen;
    auto arbeit = [zustand = m_zustand, modul = this, ordner, name, zeilen, schluessel, stand] {
        std::optional<bool> ok;  // none: a newer snapshot follows
        QString fehler;
        {
            std::lock_guard schreiben(zustand->schreiben);
            bool neuester = false;
            {
                std::lock_guard sperre(zustand->mx);
                neuester = zustand->neuesterStand.value(schluessel) == stand;
            }
            if (neuester) {
                QDir().mkpath(ordner);
                ok = TextdateiSchreiben(DateiImOrdner(ordner, name), zeilen, &fehler);
            }
        }
        std::lock_guard sperre(zustand->mx);
        if (zustand->empfaenger)
            zustand->empfaenger->spaeter(
                [modul, schluessel, ok, fehler] { modul->datenordnerGeschrieben(schluessel, ok, fehler); });
        --zustand->threads;
        --g_aktiv;
        zustand->cv.notify_all();
    };
    try {
        std::thread(arbeit).detach();
    } catch (const std::system_error&) {
        arbeit();
    }
}

void Netzmodul::datenordnerGeschrieben(const QString& datei, std::optional<bool> ok, const QString& fehler)
{
    --m_dateienOffen;
    if (!ok) return;
    if (*ok) {
        m_datenordnerGestoert.remove(datei);
        return;
    }
    if (m_datenordnerGestoert.contains(datei)) return;
    m_datenordnerGestoert.insert(datei);
    boxen().hinweis(fehler);
}

void Netzmodul::uploadTimer(bool ein, int intervallMs)
{
    m_timerFtp.setInterval(intervallMs);
    m_timerFtp.setEnabled(ein);
}

void Netzmodul::TimerFtpGo()
{
    m_timerFtp.setEnabled(false);
    for (int s = 1; s <= MaxWettkaempfe; ++s) {
        TWettkampfDaten& w = Wettkaempfe[s];
        if (!WettkampfBelegt[s] || !w.Gestartet || w.Beendet || !w.FtpUpdate || !w.FtpUpdateZeit) continue;
        m_timerFtp.setEnabled(true);
        AktJavaUpdate = w.JavaUpdate;
        AktUpdateIntervall = w.FtpUpdateInterv;
        internetUpdate(w);
    }
}

void Netzmodul::siteErzeugen(const FtpVerbindung& server, NetzFertig fertig)
{
    siteSenden(server, std::move(fertig), true);
}

void Netzmodul::siteDateienSenden(const FtpVerbindung& server, NetzFertig fertig)
{
    siteSenden(server, std::move(fertig), false);
}

void Netzmodul::siteSenden(const FtpVerbindung& server, NetzFertig fertig, bool leeresSkript)
{
    FtpAktuell = server;
    const FtpZugang zugang{server.host.trimmed(), server.port, server.kennung, server.passwort};
    if (zugang.host.isEmpty() || zugang.kennung.isEmpty() || zugang.passwort.isEmpty()) {
        if (fertig) fertig(false, FtpDatenFehlenText);
        return;
    }
    Ftpauftrag a{zugang, FtpOrdnerAus(server.pfad), {}, std::move(fertig), {}};
    for (const Sitedatei& d : Sitedateien)
        a.dateien.append(
            {DateiImOrdner(Datenverzeichnis, QString::fromLatin1(d.lokal)), QString::fromLatin1(d.name), false});
    if (leeresSkript) a.dateien.append({{}, QStringLiteral("Update.js"), false, Textbytes(UpdateJsVorlage())});
    ftpKette(m_site).einreihen(std::move(a));
    ftpLageAktualisieren();
}

void Netzmodul::ftpServer(const FtpVerbindung& server, NetzFertig fertig)
{
    FtpAktuell = server;
    fenster().dialog(Dialog::FtpServer);
    if (fertig) fertig(true, {});
}

void Netzmodul::zeitAbgleichen(NetzFertig fertig) { m_zeit->abgleichen(std::move(fertig)); }
void Netzmodul::zeitUpdateTimer(qint64 intervallMs) { m_zeit->timerSetzen(intervallMs); }
void Netzmodul::zeitStarten() { m_zeit->starten(); }
