#pragma once
// The match set-up window: the data, options and line-ups of the current
// match (AktWettkampf), written into its record at every edit. The window
// hub creates it, refills it (aktualisieren) and refreshes single player
// lines (spielerAktualisieren).

#include "competition/Aufstellung.h"
#include "competition/Wettkampffelder.h"
#include "core/Tastatur.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TastaturFelder;

class TWettkampf : public QWidget, public HubFenster, public OptionenAnsicht {
    Q_OBJECT
public:
    explicit TWettkampf(QWidget* parent = nullptr);
    ~TWettkampf() override;

    // WettkampfFensterAktualisieren: every control from the current match.
    void aktualisieren() override;
    // SpielerzeileAnzeigen: name, pass and birth date of player n (1..16) in
    // the colour of his state; other numbers are ignored.
    void spielerAktualisieren(int n) override;
    // Focus on the club field and the edit menu for it.
    void geoeffnet() override;

    // The edit menu from the control last pressed (MenueStatusSetzen).
    void menueStatusSetzen();
    // Drop of the name of slot `quelle` onto slot `ziel` (refused onto or from a started player).
    void spielerAblegen(int quelle, int ziel);

    // Which greeting line EText shows: 0 line 1, 1 line 2.
    int TextzeileIndex = 0;

    QGroupBox* GSpieldaten;
    QLineEdit *EClub, *EMannschaft, *EGast, *EDatum, *ESpielnummer, *ESchiedsrichter, *EText;
    QComboBox *CKlasse, *CSpielart, *CGruppe;
    QPushButton *BtnUp, *BtnDown;
    QComboBox *CWurf, *CProbe, *CZeit, *CUebertritt, *CDurchlaeufer, *CArt, *CSpieler, *CBahnen;
    QGroupBox *GHeim, *GGast;
    QLabel *LErsatzHeim, *LErsatzGast;
    // Slot n (1..16): home 1..8, guest 9..16.
    QLineEdit* name(int n) const { return m_name[n - 1]; }
    QLineEdit* pass(int n) const { return m_pass[n - 1]; }
    QLineEdit* geb(int n) const { return m_geb[n - 1]; }
    QWidget* DBStarterPanel;
    QFrame* Splitter;

    QMenu* PopupBearbeiten;
    QAction *MSpielerAusschneiden, *MSpielerKopieren, *MSpielerEinfuegen, *MSpielerLoeschen;
    QAction *MInhaltEinfuegen, *MInhaltLoeschen, *MRueckg;
    QAction *MAusschneiden, *MKopieren, *MEinfuegen;
    QAction *MTouchEingabe, *MVerschieben, *MSpielerkarte;
    QAction *MSpielerdaten, *MSpielleiter, *MSpieldaten, *MMannschDaten;
    QAction* PopupColorGround;

    TastaturFelder* tastatur() const { return m_tastatur; }

    // OptionenAnsicht: the choices that WettkampfOptionenAnzeigen follows.
    int spieleranzahlIndex() const override;
    void setSpieleranzahlIndex(int i) override;
    void setSpieleranzahlAktiv(bool aktiv) override;
    void setSpielerzeilen(int anzahl) override;
    QString probeText() const override;
    void probeAuswahlFuellen() override;
    QString bahnText() const override;
    int bahnIndex() const override;
    void setBahnIndex(int i) override;
    bool bahnwechselAuswahlFuellen() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void bauen();
    QWidget* datenBauen();
    QWidget* optionenBauen();
    QGroupBox* mannschaftBauen(bool heim);
    void aktionenBauen();
    void tastaturBauen();
    void verbinden();
    // The player lines' edits and the edit menu's commands.
    void aufstellungVerbinden();

    // Writes a field edit into the record; false without a current match.
    bool feldSchreiben(Wettkampffeld f, const std::function<void(TWettkampfDaten&)>& schreiben);
    void titelAktualisieren(bool menue);
    void textzeileZeigen(int index);
    void textfeldAnmelden();
    // Shows or hides the four widgets of slot n's line.
    void zeileZeigen(int n, bool sichtbar);
    void zeilenAnordnen(const TWettkampfDaten& w);
    void optionenSperren(bool gesperrt);
    void auswahlGeaendert();
    void spielerOperation(AufstellungErgebnis (*op)(TWettkampfDaten&, int));
    void ergebnisZeigen(const AufstellungErgebnis& e);
    void textOperation(void (*op)(QLineEdit*));
    int slotVon(const QObject* o) const;
    bool optionenGesperrt() const;

    QLineEdit* m_name[16];
    QLineEdit* m_pass[16];
    QLineEdit* m_geb[16];
    QLabel* m_nummer[16];
    // The two greeting lines as keyboard fields of EText; a tap opens the shown one.
    Tastaturfeld m_textfeld[2];
    u16 m_textCode = 0;
    QPointer<QLineEdit> m_letztesEdit;
    TastaturFelder* m_tastatur = nullptr;

    // Drag of a name: the slot pressed and where.
    int m_dragQuelle = 0;
    QPoint m_dragStart;
};
