#pragma once
// The input box: a label, an edit, OK and cancel, and two arrow buttons that
// step the number in the edit while held.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The input box's one field for the on-screen keyboard.
constexpr unsigned short FeldcodeEingabe = 270;

class TEingabefenster : public QDialog {
    Q_OBJECT
public:
    explicit TEingabefenster(QWidget* parent = nullptr);

    QLabel* LEingabe;
    QLineEdit* EEingabe;
    QPushButton* BtnOk;
    QPushButton* BtnAbbrechen;
    QPushButton* BtnUp;
    QPushButton* BtnDown;
    QTimer* TimerBtn;  // repeats the step while an arrow is held

    // Set by the caller before showing.
    float Schritt = 1;
    QString Zahlformat;
    int Modus = 0;

public slots:
    void BtnUpGedrueckt();
    void BtnDownGedrueckt();
    void BtnLosgelassen();
    void TimerBtnTick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void schritt(bool hoch);
    void getippt(const QString& text);

    int m_richtung = 0;  // +1 up, -1 down, 0 no arrow held
};
