#pragma once
// The match set-up window: the data, options and line-ups of the current
// match (AktWettkampf), written into its record at every edit. The window
// hub creates it, refills it (aktualisieren) and refreshes single player
// lines (spielerAktualisieren). Below the line-ups the panel of the player
// database (DBStarterPanel), loaded from its file when the window is made.

#include "competition/Aufstellung.h"
#include "competition/Wettkampffelder.h"
#include "core/Tastatur.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class SpielerDelegate;
class SpielerModell;
class TL8_;
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
    // The club field, or the first home player's name when the club cannot take the focus.
    QWidget* erstesEingabefeld() const override;

    // The edit menu from the control last pressed (MenueStatusSetzen).
    void menueStatusSetzen();
    // Drop of the name of slot `quelle` onto slot `ziel` (refused onto or from a started player).
    void spielerAblegen(int quelle, int ziel);
    // Drop of row `zeile` of the player database onto slot `ziel`.
    void zeileAblegen(int zeile, int ziel);
    // The player card in Kartenpuffer into the player line whose name has
    // the focus (not a started player's); the focus moves on to the side's
    // next line. True when it was taken.
    bool SpielerkarteEinlesen();

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

    // --- The player database panel ---
    QTableView* DBGridStarter;
    QPushButton *BtnNeu, *BtnUpdate, *BtnSpeichern, *BtnLoeschen, *BtnSuchen, *BtnImport, *BtnExport;
    QPushButton *BtnDatenbankHelp, *BtnZurueck, *BtnVor, *BtnSchliessen;
    QMenu *MDatenbank, *PopupGrid;
    QAction *MOeffnen, *MUpdate, *MSpeichern, *MSuchen, *MDrucken, *MFormular, *PopupVerschieben;

    // Height of the panel: 0 closed .. DatenbankHoeheMax open.
    static constexpr int DatenbankHoeheMax = 260;
    int DatenbankHoehe = 0;
    // DatenbankFensterSetzen: the panel at that height (bounded); closing it
    // asks to save a changed database.
    void DatenbankFensterSetzen(int hoehe);

    // The selection of the grid as the commands read it: SelStartCol -1 when
    // whole rows are selected; SelStartRow -1 when nothing is selected.
    int SelStartRow() const;
    int SelStartCol() const;
    // The rows that hold a selected cell, ascending.
    QList<int> markierteZeilen() const;

    void BtnNeuClick();
    void BtnUpdateClick();
    void BtnSpeichernClick();
    void BtnLoeschenClick();
    void BtnSuchenClick();
    void BtnImportClick();
    void BtnExportClick();
    void BtnDatenbankHelpClick();
    void MDruckenClick();
    void MFormularClick();
    // The report component that prints and designs the player list, made
    // with the window; its define-fields event hands out the rows.
    std::unique_ptr<TL8_> LLTool;
    // One step of BtnZurueck (1) or BtnVor (2); stops at the first and the last row.
    void blaettern(int richtung);
    // FundzelleMarkieren: the found cell becomes current and blue.
    void fundzelleMarkieren(int spalte, int zeile);

    // The export's file choice: the name and the file type 1..3; nullopt
    // when cancelled. A save dialog in the database folder unless replaced.
    std::function<std::optional<std::pair<QString, int>>()> exportDateiWaehlen;

    QMenu* PopupBearbeiten;
    QAction *MSpielerAusschneiden, *MSpielerKopieren, *MSpielerEinfuegen, *MSpielerLoeschen;
    QAction *MInhaltEinfuegen, *MInhaltLoeschen, *MRueckg;
    QAction *MAusschneiden, *MKopieren, *MEinfuegen;
    QAction *MTouchEingabe, *MVerschieben, *MSpielerkarte;
    QAction *MSpielerdaten, *MSpielleiter, *MSpieldaten, *MMannschDaten;
    QAction* PopupColorGround;
    // The pop-up of a team box: that side's data and import.
    QMenu* PopupMannschaft;
    QAction *PopupMannschDaten, *PopupImportieren;

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
    // A named action of this window (its shortcut works anywhere in it), also put in menue.
    void aktionAnlegen(QAction*& a, const char* name, const QString& text, QMenu* menue = nullptr);
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
    // The player database panel: its tool bar, grid, menus and commands.
    QWidget* datenbankBauen();
    // Presses on the grid, the panel's double click and the splitter's drag.
    bool datenbankFilter(QObject* o, QEvent* e);
    void datenbankAktionenBauen();
    void datenbankVerbinden();
    void verschiebenAnwenden();
    void kopfGeklickt(int spalte);
    // The edit menu's commands with the grid current.
    void gridAusschneiden();
    void gridKopieren();
    void gridEinfuegen();
    void gridTextOperation(int art);
    // An open cell edit is taken over.
    void gridUebernehmen();
    // The row inserted by "Neu", or -1.
    int neueZeile();
    void gridZeileZeigen(int zeile);
    void ergebnisZeigen(const AufstellungErgebnis& e);
    void textOperation(void (*op)(QLineEdit*));
    int slotVon(const QObject* o) const;
    // A left click on the guest field or a name with a card in the reader.
    void karteAngeklickt(QLineEdit* edit);
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

    SpielerModell* m_modell = nullptr;
    void listenkomponente();
    // The row the player list prints next.
    int DruckZeile = 0;
    SpielerDelegate* m_delegate = nullptr;
    int m_splitterY = -1;  // the splitter is being dragged from there
    int m_teamSeite = 1;  // the side whose team box the pop-up was opened on
};
