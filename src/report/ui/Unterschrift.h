#pragma once
// The signature pad "Unterschreiben": the home captain, the referee and the
// guest captain sign the current match's report on the touch screen, one
// page each. A page is stored with the match (UnterschriftenSetzen) when it
// is left and on OK; the captain pages also take the captain's name and
// whether he agrees with the referee, OK takes the referee's name.
// Without a current match the pad does not open (exec() gives Rejected).

#include "core/Records.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class TastaturFelder;

// Pages of the pad.
enum Unterschriftseite : int { SeiteHeim = 1, SeiteGast = 2, SeiteSchiedsrichter = 3 };

// True when the picture holds a pixel that is not white.
bool HatTinte(const QImage& bild);

// The drawing area: a white 660 x 150 picture, written on with a black pen
// 4 pixels wide while a button is down.
class TSchreibfeld : public QWidget {
    Q_OBJECT
public:
    explicit TSchreibfeld(QWidget* parent = nullptr);

    const QImage& bild() const { return m_bild; }
    // A null picture gives a blank page.
    void bildSetzen(const QImage& bild);
    void loeschen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_bild;
    QPoint m_stift;
    bool m_zeichnen = false;
};

class TUnterschrift : public QDialog {
    Q_OBJECT
public:
    explicit TUnterschrift(QWidget* parent = nullptr);

    // Opens on the home page of the current match; Rejected at once without one.
    int exec() override;

    int seite() const { return m_seite; }

    TSchreibfeld* ImageUnterschrift;
    QPushButton *SBtnHeim, *SBtnSchiedsrichter, *SBtnGast;
    QWidget *PMannschaftsfuehrer, *PSchiedsrichter;
    QLineEdit *EMannschaftsfuehrer, *ESchiedsrichter;
    QCheckBox* CBSchiedsrichterOk;
    QPushButton *BtnLoeschen, *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

private:
    // Fills the pad from the current match: home page, the referee's name.
    void FormActivate();
    void SeiteClick(int seite);
    void seiteZeigen(int seite);
    void kapitaenLaden();
    void seiteSpeichern();
    void BtnOkClick();

    TWettkampfDaten* m_w = nullptr;
    int m_seite = SeiteHeim;
    QButtonGroup* m_seiten;
    QStackedLayout* m_felder;
    TastaturFelder* m_tastatur;
};
