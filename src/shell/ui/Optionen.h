#pragma once
// The options dialog "Programmoptionen": the program-wide settings on ten
// pages. Opening fills every page from the settings. OK first checks every
// page's strict fields: a field in error shows its message, its page comes to
// the front and the dialog stays open, with nothing stored. Then each page,
// in page order, stores its controls into the settings and applies what the
// running program can take; then every page's keys are written, in page
// order, the settings file and the list files are saved and the dialog
// closes. "Abbrechen" stores and writes nothing (the few controls that act
// at once, such as the volumes, stay done).

#include "core/Records.h"
#include "shell/Optionen.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QPushButton;
class QTabWidget;
class TOptionen;

// A strict field whose text is no number: the field and the operator's message.
struct Feldfehler {
    QWidget* feld = nullptr;
    QString meldung;
};

// What the dialog keeps from one opening to the next, for the whole run.
struct OptionenZustand {
    // The step button held down: 1 down, 2 up (double-tap time or output
    // volume), 3 recording down, 4 recording up.
    u8 Haltecode = 0;

    void zuruecksetzen() { *this = OptionenZustand{}; }
};
extern OptionenZustand optionenZustand;

// One page of the options dialog.
class Optionenseite : public QWidget {
    Q_OBJECT
public:
    Optionenseite(TOptionen& dialog, const QString& objektname);

    // The dialog's opening: the controls from the settings.
    virtual void laden() = 0;
    // The first strict field in error, before anything is stored.
    virtual std::optional<Feldfehler> pruefen() const { return std::nullopt; }
    // OK: the controls into the settings, and what the running program takes at once.
    virtual void speichern() = 0;
    // The keys OK writes for the page, in their order.
    virtual std::vector<Optionsschluessel> schluessel() const = 0;
    // The page became the one shown (the keyboard's field range).
    virtual void gezeigt() {}
    // The dialog closes, by OK or by "Abbrechen".
    virtual void schliessen() {}

protected:
    TOptionen& m_dialog;
};

class TOptionen : public QDialog {
    Q_OBJECT
public:
    // Page positions.
    enum Seite {
        Allgemein,
        Ansicht,
        Bahnsteuerung,
        Vorwahl,
        CanBus,
        System,
        Programme,
        Internet,
        Email,
        Anzeige,
        SeitenAnzahl
    };

    explicit TOptionen(QWidget* eltern);
    ~TOptionen() override;

    // The dialog while it exists (the on-screen keyboard writes into its fields).
    static TOptionen* offen();

    Optionenseite* seite(Seite s) const { return m_seiten[s]; }

    QTabWidget* TabControlOptionen = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnAbbruch = nullptr;

    // OK; false when the dialog stays open (a field in error, a file not saved).
    bool BtnOKClick();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    void laden();
    void seiteGewechselt(int pos);

    Optionenseite* m_seiten[SeitenAnzahl] = {};
};
