#pragma once
// The service page without its widgets: the traffic log switched on and off
// with its "[Service]" keys, the mark and the emptying of the log, the mail
// of the log, and the update check on the maker's server.
//
// Transfers run asynchronously through the network module: the page stays
// usable meanwhile, and the answer is handled here even when the page has
// been closed in between.

#include <QString>
#include <QStringList>
#include <functional>

struct Mailauftrag;

inline const QString KeinEmpfaengerText = QStringLiteral("Bitte tragen Sie eine email-Adresse ein !");
inline const QString KeinAbsenderText = QStringLiteral("Bitte tragen Sie in den Optionen Ihre email-Adresse ein !");
inline const QString KeinMailserverText = QStringLiteral("Bitte tragen Sie in den Optionen Ihre email-Angaben ein !");
inline const QString KeinUpdateText = QStringLiteral("Kein neues Update verfügbar !");
inline const QString UpdateFrageText = QStringLiteral("Neues Update installieren ?");
inline const QString UpdateGestartetText = QStringLiteral("Bitte beenden Sie gestartete Wettkämpfe !");
inline const QString UpdateSchliessenText = QStringLiteral("Programm wird für das Update geschlossen !");
inline const QString KeinUpdateServerText =
    QStringLiteral("Es ist kein Update-Server eingetragen !\n(Bravolin.inf, Abschnitt [Service], UpdateServer)");

// The maker's pages on the update server.
inline const QString UpdateSeite = QStringLiteral("/Updates/Lanorik/Update_Bravolin_Funk.html");
inline const QString UpdateInstaller = QStringLiteral("/Updates/Lanorik/Update_Bravolin_Funk.exe");
inline const QString Serviceseite = QStringLiteral("/Service/Updates/updates.html");

// The installed version, kept by the installer in the program folder as the
// line "Update = <version>".
inline const QString UpdateDatei = QStringLiteral("Update.inf");

// The 23 log keys of "[Service]" (the switch, 16 lanes, 6 message kinds) in
// the order OK writes them.
const QStringList& ServiceSchluessel();

// OK, after the boxes have been read into the settings: recording off closes
// the log; recording on opens a new one when none is open. Then the keys are
// written and the settings file is saved. A log that cannot be created is
// named to the operator; false only when saving failed (also named).
bool ServiceUebernehmen();

// "Textmarke": the line "Marke" into the open log.
void ProtokollMarke();
// "Löschen": empties the open log; recording goes on into it.
void ProtokollLeeren();

// --- Mail of the log -----------------------------------------------------------------
// Why the log cannot be mailed to that address (the checks in their order);
// empty when it can.
QString MailPruefen(const QString& an);
// The mail to `an` with the covering text (its lines follow the subject line
// and an empty line) and the attached file (empty: none).
Mailauftrag ProtokollMail(const QString& an, const QString& mailtext, const QString& anhang);

// After the transfer: whether it succeeded and whether the log went with it.
using MailEnde = std::function<void(bool ok, bool mitProtokoll)>;
// Mails the log: a failed check is named and nothing is sent. The open log
// is closed for the transfer and opened again for appending when it has
// ended, whatever its outcome; a failure is named. False when nothing was
// sent (a check failed or a mail is still under way).
bool ProtokollSenden(const QString& an, const QString& mailtext, MailEnde ende = {});
bool MailLaeuft();

// --- Update check --------------------------------------------------------------------
// Whether the page (its first 10 characters) offers a version newer than the
// installed one: the installed one is not empty, the page begins with "#",
// and its characters 2 to 10 compare greater, character by character.
bool UpdateNeuer(const QString& seite, const QString& installiert);
// The installed version from the program folder's key file; "0" when the
// file or its key is missing.
QString UpdateStand();
// The update server ("UpdateServer" of "[Service]") as the settings file
// holds it now, also when the key was added by hand while the program runs;
// the setting as read at start when the file cannot be read or lacks the key.
QString UpdateServerLesen();
// The address of a page on the server; a server given without its scheme
// is reached by http.
QString ServerAdresse(const QString& server, const QString& pfad);

// Fetches the update page and, with a newer version, offers it: after "Ja"
// and with no match started, the installer is opened in the browser and
// `programmBeenden` ends the program.
void UpdateSuchen(std::function<void()> programmBeenden);
// The steps after the page arrived (its first 10 characters).
void UpdateAnbieten(const QString& seite, const QString& server, const std::function<void()>& programmBeenden);
bool UpdateLaeuft();

// "Website durchsuchen": the maker's service page in the browser.
void ServiceseiteOeffnen();

// The transfers under way.
struct ServiceZustand {
    bool MailLaeuft = false;
    bool UpdateLaeuft = false;

    void zuruecksetzen() { *this = ServiceZustand{}; }
};
extern ServiceZustand serviceZustand;
