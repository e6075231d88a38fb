#pragma once
// The correction panel "Korrektur Bahn n": the referee's commands on one
// lane of a running match. Every command closes it; closing refreshes the
// match window and the lane windows.

#include "match/engine/Korrekturbefehle.h"

#include <QDialog>
#include <QFrame>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TastaturFelder;

// A command shape: a rounded frame with a caption and an image; a click on
// any of them runs the command, a press plays the click sound.
class TKorrekturFlaeche : public QFrame {
    Q_OBJECT
public:
    TKorrekturFlaeche(const QString& name, QWidget* eltern);
    void click();

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class TKorrektur : public QDialog {
    Q_OBJECT
public:
    TKorrektur(QWidget* eltern, int bahn);
    ~TKorrektur() override;

    int Bahn() const { return m_bahn; }
    // Refreshes the panel from the lane record. While the operator edits a
    // field the panel stays on the part it shows and the throw fields on
    // the throws they show.
    void KorrekturUp();
    // What the panel shows; its commands act on that part of the lane.
    const KorrekturAnzeige& Gezeigt() const { return m_gezeigt; }
    // The panel showing now, or null.
    static TKorrektur* offen();

    QGroupBox *GBBahn, *GBSpiel, *GBSpieler, *GBErsatz, *GBKorrektur;
    TKorrekturFlaeche *SStart, *SStop, *SAbbrechen, *SSpielStart, *SZeitStart, *SZeitStop;
    QLabel *LStart, *LStop, *LAbbrechen, *LSpielStart, *LZeitStart, *LZeitStop;
    QLabel *ImageStart, *ImageStopaus, *ImageStop, *ImageAbbrechen, *ImageSpielStart, *ImageZeitStart, *ImageZeitStop;
    QLineEdit *EName, *EPass, *EGeb;
    TKorrekturFlaeche *SErsatz1, *SErsatz2;
    QLabel *LErsatz1, *LErsatz2;
    QLineEdit *EVolle, *EAbr;
    QPushButton *BtnAusbessernPCBahn, *BtnAusbessernPC, *BtnAusbessernBahn;
    TKorrekturFlaeche *SWurfzeit, *SVerwarnung, *SLVerwLoeschen, *SWurfNicht, *SWurfNull;
    QLabel *LWurfzeit, *LVerwarnung, *LVerwLoeschen, *LWurfNicht, *LWurfNull;
    QLabel *ImageWurfzeit, *ImageVerwarnung, *ImageLVerwLoeschen, *ImageWurfNicht, *ImageWurfNull;
    QPushButton *BtnBahnsteuerung, *BtnZurueck;

    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TKorrekturFlaeche* flaeche(QWidget* eltern, const QString& name, const QString& text, const QString& hinweis,
                               QLabel*& label, QLabel*& bild, int icon);
    void AusbessernClick();
    void ErsatzClick(int knopf);
    // A field changed and not yet confirmed, or open on the keyboard.
    bool bearbeitet() const;
    bool wurffeldEreignis(QLineEdit* feld, QEvent* e);
    void wurfzeitNachfuehren();

    int m_bahn;
    TastaturFelder* m_tastatur = nullptr;
    KorrekturAnzeige m_gezeigt;
    // The open throw-time box's value as last put in, not by the operator.
    bool m_wurfzeitOffen = false;
    QString m_wurfzeitText;
};
