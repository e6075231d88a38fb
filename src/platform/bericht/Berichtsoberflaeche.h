#pragma once
// What the report engine shows the user: the progress box, the print
// dialog, the printer itself, the preview window, the designer and the file
// dialog. The program installs the windows at start; without them (and in
// tests) the stand-in below answers: no box, no dialog, no printer.

#include "platform/bericht/Berichtsmaschine.h"
#include "platform/bericht/Berichtsseite.h"

class Berichtsoberflaeche {
public:
    virtual ~Berichtsoberflaeche() = default;

    // The progress box of a print session with a box, and its text and
    // percent; false once the user has cancelled.
    virtual void fortschrittOeffnen(QWidget* /*eltern*/, const QString& /*titel*/) {}
    virtual bool fortschritt(const QString& /*text*/, int /*prozent*/) { return true; }
    virtual void fortschrittSchliessen() {}

    // A notice about a job that goes on anyway (a picture left out); it
    // never waits for the user, as a job may run from a timer.
    virtual void hinweis(QWidget* /*eltern*/, const QString& /*titel*/, const QString& /*text*/) {}

    // The print dialog for the document `dokument` (the project's name, which
    // a print into a file takes): printer and copies (in: the start value,
    // out: the choice). 0, -99 when cancelled, or an error with *fehler (the
    // print system cannot be asked).
    virtual int druckoptionen(QWidget* /*eltern*/, const QString& /*dokument*/, int& /*kopien*/, QString* /*fehler*/)
    {
        return BerichtOk;
    }
    // The printer the pages would go to.
    virtual QString druckername() { return {}; }
    // The pages on that printer, `kopien` times, as one job named `dokument`.
    // 0, or an error with *fehler.
    virtual int drucken(const QList<Berichtsseite>& /*seiten*/, const QString& /*dokument*/, int /*kopien*/,
                        QString* fehler)
    {
        if (fehler) *fehler = QStringLiteral("Es ist kein Drucker eingerichtet.");
        return BerichtDruckerFehler;
    }

    // The preview window on the pages, modal. 0 when shown.
    virtual int vorschauZeigen(QWidget* /*eltern*/, const QString& /*titel*/, const QList<Berichtsseite>& /*seiten*/)
    {
        return BerichtFehler;
    }

    // The designer on the project file (a missing file starts from the
    // default project of the type), modal, with the variables and fields as
    // names and sample values. 0 saved, -99 discarded.
    virtual int entwerfen(QWidget* /*eltern*/, const QString& /*titel*/, int /*typ*/, const QString& /*projekt*/,
                          const Berichtswerte& /*variablen*/, const Berichtswerte& /*felder*/)
    {
        return BerichtFehler;
    }

    // The file dialog for a project file; `datei` in: the start, out: the choice.
    // 0, or -99 when cancelled.
    virtual int dateiWaehlen(QWidget* /*eltern*/, const QString& /*titel*/, int /*typ*/, QString& /*datei*/)
    {
        return BerichtAbgebrochen;
    }
};

// The installed windows (the stand-in until the program installs its own;
// nullptr restores it).
Berichtsoberflaeche& berichtsoberflaeche();
void BerichtsoberflaecheSetzen(Berichtsoberflaeche* oberflaeche);
