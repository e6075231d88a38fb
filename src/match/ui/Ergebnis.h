#pragma once
// The result table "Ergebnistafel": both sides of the current match line by
// line, plain (Volle, Abräumen, misses, total) or by sets, with each side's
// throws, total, lead and match points below. The window hub creates it and
// rebuilds it (aktualisieren); the engine refreshes one player at a time
// (spielerAktualisieren). What shows where comes from match/Ergebnistafel.h.

#include "core/CheckedArray.h"
#include "core/ui/Fensterhub.h"

#include <QWidget>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
struct ErgebnisLayout;

class TErgebnis : public QWidget, public HubFenster {
    Q_OBJECT
public:
    explicit TErgebnis(QWidget* parent = nullptr);
    ~TErgebnis() override;

    void aktualisieren() override { ErgebnistafelKopfAnzeigen(); }
    void spielerAktualisieren(int spielerNr) override { ErgebnistafelSpielerAnzeigen(spielerNr); }

    // Headings, layout, every line and the totals from the current match.
    void ErgebnistafelKopfAnzeigen();
    void ErgebnistafelLayout();
    void ErgebnistafelLayoutSatz();
    // Player n's line (1..16; other numbers only the totals), then the totals.
    void ErgebnistafelSpielerAnzeigen(int n);
    // The window became the active one: rebuilt unless it was active already.
    void FormActivate();

    // Player n's labels in both layouts (home lines 1..8, guest 9..16):
    // L<Seite>Name<k> ... and LS<Seite>Spieler<k>Name ....
    struct Zeile {
        QLabel *Name = nullptr, *Volle = nullptr, *Abr = nullptr, *Fehler = nullptr, *Total = nullptr;
        QLabel* SName = nullptr;
        Array1<QLabel*, 4> SSatz{};
        QLabel* STotal = nullptr;
        QLabel* SPunkte = nullptr;   // lines 1..6 only
        QLabel* SErsetzt = nullptr;  // lines 7 and 8 only: LS<Seite>Ersetzt<k>
    };
    Array1<Zeile, 16> Zeilen;

    QWidget* PErgebnis;
    QFrame *PHeaderHeim, *PHeaderGast;
    QLabel *LHeim, *LGast, *ImageHeim, *ImageGast;

    QGroupBox *GHeim, *GGast;
    QLabel *LHeaderHeimName, *LHeaderHeimVolle, *LHeaderHeimAbr, *LHeaderHeimFehler, *LHeaderHeimTotal;
    QLabel *LHeaderGastName, *LHeaderGastVolle, *LHeaderGastAbr, *LHeaderGastFehler, *LHeaderGastTotal;
    QLabel *LHeimErsatz, *LGastErsatz;

    QGroupBox *GSHeim, *GSGast;
    QLabel *LSHeaderHeimName, *LSHeaderHeimTotal, *LSHeaderHeimSaP;
    QLabel *LSHeaderGastName, *LSHeaderGastTotal, *LSHeaderGastSaP;
    Array1<QLabel*, 4> LSHeaderHeimSatz{}, LSHeaderGastSatz{};
    QLabel *LSHeimErsatz, *LSGastErsatz;

    QFrame* PTotal;
    QLabel *LHeimWurf, *LGastWurf, *LHeimTotal, *LGastTotal, *LHeimPlus, *LGastPlus;
    QLabel *LHeimPunkte, *LGastPunkte, *LHeaderPunkte;

    QAction* PopupColorGround;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void bauen();
    void kopfBauen(QWidget* tafel);
    void normalBauen(QWidget* tafel, bool heim);
    void satzBauen(QWidget* tafel, bool heim);
    void summeBauen(QWidget* tafel);
    void farbenSetzen();
    void zeilenAnzeigen();
    void zeileLegen(const ErgebnisLayout& l, int n);
    void summeAnzeigen();
    // Beenden: a click on the background closes, unless input is locked.
    void beenden();
    // LNameClick: the player dialog for that player.
    void nameKlick(int n);

    QWidget* m_tafel = nullptr;
    QLabel* m_punkteTrenner = nullptr;
    bool m_geschlossen = false;
};
