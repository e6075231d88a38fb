#include "match/bus/CanLog.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>

namespace {
CanLogSchreiber* g_log = nullptr;
}

void setCanLog(CanLogSchreiber* schreiber) { g_log = schreiber; }

bool CanLogAktiv() { return g_log && Einst.CANAufzeichnen; }

void CanLogZeile(const QByteArray& zeile)
{
    if (CanLogAktiv()) g_log->zeile(zeile);
}

QByteArray CanLogRahmen(const QByteArray& kopf, u8 laenge, const u8* daten, const QTime& zeit)
{
    QByteArray z = kopf;
    z += QByteArray::number(laenge);
    z += " Bytes  ";
    z += QString::asprintf("%02d:%02d:%02d  ", zeit.hour(), zeit.minute(), zeit.second()).toLatin1();
    for (int i = 0; i < laenge && i < 8; ++i) z += ' ' + QByteArray::number(daten[i], 16).toUpper().rightJustified(2, '0');
    return z;
}

QByteArray CanLogBahnKopf(const char* richtung, int bahn)
{
    QByteArray k(richtung);
    k += "Bahn ";
    if (bahn < 10) k += ' ';
    k += QByteArray::number(bahn);
    k += "   ";
    return k;
}

CanLogDatei::~CanLogDatei() { schliessen(); }

QString CanLogDatei::dateiname(const QDateTime& zeit)
{
    const QDate d = zeit.date();
    const QTime t = zeit.time();
    // The German short date "dd.mm.yyyy" and long time "hh:nn:ss", "." and ":" as "_".
    return QString::asprintf("CAN %02d_%02d_%04d_%02d_%02d_%02d.dat", d.day(), d.month(), d.year(), t.hour(),
                             t.minute(), t.second());
}

bool CanLogDatei::oeffnen(const QString& ordner, const QDateTime& zeit)
{
    schliessen();
    m_datei.setFileName(QDir(ordner).filePath(dateiname(zeit)));
    // Unbuffered: a line reaches the file when it is written, or fails then.
    if (m_datei.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return true;
    qWarning("CAN-Aufzeichnung: %s kann nicht angelegt werden", qPrintable(m_datei.fileName()));
    return false;
}

bool CanLogDatei::fortsetzen()
{
    schliessen();
    if (m_datei.fileName().isEmpty()) return false;
    if (m_datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return true;
    qWarning("CAN-Aufzeichnung: %s kann nicht geöffnet werden", qPrintable(m_datei.fileName()));
    return false;
}

bool CanLogDatei::leeren()
{
    if (!m_datei.isOpen()) return false;
    if (m_datei.resize(0) && m_datei.seek(0)) return true;
    qWarning("CAN-Aufzeichnung: %s kann nicht geleert werden", qPrintable(m_datei.fileName()));
    return false;
}

void CanLogDatei::schliessen()
{
    if (m_datei.isOpen()) m_datei.close();
}

bool CanLogDatei::offen() const { return m_datei.isOpen(); }
QString CanLogDatei::pfad() const { return m_datei.fileName(); }

void CanLogDatei::zeile(const QByteArray& z)
{
    if (!m_datei.isOpen()) return;
    const QByteArray daten = z + "\r\n";
    const qint64 ende = m_datei.pos();
    if (m_datei.write(daten) == daten.size()) return;
    // A line is kept whole or not at all: the part that got out is cut off.
    m_datei.resize(ende);
    qWarning("CAN-Aufzeichnung: Schreibfehler in %s, Aufzeichnung beendet", qPrintable(m_datei.fileName()));
    m_datei.close();
}

namespace {
CanLogDatei& protokoll()
{
    static CanLogDatei datei;
    return datei;
}
// The file is closed for its transfer and opened again afterwards.
bool g_angehalten = false;
}  // namespace

bool CanProtokollOeffnen(const QDateTime& zeit)
{
    CanProtokollSchliessen();
    if (!protokoll().oeffnen(Datenverzeichnis, zeit)) return false;
    setCanLog(&protokoll());
    return true;
}

void CanProtokollSchliessen()
{
    if (g_log == &protokoll()) g_log = nullptr;
    protokoll().schliessen();
    g_angehalten = false;
}

const CanLogDatei& CanProtokolldatei() { return protokoll(); }

bool CanProtokollOffen() { return protokoll().offen() || g_angehalten; }

void CanProtokollZeile(const QByteArray& zeile) { protokoll().zeile(zeile); }

bool CanProtokollLeeren() { return protokoll().leeren(); }

QString CanProtokollAnhalten()
{
    if (!protokoll().offen()) return {};
    protokoll().schliessen();
    g_angehalten = true;
    return protokoll().pfad();
}

bool CanProtokollFortsetzen()
{
    if (!g_angehalten) return true;
    g_angehalten = false;
    return protokoll().fortsetzen();
}
