#pragma once
// What the pages Allgemein .. Anzeige of the options dialog share: a label
// that acts as a button, the makers of their controls and the step buttons
// that repeat while held.

#include <QLabel>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;

// A label used as a button: the click sound on mouse-down, `geklickt` on a
// release over it.
class Knopflabel : public QLabel {
    Q_OBJECT
public:
    Knopflabel(const QString& text, QWidget* eltern);

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

QCheckBox* Haken(QWidget* eltern, const char* name, const QString& text);
QLineEdit* Feld(QWidget* eltern, const char* name, int maxLaenge);
// An edit only as wide as its few characters.
QLineEdit* Schmal(QLineEdit* feld, int zeichen);
QComboBox* Auswahl(QWidget* eltern, const char* name, const QStringList& eintraege = {});
// A push button with the click sound on mouse-down; Return in a field
// presses OK, not this button.
QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis = {});
Knopflabel* Labelknopf(QWidget* eltern, const char* name, const QString& text);
// A caption; `name` may be null.
QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text);

// A step button without the click sound: mouse-down stores its held-button
// code and runs `schritt` once, then `timer` repeats the step of the code
// held until the button is released.
QPushButton* Schrittknopf(QWidget* eltern, const char* name, const QString& text, int code, QTimer* timer,
                          std::function<void(int code)> schritt);
// The repeating timer of the step buttons, 200 ms, stopped.
QTimer* Haltetimer(QObject* eltern, const char* name, std::function<void(int code)> schritt);
