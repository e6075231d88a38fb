#pragma once
// The report's way out without its windows: which way a print, a fax or a
// mail takes, where the drawn report lands on the page, the text sheet on
// the lane printer, and the mail with the cover text and the report.

#include "core/Records.h"
#include "core/Settings.h"
#include "match/dienste/Netzdienste.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

struct Berichtsaufnahme;

enum class Berichtsweg {
    Textblatt,  // the result sheet as text on the lane printer
    Formular,   // a built-in layout (0..8), drawn and signed
    Leer,       // layouts 9..19: nothing is drawn, so nothing goes out
    Projekt,    // a report project (above 19), through the report engine
};

// The way of a print (textblatt: DrBahndrucker set and DrGrafik clear) and,
// with textblatt false, of a fax or a mail.
Berichtsweg BerichtswegWaehlen(int index, bool textblatt);
// The operator's notice for the ways that send nothing; empty for the others.
QString BerichtswegHinweis(Berichtsweg weg, int index);

// Where the report goes on a page of that size in device pixels: the page
// less the layout's margins; layout 0 (the A5 form) fills the upper half
// only. Empty when the margins leave no room.
QRect BerichtZielrechteck(int index, QSize seite, const TFormularEinstellung& e);

// The entry of a list of `anzahl` printers that a printer setting chooses;
// -1 (the default printer) for -1 and for a printer that no longer exists.
int DruckerWahl(i32 standard, int anzahl);

// The printer of a printer setting among the installed printers `namen`:
// by the name kept beside the position where there is one (removing another
// queue moves the positions), else by the position (files of other
// installations keep only that). Index -1: the default printer; `fehlt`: the
// kept name is no longer installed.
struct Druckerauswahl {
    int index = -1;
    bool fehlt = false;

    friend bool operator==(const Druckerauswahl&, const Druckerauswahl&) = default;
};
Druckerauswahl DruckerSuchen(i32 standard, const QString& name, const QStringList& namen);
// What the operator is told when the kept printer `name` is gone and
// `standard` (the default printer, may be empty) takes its place.
QString DruckerFehltText(const QString& name, const QString& standard);
// The copies setting as a count: 0 prints one.
int BerichtKopien(u8 kopien);

// The match's first lane (1..MaxBahnen); 0 when it has none.
int BerichtErsteBahn(const TWettkampfDaten& w);
// A lane is still flagged as playing for the match.
bool BahnenImSpiel(const TWettkampfDaten& w);
// The PC-port printer is taken: by a report, or the printer serving the
// match's first lane by a match.
bool DruckerportBesetzt(const TWettkampfDaten& w);

enum class Textblattergebnis { Gedruckt, BahnenImSpiel, KeinDrucker };
// The result sheet of w on the PC-port printer of its first lane, once no
// lane plays for the match any more; DruckerportBelegt stays set until the
// printer has taken it.
Textblattergebnis TextblattDrucken(TWettkampfDaten& w);
// Status text of an outcome; empty for Gedruckt.
QString TextblattStatus(Textblattergebnis e);

// The mail's status texts.
extern const QString MailOhneServer;
QString MailFehler(const QString& grund);

// The file of a fax's cover page when the fax printer writes into a file
// ("Fax.pdf" -> "Fax-Deckblatt.pdf" beside it).
QString DeckblattAusgabedatei(const QString& datei);

// The plain lines of cover k; none when k names no cover.
QStringList DeckblattZeilen(int k);
// The report's picture file in the data folder.
QString MailanhangPfad();
// The report of w on layout 0..8 drawn afresh, signed and saved as a
// Windows bitmap, whole under a temporary name first. False with *grund
// the cause; an existing file then stays as it was.
bool MailanhangSpeichern(TWettkampfDaten& w, int index, const QString& pfad, QString* grund);
// The same of a recorded report (BerichtAufnehmen), drawn and written on a
// thread of its own, as it takes longer than a tick; `fertig` follows on
// the UI thread: ok, or false with the reason.
void MailanhangImHintergrund(const Berichtsaufnahme& a, const QString& pfad,
                             std::function<void(bool ok, const QString& grund)> fertig);
// Pictures still being written; the program's end waits up to `ms` for them.
int LaufendeMailanhaenge();
bool MailanhaengeAbwarten(int ms);
// The mail of w: server and user from the settings, sender, name,
// recipient and subject from the match, the cover lines and one empty line
// as its text, and the attachment (empty: none).
Mailauftrag MailauftragErstellen(const TWettkampfDaten& w, const QStringList& deckblatt, const QString& anhang);

// The cover chosen in a dialog's list: its entry, 0 (no cover) for none.
u8 DeckblattAuswahl(int eintrag);
// "&Standard" of the fax (fax true) or the e-mail dialog: the cover for the
// match and, under "[Allgemein]", for new matches; saves the settings file.
void DeckblattStandardSetzen(TWettkampfDaten& w, bool fax, u8 k);
