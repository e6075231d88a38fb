#include "core/ui/Zeichenwache.h"

#include "core/Cp1252.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

namespace {

constexpr char FreiMarke[] = "ZeichenFrei";
constexpr char Bewacht[] = "Zeichenwache";
constexpr int HinweisMs = 3000;

bool frei(const QWidget* feld)
{
    for (const QWidget* w = feld; w; w = w->parentWidget())
        if (w->property(FreiMarke).toBool() || qobject_cast<const QFileDialog*>(w)) return true;
    return false;
}

// The first character of the text that Windows-1252 cannot hold (both halves
// of a character outside the BMP); empty when there is none.
QString fremdesZeichen(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Cp1252::holds(text[i])) continue;
        const bool paar = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, paar ? 2 : 1).toString();
    }
    return {};
}

QPointer<QLabel> hinweis;

void melden(QWidget* feld, const QString& zeichen)
{
    QApplication::beep();
    if (hinweis) {
        hinweis->hide();
        hinweis->deleteLater();
    }
    // A password field does not show what was typed, not even the refused character.
    auto* zeile = qobject_cast<QLineEdit*>(feld);
    const bool verdeckt = zeile && zeile->echoMode() != QLineEdit::Normal;
    hinweis = new QLabel(verdeckt ? QStringLiteral("Dieses Zeichen kann hier nicht gespeichert werden.")
                                  : QStringLiteral("„%1“ kann hier nicht gespeichert werden.").arg(zeichen),
                         feld, Qt::ToolTip);
    hinweis->setObjectName(QStringLiteral("Zeichenhinweis"));
    hinweis->setPalette(QToolTip::palette());
    hinweis->setFont(QToolTip::font());
    hinweis->setFrameStyle(QFrame::Box | QFrame::Plain);
    hinweis->setMargin(3);
    hinweis->adjustSize();
    hinweis->move(feld->mapToGlobal(QPoint(0, feld->height())));
    hinweis->show();
    QTimer::singleShot(HinweisMs, hinweis.data(), &QObject::deleteLater);
}

// Refuses what Windows-1252 cannot hold; the rest goes to the field's own validator.
class Zeichenpruefer final : public QValidator {
public:
    Zeichenpruefer(QLineEdit* feld, const QValidator* eigener) : QValidator(feld), m_feld(feld), m_eigener(eigener) {}

    State validate(QString& text, int& stelle) const override
    {
        abgelehnt = frei(m_feld) ? QString() : fremdesZeichen(text);
        if (!abgelehnt.isEmpty()) return Invalid;
        return m_eigener ? m_eigener->validate(text, stelle) : Acceptable;
    }
    void fixup(QString& text) const override
    {
        if (m_eigener) m_eigener->fixup(text);
    }

    mutable QString abgelehnt;  // the character the last check refused

private:
    QLineEdit* m_feld;
    QPointer<const QValidator> m_eigener;
};

void bewachen(QLineEdit* feld)
{
    if (dynamic_cast<const Zeichenpruefer*>(feld->validator())) return;
    auto* pruefer = new Zeichenpruefer(feld, feld->validator());
    feld->setValidator(pruefer);
    QObject::connect(feld, &QLineEdit::inputRejected, pruefer, [feld, pruefer] {
        // An edit leaves an undo step; a text the program sets does not, and keeps what it holds.
        if (!pruefer->abgelehnt.isEmpty() && feld->isUndoAvailable()) melden(feld, pruefer->abgelehnt);
    });
}

bool textgeruest(QChar z)
{
    return z == QChar::ParagraphSeparator || z == QChar::LineSeparator || z == QChar::ObjectReplacementCharacter ||
           z == QChar(0xFDD0) || z == QChar(0xFDD1);  // the beginning and end of a frame
}

// A text editor has no validator: what it took is taken out again before
// the editor tells of the change, in the same undo step.
void bewachen(QWidget* editor, QTextDocument* dokument)
{
    if (dokument->property(Bewacht).toBool()) return;
    dokument->setProperty(Bewacht, true);
    QObject::connect(dokument, &QTextDocument::contentsChange, editor, [editor, dokument](int von, int, int dazu) {
        if (editor->property("readOnly").toBool() || frei(editor)) return;
        QString zeichen;
        QTextCursor c(dokument);
        for (int i = von + dazu - 1; i >= von; --i) {
            const QChar z = dokument->characterAt(i);
            if (Cp1252::holds(z) || textgeruest(z)) continue;
            const bool paar = z.isLowSurrogate() && i > von && dokument->characterAt(i - 1).isHighSurrogate();
            if (paar) --i;
            if (zeichen.isEmpty()) c.joinPreviousEditBlock();
            c.setPosition(i);
            c.setPosition(i + (paar ? 2 : 1), QTextCursor::KeepAnchor);
            zeichen = c.selectedText();
            c.removeSelectedText();
        }
        if (zeichen.isEmpty()) return;
        c.endEditBlock();
        melden(editor, zeichen);
    });
}

class Zeichenwache final : public QObject {
public:
    explicit Zeichenwache(QObject* eltern) : QObject(eltern) { setObjectName(QLatin1String(Bewacht)); }

protected:
    // Polish comes before a field's first showing; Show also finds a validator set later.
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Polish && e->type() != QEvent::Show) return false;
        if (auto* feld = qobject_cast<QLineEdit*>(o))
            bewachen(feld);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(o))
            bewachen(memo, memo->document());
        else if (auto* text = qobject_cast<QTextEdit*>(o))
            bewachen(text, text->document());
        return false;
    }
};

}  // namespace

void ZeichenwacheEinrichten()
{
    if (qApp->findChild<QObject*>(QLatin1String(Bewacht), Qt::FindDirectChildrenOnly)) return;
    qApp->installEventFilter(new Zeichenwache(qApp));
}

void ZeichenFrei(QWidget* feld, bool frei) { feld->setProperty(FreiMarke, frei); }
