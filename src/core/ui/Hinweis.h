#pragma once
// The notice windows of the operator: a centred text and one to three buttons.
// THinweis is the plain notice; THinweisJa, THinweisOk and THinweisMulti ask.
// A window never grows wider than the main window nor beyond the screen it
// shows on: a longer text wraps (a word too long for a line is broken), a
// taller one scrolls.

#include <QDialog>
#include <QList>
#include <QString>

class QFont;
class QLabel;
class QPushButton;
class QToolButton;
class QScrollArea;

// Width of a notice window for a label of that width: 480 up to 400 pixels,
// label + 60 above the upper limit, unchanged in between.
int HinweisBreite(int labelBreite, int aktuelleBreite, int obereGrenze);

// Width of the question with three buttons: 524, label + 60 above 464 pixels.
int HinweisMultiBreite(int labelBreite);

// The width of the main window, which no notice window exceeds.
inline constexpr int HinweisHoechstbreite = 1024;

// The text with a break opportunity (a zero-width space) between the
// characters of each word wider than `breite` pixels in that font, so that
// a word-wrapped label of that width shows it whole.
QString Umbrechbar(const QString& text, const QFont& schrift, int breite);

// A button of the boxes: name, text, click sound when pressed.
QPushButton* BoxKnopf(QWidget* eltern, const QString& name, const QString& text);
// A dialog's button that Return does not press unless it is the default.
QPushButton* DialogKnopf(QWidget* eltern, const char* name, const QString& text);
// A tool button of a formatting bar (bold, italic, colour): 32 x 28.
QToolButton* Schaltknopf(QWidget* eltern, const char* name, const QString& text, const QString& tipp);
// Moves the window to the middle of the screen it is on (or the primary one).
void Zentrieren(QWidget* fenster);
// The widget, named.
template <typename T>
T* Benannt(T* w, const char* name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

// What the three notice windows share: size, colour, label, sound, width rule.
class THinweisFenster : public QDialog {
    Q_OBJECT
public:
    QLabel* LHinweis;
    QScrollArea* RollHinweis;  // holds LHinweis; scrolls a text taller than the screen

    // After the caller has set the text: the window width for it, at most
    // the width of the main window and of the screen, and the height the
    // text needs.
    void BreiteAnpassen();

protected:
    struct Art {
        QString titel;
        QString sound;        // played when shown
        int abbruch;          // modal result of Esc and close
        int obereGrenze;      // of the width rule
        bool schrift12;       // label set to 12 point before measuring
        int (*breite)(int labelBreite) = nullptr;  // own rule in place of HinweisBreite
    };
    THinweisFenster(QWidget* parent, const Art& art);
    // A button at the bottom that closes with 'ergebnis'.
    QPushButton* knopf(const QString& name, const QString& text, int ergebnis);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

public slots:
    void reject() override;

private:
    void anordnen();

    Art m_art;
    QWidget* m_textflaeche;  // the scrolled area around LHinweis
    QList<QPushButton*> m_knoepfe;
};

class THinweis : public THinweisFenster {
    Q_OBJECT
public:
    explicit THinweis(QWidget* parent = nullptr);
    QPushButton* BtnOk;
};
