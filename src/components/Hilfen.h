#pragma once
// The library's texts and the helpers its components share: key state bits,
// the platform's version, text and path helpers, the system folder and the
// library's log file. The helpers that need windows are in Oberflaechenhilfen.h.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <qnamespace.h>
#include <functional>

class QObject;

// The library's texts.
namespace AbfTexte {
inline const QString Warnung = QStringLiteral("Warning");
inline const QString Fehler = QStringLiteral("Error");
inline const QString NurLesen = QStringLiteral("Cannot change the property in Read-Only mode.");
inline const QString SchluesselOeffnen = QStringLiteral("Unable to open the %1 key");
inline const QString RegistrySchreiben = QStringLiteral("Cannot write to registry.");
// Component name, exception class; followed by the message in double quotes and a full stop.
inline const QString ThreadAusnahme = QStringLiteral("Thread %1 raised exception class %2 with message ");
// "%s" stands for the application title.
inline const QString LaeuftBereits = QStringLiteral("Application \"%s\" is already running.");
// "%s" stands for the component's name.
inline const QString TrayEinfuegen = QStringLiteral("%s.InsertToTray failed");
inline const QString TrayEntfernen = QStringLiteral("%s.DeleteFromTray failed");
inline const QString AutoSaveName =
    QStringLiteral("AutoSave can not be set because the SaveName property contains a wrong file name");
// Followed by the file name in double quotes and " file".
inline const QString LadenFehler = QStringLiteral("Can not load data from the ");
inline const QString SpeichernFehler = QStringLiteral("Can not save data to the ");
inline const QString DateiEnde = QStringLiteral(" file");
// The system's text for a timer it refused to start (no timers left).
inline const QString KeineZeitgeber = QStringLiteral("Es sind keine Zeitgeber mehr verfügbar !");
// The names of the two boolean values.
inline const QString Wahrheitswerte[2] = {QStringLiteral("False"), QStringLiteral("True")};
}  // namespace AbfTexte

// The informational About text of a component or label: its class name.
QString AbfAbout(const QObject& komponente);

inline const QString& AbfWahrheitswert(bool wert) { return AbfTexte::Wahrheitswerte[wert ? 1 : 0]; }

// --- Keys -----------------------------------------------------------------------------

// The state of the modifier keys as a bit set.
enum AbfUmschalttaste : unsigned { abfShift = 1, abfAlt = 2, abfCtrl = 4 };
unsigned AbfUmschaltBits(Qt::KeyboardModifiers tasten);

// --- Platform ---------------------------------------------------------------------------

// The operating system this runs on: the kernel's kind and version and the
// distribution's name. Major, Minor and Build are the kernel version's first
// three numbers (0 where it has fewer).
struct AbfPlattform {
    QString Art;      // "linux"
    QString Version;  // "6.1.0-18-amd64"
    QString Name;     // "Debian GNU/Linux 12 (bookworm)"
    int Major = 0;
    int Minor = 0;
    int Build = 0;
};
AbfPlattform AbfPlattformZerlegen(const QString& art, const QString& version, const QString& name);
AbfPlattform AbfPlattformLesen();

// --- Texts and paths ---------------------------------------------------------------------

// The index of the last occurrence of teil in text, -1 when there is none
// (also for an empty teil).
qsizetype AbfVonHintenSuchen(const QString& teil, const QString& text,
                             Qt::CaseSensitivity gross = Qt::CaseSensitive);
// Every occurrence of alt replaced by neu; an empty alt changes nothing.
QString AbfAlleErsetzen(const QString& text, const QString& alt, const QString& neu,
                        Qt::CaseSensitivity gross = Qt::CaseSensitive);
// Every character alt replaced by neu.
QString AbfZeichenErsetzen(QString text, QChar alt, QChar neu);
// The folder with one trailing "/"; an empty path stays empty.
QString AbfMitTrenner(const QString& ordner);
// The lines of a text broken by CR LF, LF or CR; a line break at the end
// starts no further line.
QStringList AbfZeilen(const QString& text);
// The folder of the system's shared libraries, with a trailing "/".
QString AbfSystemordner();

// --- Log file -----------------------------------------------------------------------------

// A log of dated lines in "<name>.log". Each line is "dd.mm.yy hh:nn:ss text",
// ended by CR LF; the file is written whole and renamed, so a failed write
// leaves the old log.
class AbfLogDatei {
public:
    // "<ordner>/<name>.log"; the name's own extension is replaced.
    AbfLogDatei(const QString& ordner, const QString& name);
    // Named after the executable, in the current folder (the program folder).
    AbfLogDatei();

    QString Pfad() const { return m_pfad; }
    // Appends one line; false when the log could not be written.
    bool Schreiben(const QString& text);
    // The text's bytes in the file: Latin-1 by default (the part of
    // Windows-1252 the library can write on its own); the program may set
    // its own codec.
    std::function<QByteArray(const QString&)> Kodierung;
    // The time stamp of a line; tests set a fixed one.
    std::function<QString()> Zeitstempel;

private:
    QString m_pfad;
};
