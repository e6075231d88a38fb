#include "displays/Clientablage.h"

#include "components/Dateikomponenten.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QPointer>
#include <QSaveFile>
#include <algorithm>
#include <deque>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

struct Clientablage::Auftrag {
    QString ziel;
    QString quelle;      // a copy's; empty: write the lines
    QStringList zeilen;
};

// What the UI thread shares with the workers; it outlives the Clientablage
// while a worker still runs.
struct Clientablage::Gemeinsam {
    struct Ordner {
        std::deque<Auftrag> wartend;
        bool laeuft = false;  // a worker serves the folder
    };
    std::mutex mx;
    std::map<QString, Ordner> ordner;
    Clientablage* empfaenger = nullptr;  // null once it is gone
    Haken vorJedem;
};

namespace {

// Runs one job on the worker; false with the cause.
bool Ausfuehren(const QString& ziel, const QString& quelle, const QStringList& zeilen, QString* grund)
{
    if (quelle.isEmpty()) {
        QSaveFile f(ziel);
        return TextdateiVorbereiten(f, zeilen, grund) && TextdateiAbschliessen(f, grund);
    }
    TabfFileOperation kopieren;
    kopieren.Operation = TabfFileOperation::fotCopy;
    kopieren.Optionen = TabfFileOperation::fofMultiDestFiles;
    kopieren.FileList = {quelle};
    kopieren.DestFolder = ziel;
    QObject::connect(&kopieren, &TabfFileOperation::OnError,
                     [grund](const QString& datei, const QString& text) {
                         *grund = QStringLiteral("%1, Kopie von „%2“").arg(text, QDir::toNativeSeparators(datei));
                     });
    return kopieren.Execute();
}

std::unique_ptr<Clientablage>& Modul()
{
    static std::unique_ptr<Clientablage> ablage;
    return ablage;
}

}  // namespace

Clientablage::Clientablage(QObject* parent) : QObject(parent), m_gemeinsam(std::make_shared<Gemeinsam>())
{
    m_gemeinsam->empfaenger = this;
}

Clientablage::~Clientablage()
{
    {
        std::lock_guard sperre(m_gemeinsam->mx);
        m_gemeinsam->empfaenger = nullptr;
        for (auto& [pfad, o] : m_gemeinsam->ordner) o.wartend.clear();
    }
    AblageBeschaeftigt = std::max(0, AblageBeschaeftigt - m_ausstehend);
}

void Clientablage::schreiben(const QString& ordner, const QString& name, const QStringList& zeilen)
{
    einreihen(ordner, {QDir(ordner).filePath(name), QString(), zeilen});
}

void Clientablage::kopieren(const QString& ordner, const QString& quelle, const QString& name)
{
    einreihen(ordner, {QDir(ordner).filePath(name), quelle, {}});
}

void Clientablage::setVorJedem(Haken haken)
{
    std::lock_guard sperre(m_gemeinsam->mx);
    m_gemeinsam->vorJedem = std::move(haken);
}

void Clientablage::einreihen(const QString& ordner, Auftrag a)
{
    const QString schluessel = QDir::cleanPath(ordner);
    ++m_ausstehend;
    ++AblageBeschaeftigt;
    bool ersetzt = false, starten = false;
    {
        std::lock_guard sperre(m_gemeinsam->mx);
        auto& o = m_gemeinsam->ordner[schluessel];
        const auto alt =
            std::find_if(o.wartend.begin(), o.wartend.end(), [&a](const Auftrag& x) { return x.ziel == a.ziel; });
        if (alt != o.wartend.end()) {
            o.wartend.erase(alt);
            ersetzt = true;
        }
        o.wartend.push_back(std::move(a));
        starten = !std::exchange(o.laeuft, true);
    }
    if (ersetzt) {
        ++m_ersetzt;
        --m_ausstehend;
        if (AblageBeschaeftigt > 0) --AblageBeschaeftigt;
    }
    if (!starten) return;
    try {
        std::thread(&Clientablage::arbeiten, m_gemeinsam, schluessel).detach();
    } catch (const std::system_error&) {
        // No worker: the folder's jobs fail at once.
        std::deque<Auftrag> wartend;
        {
            std::lock_guard sperre(m_gemeinsam->mx);
            auto& o = m_gemeinsam->ordner[schluessel];
            wartend.swap(o.wartend);
            o.laeuft = false;
        }
        for (const Auftrag& x : wartend)
            QMetaObject::invokeMethod(
                this,
                [this, schluessel, ziel = x.ziel] {
                    beendet(schluessel, ziel, false, QStringLiteral("kein Arbeitsthread verfügbar"));
                },
                Qt::QueuedConnection);
    }
}

void Clientablage::arbeiten(std::shared_ptr<Gemeinsam> g, QString ordner)
{
    for (;;) {
        Auftrag a;
        Haken vorJedem;
        {
            std::lock_guard sperre(g->mx);
            auto& o = g->ordner[ordner];
            if (o.wartend.empty() || !g->empfaenger) {
                o.laeuft = false;
                return;
            }
            a = std::move(o.wartend.front());
            o.wartend.pop_front();
            vorJedem = g->vorJedem;
        }
        if (vorJedem) vorJedem(a.ziel);
        QString grund;
        const bool ok = Ausfuehren(a.ziel, a.quelle, a.zeilen, &grund);
        std::lock_guard sperre(g->mx);
        if (Clientablage* e = g->empfaenger)
            QMetaObject::invokeMethod(
                e, [e, ordner, ziel = a.ziel, ok, grund] { e->beendet(ordner, ziel, ok, grund); },
                Qt::QueuedConnection);
    }
}

void Clientablage::beendet(const QString& ordner, const QString& ziel, bool ok, const QString& grund)
{
    --m_ausstehend;
    if (AblageBeschaeftigt > 0) --AblageBeschaeftigt;  // a reset of the globals may have cleared it
    const bool neuGestoert = !ok && !m_gestoert.contains(ordner);
    if (ok)
        m_gestoert.remove(ordner);
    else if (neuGestoert) {
        m_gestoert.insert(ordner);
        m_zuMelden << QStringLiteral("„%1“: %2").arg(QDir::toNativeSeparators(ziel), grund);
    }
    const QPointer<Clientablage> lebt(this);
    emit erledigt(ordner, ziel, ok, grund);
    if (lebt && neuGestoert) melden();
}

// One box at a time: failures that come while it is open follow in the next.
void Clientablage::melden()
{
    if (m_meldet) return;
    m_meldet = true;
    const QPointer<Clientablage> lebt(this);
    while (!m_zuMelden.isEmpty()) {
        boxen().hinweis(ClientablageFehlertext(std::exchange(m_zuMelden, {})));
        if (!lebt) return;
    }
    m_meldet = false;
}

Clientablage& clientablage()
{
    auto& a = Modul();
    if (!a) a = std::make_unique<Clientablage>();
    return *a;
}

void ClientablageZuruecksetzen() { Modul().reset(); }

QString ClientablageFehlertext(const QStringList& fehler)
{
    return QStringLiteral("In den Ordner eines Monitors oder des Infoterminals kann nicht geschrieben werden:\n") +
           fehler.join(u'\n') +
           QStringLiteral("\nEr zeigt nicht den aktuellen Stand, bis sein Ordner wieder erreichbar ist.");
}
