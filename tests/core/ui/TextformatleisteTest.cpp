// The formatting bar on a rich-text editor: what the buttons do to the
// selection and what the bar shows of the caret's format.
#include "core/ui/Textformatleiste.h"
#include "core/ui/Zeichenwache.h"
#include "support/Tippen.h"

#include <QComboBox>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Leiste {
    QWidget fenster;
    QTextEdit* editor = new QTextEdit(&fenster);
    Textformatleiste* leiste = new Textformatleiste({"CFont", "CGroesse"}, {8, 10, 12}, &fenster);

    Leiste()
    {
        editor->setPlainText(QStringLiteral("Erste Zeile\nZweite Zeile"));
        leiste->bearbeiten(editor);
        editor->selectAll();
    }
    QTextCharFormat format() const
    {
        QTextCursor c(editor->document());
        c.setPosition(3);
        return c.charFormat();
    }
};

TEST(Textformatleiste, BoldItalicAndSizeReachTheSelectionAndShowInTheBar)
{
    Leiste l;
    EXPECT_EQ(l.leiste->Groesse->objectName(), QStringLiteral("CGroesse"));
    l.leiste->SBtnFett->click();
    l.leiste->SBtnKursiv->click();
    l.leiste->Groesse->setCurrentIndex(2);
    emit l.leiste->Groesse->activated(2);
    EXPECT_EQ(l.format().fontWeight(), QFont::Bold);
    EXPECT_TRUE(l.format().fontItalic());
    EXPECT_EQ(l.format().fontPointSize(), 12);

    // Bold again switches it off; the caret's format shows in the bar.
    l.leiste->SBtnFett->click();
    EXPECT_NE(l.format().fontWeight(), QFont::Bold);
    QTextCursor c = l.editor->textCursor();
    c.setPosition(2);
    l.editor->setTextCursor(c);
    EXPECT_FALSE(l.leiste->SBtnFett->isChecked());
    EXPECT_TRUE(l.leiste->SBtnKursiv->isChecked());
    EXPECT_EQ(l.leiste->Groesse->currentText(), QStringLiteral("12"));
}

// Rich text keeps every character: its file writes those beyond Windows-1252 as "\\uN?".
TEST(Textformatleiste, TheEditorTakesEveryCharacter)
{
    ZeichenwacheEinrichten();
    Leiste l;
    l.fenster.show();
    l.editor->moveCursor(QTextCursor::End);
    Tippen(l.editor, QStringLiteral("\u0131"));
    EXPECT_EQ(l.editor->toPlainText(), QStringLiteral("Erste Zeile\nZweite Zeile\u0131"));
}

// The first-line indent steps by 40 and never reaches left of the page.
TEST(Textformatleiste, IndentStepsAndStopsAtThePage)
{
    Leiste l;
    l.leiste->SBtnRight->click();
    for (QTextBlock b = l.editor->document()->begin(); b.isValid(); b = b.next())
        EXPECT_EQ(b.blockFormat().textIndent(), 40);
    l.leiste->SBtnLeft->click();
    l.leiste->SBtnLeft->click();
    EXPECT_EQ(l.editor->document()->begin().blockFormat().textIndent(), 0);
}

}  // namespace
