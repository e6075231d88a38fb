#pragma once
// The preview "Formular" of the position dialog: the blank form of the
// layout berichtZustand.FormularIndex at full size, with the field's text in
// a dotted frame that the operator drags to its place and width with the
// mouse or moves with the arrow keys.

#include "report/formulare/Positionen.h"

#include <QDialog>
#include <QPoint>
#include <QRect>

class QLabel;
class QPushButton;
class QScrollArea;
class Zeitgeber;

// The dotted frame around the text; the preview handles its mouse.
class Textrahmen : public QWidget {
public:
    explicit Textrahmen(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TFormular : public QDialog {
    Q_OBJECT
public:
    explicit TFormular(QWidget* parent = nullptr);

    // The text and its place as the caller gives them, before FormActivate.
    void textSetzen(const QString& text, int top, int left, int width);
    // Loads the picture and places the text in the layout's font. False,
    // after a message naming the missing picture, when there is none: the
    // preview is then not shown.
    bool FormActivate();
    // The field's position: top (the line the text stands on, one font
    // height below the text's top) = y, left = x, and the text's width.
    QRect textRechteck() const;

    // An arrow key with its modifiers; other keys do nothing. True when handled.
    bool FormKeyDown(int taste, Qt::KeyboardModifiers modifier);
    // The 50 ms step while the text is moved: scrolls where it left the view.
    void TimerMouseOutGo();

    QScrollArea* PAnsicht;
    QLabel* ImageAnsicht;
    QLabel* LText;
    Textrahmen* SText;
    QPushButton *BtnOk, *BtnAbbrechen;
    Zeitgeber* TimerMouseOut;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Ziehen { Nichts, Bewegen, Breite };

    void TextMouseDown(QMouseEvent* event);
    void TextMouseMove(QMouseEvent* event);
    void TextMouseUp();
    void rahmenSetzen(const QRect& r);
    Vorschausicht sicht() const;
    void bildlaufSetzen(QPoint p);

    QRect m_start;  // as given: top, left, width
    int m_oben = 0;  // the text's top lies this far above the field's top
    Ziehen m_ziehen = Ziehen::Nichts;
    QPoint m_druck;  // the press point within the frame
};
