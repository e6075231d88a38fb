#pragma once
// The formatting bar of a rich-text editor: font, size, bold, italic, colour
// of the selection and the first-line indent of its paragraphs. The format
// at the caret shows in the bar. The buttons click when pressed.

#include <QList>
#include <QWidget>

class QComboBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

class Textformatleiste : public QWidget {
    Q_OBJECT
public:
    // The objectNames of the font and size lists, as the window names them.
    struct Namen {
        const char* schriftart;
        const char* groesse;
    };
    // 'groessen': the point sizes the size list offers.
    Textformatleiste(const Namen& namen, const QList<int>& groessen, QWidget* eltern);

    // The editor the bar formats from now on; its format shows at once.
    void bearbeiten(QTextEdit* editor);

    QComboBox *Schriftart, *Groesse;
    QToolButton *SBtnFett, *SBtnKursiv, *SBtnSchriftfarbe, *SBtnLeft, *SBtnRight;

private:
    void formatAnwenden(const QTextCharFormat& format);
    void schriftartWaehlen(int index);
    void groesseWaehlen(int index);
    void fettUmschalten();
    void kursivUmschalten();
    void schriftfarbeWaehlen();
    void einzug(int schritt);
    void formatZeigen(const QTextCharFormat& format);
    QColor textfarbe(const QTextCharFormat& format) const;

    QTextEdit* m_editor = nullptr;
};
