#pragma once
// The report editor "Spielbericht": the MDI child in which the officials
// complete the current match's report before it is printed: both sides'
// results and points, four remark lines each and the incident boxes. Every
// edit writes the record at once (report/Spielbericht.h); the window hub
// fills it from the record (aktualisieren) and the buttons print the report
// and open the report window and the cover sheets.

#include "core/CheckedArray.h"
#include "core/ui/Fensterhub.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TastaturFelder;

class TSpielbericht : public QWidget, public HubFenster {
    Q_OBJECT
public:
    explicit TSpielbericht(QWidget* parent = nullptr);
    ~TSpielbericht() override;

    // SpielberichtAktualisieren: every control from the current match.
    void aktualisieren() override;
    // The window became the active one: refilled unless it was active already.
    void FormActivate();

    // Player n's panels (home 1..8, guest 9..16): P<Seite>Name<k>,
    // P<Seite>Volle<k>, P<Seite>Abr<k>, P<Seite>Gesamt<k>.
    struct Zeile {
        QLabel *Name = nullptr, *Volle = nullptr, *Abr = nullptr, *Gesamt = nullptr;
    };
    Array1<Zeile, 16> Zeilen;

    QGroupBox *GHeim, *GGast, *GHeimErgebnisse, *GGastErgebnisse;
    QLabel *LHeimErsatz, *LGastErsatz;
    QLineEdit *EHeimVolle, *EHeimAbr, *EHeimFehler, *EHeimTotal, *EHeimPunkte;
    QLineEdit *EGastVolle, *EGastAbr, *EGastFehler, *EGastTotal, *EGastPunkte;
    QPlainTextEdit *MHeim, *MGast;
    QFrame* PZusatz;
    QCheckBox *CBBahnenOK, *CBPaesseOK, *CBVerwarnungen, *CBVerletzungen, *CBProtest, *CBSonstiges, *CBAnlagen;
    QPushButton *BtnDrucken, *BtnFormular, *BtnDeckblatt;
    QMenu *PopupColor, *PopupSpiel;
    QAction *PopupColorGround, *PopupMannschDaten;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    struct Seite {
        QGroupBox *G = nullptr, *GErgebnisse = nullptr;
        QLabel* LErsatz = nullptr;
        QLineEdit *Volle = nullptr, *Abr = nullptr, *Fehler = nullptr, *Total = nullptr, *Punkte = nullptr;
        QPlainTextEdit* M = nullptr;
    };

    Seite spielerBauen(bool heim);
    void ergebnisseBauen(bool heim, Seite& s);
    QFrame* zusatzBauen();
    void farbenSetzen();
    void tastaturBauen(bool heim, const Seite& s);
    void verbinden(bool heim, const Seite& s);

    // Memo taps without touch input: the caret to the start on an empty first
    // line, select all on a double click.
    bool memoMaus(QPlainTextEdit* m, QEvent* e);
    void memoGeaendert(bool heim, QPlainTextEdit* m);
    // PClick: the player dialog for player n.
    void PClick(int n);
    void BtnDruckenClick();
    void BtnFormularClick();
    void BtnDeckblattClick();
    void PopupMannschDatenClick();

    Seite m_heim, m_gast;
    TastaturFelder* m_ergebnisTasten = nullptr;
    int m_popupSeite = 1;  // 1 home, 2 guest
    bool m_geschlossen = false;
};
