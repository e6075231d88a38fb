// Text fields refuse what Windows-1252 cannot hold, typed or pasted, and say which character.
#include "core/ui/Zeichenwache.h"

#include "support/Tippen.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QWindow>
#include <QRegularExpressionValidator>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The hint at the field, closed for the next check. It takes no click: a
// click on it goes to the window below.
QString hinweis(QWidget* feld)
{
    const std::unique_ptr<QLabel> l(feld->findChild<QLabel*>(QStringLiteral("Zeichenhinweis")));
    if (!l) return {};
    EXPECT_TRUE(l->windowHandle()->flags() & Qt::WindowTransparentForInput);
    EXPECT_TRUE(l->testAttribute(Qt::WA_TransparentForMouseEvents));
    return l->text();
}

QString abgelehnt(const char* z) { return QString::fromUtf8("„%1“ kann hier nicht gespeichert werden.").arg(QString::fromUtf8(z)); }

TEST(Zeichenwache, FieldsTakeOnlyWhatWindows1252Holds)
{
    ZeichenwacheEinrichten();
    QWidget fenster;
    auto* name = new QLineEdit(&fenster);
    auto* zahl = new QLineEdit(&fenster);
    zahl->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), zahl));
    auto* combo = new QComboBox(&fenster);
    combo->setEditable(true);
    auto* memo = new QPlainTextEdit(&fenster);
    auto* reich = new QTextEdit(&fenster);
    auto* frei = new QLineEdit(&fenster);
    ZeichenFrei(frei);
    auto* geheim = new QLineEdit(&fenster);
    geheim->setEchoMode(QLineEdit::Password);
    // Texts the program set, before and after the showing: what they hold stays, an edit adds nothing such.
    auto* vorher = new QLineEdit(QString::fromUtf8("/home/Yılmaz"), &fenster);
    auto* gewaehlt = new QLineEdit(&fenster);
    // Set twice: the second text's characters replace the first's.
    auto* zweimal = new QLineEdit(&fenster);
    fenster.show();
    gewaehlt->setText(QString::fromUtf8("/home/Ağa"));
    zweimal->setText(QString::fromUtf8("/home/Ağa"));
    zweimal->setText(QStringLiteral("/home/x"));
    // A rich text editor keeps the structure the program puts in: a picture and a table.
    QTextCursor c(reich->document());
    c.insertText(QStringLiteral("a"));
    QTextImageFormat bild;
    bild.setName(QStringLiteral("bild.png"));
    c.insertImage(bild);
    c.insertTable(1, 2);
    // Typed, or pasted with Ctrl+V: a pasted text with such a character stays out whole.
    const struct { QWidget* feld; const char *eingabe, *bleibt, *zeichen; bool einfuegen = false; } faelle[] = {
        {name, "Ömer Yılmaz €ß", "Ömer Ylmaz €ß", "ı"},
        {name, "Ağa 😀", "Ömer Ylmaz €ß", "ğ", true},
        {name, " ‰", "Ömer Ylmaz €ß ‰", "", true},
        {name, "😀", "Ömer Ylmaz €ß ‰", "😀", true},
        {vorher, "xı", "/home/Yılmazx", "ı"},
        {gewaehlt, "ğ", "/home/Ağa", "ğ", true},
        {gewaehlt, "x", "/home/Ağax", ""},
        {zweimal, "ğ", "/home/x", "ğ"},
        {combo->lineEdit(), "Şule", "ule", "Ş"},
        {zahl, "1a2ı3", "123", "ı"},
        {memo, "Yıl", "Yl", "ı"},
        {memo, "😀", "Yl", "😀", true},
        {memo, "\uFFFC", "Yl", "\uFFFC"},
        {memo, "\u2028", "Yl\n", ""},  // the line break of Shift+Return
        {reich, "", "a\uFFFC\uFDD0\uFDD0\uFDD1", ""},
        {frei, "Yıl", "Yıl", ""}};
    for (const auto& f : faelle) {
        QApplication::clipboard()->setText(QString::fromUtf8(f.eingabe));
        QKeyEvent strgV(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        f.einfuegen ? void(QApplication::sendEvent(f.feld, &strgV)) : Tippen(f.feld, QString::fromUtf8(f.eingabe));
        const QString ist = f.feld == reich ? reich->document()->toRawText()
                                            : f.feld->property(f.feld == memo ? "plainText" : "text").toString();
        EXPECT_EQ(ist, QString::fromUtf8(f.bleibt));
        EXPECT_EQ(hinweis(f.feld), *f.zeichen ? abgelehnt(f.zeichen) : QString()) << f.eingabe;
    }
    // A password field does not show the refused character either.
    Tippen(geheim, QString::fromUtf8("aı"));
    EXPECT_EQ(geheim->text(), QStringLiteral("a"));
    EXPECT_EQ(hinweis(geheim), QStringLiteral("Dieses Zeichen kann hier nicht gespeichert werden."));
}

}  // namespace
