#pragma once
// The lane control window "Bahnsteuerung": the operator's remote control of
// one lane controller, mirroring the lane's display, pin picture and keypad.
// Shown on top, non-modally from the main menu and modally from the lane
// overview; one instance serves both.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "match/lanes/Bahnsteuerung.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <functional>

class QFrame;
class QPushButton;
class QToolButton;
class Zeitgeber;

// A keypad panel: pressed (active) it is grey and lowered, else raised in the
// 3-D light colour. A left press lowers it and plays its sound; the release
// inside clicks it.
class TSteuerfeld : public QLabel {
    Q_OBJECT
public:
    TSteuerfeld(const QString& name, const QString& text, QWidget* parent);

    void setGedrueckt(bool gedrueckt);
    bool gedrueckt() const { return m_gedrueckt; }
    // Locked: disabled and grey; unlocking raises it again.
    void setGesperrt(bool gesperrt);
    // A left click: the sound, then geklickt (nothing while disabled).
    void click();

    // Played on the press; the click sound unless set otherwise.
    std::function<void()> klang;

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void darstellen(bool unten);

    bool m_gedrueckt = false;
    bool m_halten = false;
};

// A digit field of the lane display; a left click opens its input box.
class TAnzeigefeld : public QLabel {
    Q_OBJECT
public:
    TAnzeigefeld(const QString& name, const QString& text, int ziffern, QWidget* parent);
    void click() { emit geklickt(); }

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The round shape of a pin; its LED (LedKegel) lies over it.
class TKegelform : public QAbstractButton {
    Q_OBJECT
public:
    TKegelform(int kegel, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TSteuerung : public QDialog {
    Q_OBJECT
public:
    explicit TSteuerung(QWidget* parent = nullptr);
    ~TSteuerung() override;

    // Selects lane n (1..16) and shows its state.
    void BahnsteuerungAnzeigen(int bahn);
    // The lane shown (the window's tag); 0 before the first lane was chosen.
    int Bahn() const { return m_bahn; }

    // The main window's start/stop command for the match of the lane shown.
    std::function<void(int bahn)> spielStart;

    // Bahnauswahl
    Array1<QToolButton*, MaxBahnen> BtnBahn{};
    // Display
    QFrame* PAnzeige;
    TAnzeigefeld* PAnzeigeHolz;
    TAnzeigefeld* PAnzeigeWurf;
    TAnzeigefeld* PAnzeigeV;
    TAnzeigefeld* PAnzeigeTotal;
    TAnzeigefeld* PAnzeigeGesamt;
    QLabel* PProbe;
    Array1<QLabel*, 9> LedKegel{};
    Array1<TKegelform*, 9> BtnKegel{};
    // Keypad
    TSteuerfeld* BtnBahnEin;
    TSteuerfeld* BtnWurfUngueltig;
    TSteuerfeld* BtnWurfFehler;
    TSteuerfeld* BtnBildLoeschen;
    TSteuerfeld* BtnStellen;
    TSteuerfeld* BtnStop;
    TSteuerfeld* BtnSport;
    TSteuerfeld* BtnZeit;
    TSteuerfeld* BtnUebtrEin;
    TSteuerfeld* BtnVerwarnung;
    TSteuerfeld* BtnVolle;
    TSteuerfeld* BtnAbr;
    // Spiel, Bahn
    QPushButton* BtnSpielStart;
    QPushButton* BtnZeitStart;
    QPushButton* BtnZeitStop;
    QPushButton* BtnDruckerEin;
    QPushButton* BtnZurueck;
    // Unlocks the two throw panels 1.5 s after "Wurf ungültig" or "Fehler".
    Zeitgeber* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void aktivieren();
    void bahnWaehlen(int bahn);
    void befehl(Steuerelement element);
    void wurfSperren();
    void Timer1Timer();
    void wertEintragen(Steuerelement element, QLabel* feld);
    void spielGruppe(bool gestoppt);
    u16 pinMaske() const;

    int m_bahn = 0;
    // Shown and not yet activated: the activation that follows the show
    // belongs to it.
    bool m_gezeigt = false;
};
