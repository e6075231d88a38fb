#pragma once
// The window hub: opens, raises and closes the program's single windows and
// runs the one-use dialogs. The windows come from registered factories, so
// the hub includes none of their headers.

#include "core/Fenster.h"

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <map>

#include <QMdiArea>

// What the hub calls on its windows; a window derives from QWidget and this.
class HubFenster {
public:
    virtual ~HubFenster() = default;
    virtual void aktualisieren() {}
    virtual void spielerAktualisieren(int /*spielerNr*/) {}
    // The field the keyboard goes to when the focus comes back to the window.
    virtual QWidget* erstesEingabefeld() const { return nullptr; }
    // After every opening, new or brought to the front, and its refresh.
    virtual void geoeffnet() {}
};

// Calls `aktiviert` each time the window becomes the active child of its MDI
// area (or, without an area, the active window). Made once, in the window's
// constructor.
void BeiAktivierung(QWidget* fenster, std::function<void()> aktiviert);

// The two result boards of the second monitor.
enum class Anzeigefenster { Klein, Gross };

// Board for a screen of that width: below 1024 pixels the small one.
Anzeigefenster AnzeigeKlasse(int breite);

class Fensterhub final : public FensterDienste {
public:
    using Fabrik = std::function<QWidget*(QWidget* eltern)>;
    using DialogFabrik = std::function<QDialog*(QWidget* eltern)>;
    // A dialog that is made for one side (the `seite` of dialog()).
    using SeitenFabrik = std::function<QDialog*(QWidget* eltern, int seite)>;
    using DialogOk = std::function<void(QDialog* dialog, int seite)>;

    explicit Fensterhub(QWidget* hauptfenster = nullptr);
    ~Fensterhub() override;
    Fensterhub(const Fensterhub&) = delete;
    Fensterhub& operator=(const Fensterhub&) = delete;

    // Parent of the dialogs and the screen they are centred on; it becomes
    // active again when a modal window of the program closes.
    void setHauptfenster(QWidget* hauptfenster);
    // Without an area the MDI children are top-level windows. With one, a key
    // that a focused child and the main window both take goes to the child.
    void setMdiArea(QMdiArea* area);
    // In place of the second screen's geometry; an empty rect uses the real one.
    void setZweiterBildschirm(const QRect& r) { m_zweiter = r; }

    // The MDI children get the MDI area (or null) as parent, the others null;
    // a dialog gets the main window.
    void registrieren(MdiFenster f, Fabrik fabrik);
    void registrieren(KonfigFenster f, Fabrik fabrik);
    void registrieren(Anzeigefenster k, Fabrik fabrik);
    void registrieren(Dialog d, DialogFabrik fabrik, DialogOk beiOk = {});
    void registrierenMitSeite(Dialog d, SeitenFabrik fabrik, DialogOk beiOk = {});

    QWidget* mdiFenster(MdiFenster f) const;
    QWidget* konfigFenster(KonfigFenster f) const;
    QWidget* anzeigefenster() const { return m_anzeige; }

    // Captions from the current match's teams; without a match only the
    // prefix ("Ergebnistafel  ", "Spielbericht  ", empty for the match window).
    void oeffnen(MdiFenster f) override;
    bool offen(MdiFenster f) const override;
    // Forgets the window once it has accepted the close.
    void schliessen(MdiFenster f) override;
    void aktualisieren(MdiFenster f) override;
    void spielerAktualisieren(MdiFenster f, int spielerNr) override;

    bool erzeugen(KonfigFenster f) override;
    void freigeben(KonfigFenster f) override;
    bool vorhanden(KonfigFenster f) const override;

    // Only with a second screen. Every call, also on an open board, shows the
    // current match (AnzeigeWettkampf) and hands the focus back after it.
    void anzeigefensterOeffnen() override;
    void anzeigefensterSchliessen() override;
    bool anzeigefensterOffen() const override { return m_anzeige; }
    void anzeigefensterAufbauen() override;
    void anzeigefensterSpielerAktualisieren(int spielerNr) override;

    bool dialog(Dialog d, int seite = 0) override;

    void statusText(int panel, const QString& text) override;
    void hauptmenueAktualisieren() override;
    // The main window becomes active again; an open match window takes the
    // focus in its first input field.
    void hauptfensterFokus() override;

    // The dialog running now; the options and FTP server dialogs also here.
    QPointer<QDialog> AktDialog;
    QPointer<QDialog> OptionenFenster;
    QPointer<QDialog> FtpServerFenster;

    std::function<void()> nachAnzeigeOeffnen;
    std::function<void(int panel, const QString& text)> statusTextSetzen;
    std::function<void()> menueAktualisieren;

private:
    struct DialogEintrag {
        SeitenFabrik fabrik;
        DialogOk beiOk;
    };

    QRect zweiterBildschirm() const;
    void titelSetzen(MdiFenster f, QWidget* w) const;

    QPointer<QWidget> m_haupt;
    QPointer<QMdiArea> m_area;
    QRect m_zweiter;
    std::map<MdiFenster, Fabrik> m_mdiFabriken;
    std::map<MdiFenster, QPointer<QWidget>> m_mdi;
    std::map<KonfigFenster, Fabrik> m_konfigFabriken;
    std::map<KonfigFenster, QPointer<QWidget>> m_konfig;
    std::map<Anzeigefenster, Fabrik> m_anzeigeFabriken;
    QPointer<QWidget> m_anzeige;
    std::map<Dialog, DialogEintrag> m_dialoge;
};
