#include "core/ui/Zeichenwache.h"

#include "core/Cp1252.h"

#include <QApplication>
#include <QFileDialog>
#include <QHash>
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
#include <QWindow>

namespace {

constexpr char FreiMarke[] = "ZeichenFrei";
constexpr char Bewacht[] = "Zeichenwache";
constexpr int HinweisMs = 3000;

bool frei(const QWidget* feld)
{
    for (const QWidget* w = feld; w; w = w->parentWidget())
        if (w->property(FreiMarke).toBool() || qobject_cast<const QFileDialog*>(w) ||
            w->inherits("QAbstractPrintDialog"))
            return true;
    return false;
}

// The first such character of the text beyond those of `vorhanden` (each
// counted as often as it is there); empty when there is none.
QString neuesFremdesZeichen(QStringView text, const QStringList& vorhanden = {})
{
    QHash<QString, qsizetype> frei;
    for (const QString& z : vorhanden) ++frei[z];
    for (const QString& z : Cp1252::fremdeZeichen(text))
        if (--frei[z] < 0) return z;
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
    // Like a tool tip it takes no focus, and no click either: a click on it
    // goes to what lies below.
    hinweis = new QLabel(verdeckt ? QStringLiteral("Dieses Zeichen kann hier nicht gespeichert werden.")
                                  : QStringLiteral("„%1“ kann hier nicht gespeichert werden.").arg(zeichen),
                         feld, Qt::ToolTip);
    hinweis->setAttribute(Qt::WA_TransparentForMouseEvents);
    hinweis->setObjectName(QStringLiteral("Zeichenhinweis"));
    hinweis->setPalette(QToolTip::palette());
    hinweis->setFont(QToolTip::font());
    hinweis->setFrameStyle(QFrame::Box | QFrame::Plain);
    hinweis->setMargin(3);
    hinweis->adjustSize();
    hinweis->move(feld->mapToGlobal(QPoint(0, feld->height())));
    hinweis->show();
    // On its native window: X11 takes it only from a window that exists.
    hinweis->windowHandle()->setFlag(Qt::WindowTransparentForInput);
    QTimer::singleShot(HinweisMs, hinweis.data(), &QObject::deleteLater);
}

// Refuses what an edit adds that Windows-1252 cannot hold; the rest goes to
// the field's own validator. A text the program sets leaves no undo step:
// it is taken as it is, and its characters stay allowed while it is edited.
class Zeichenpruefer final : public QValidator {
public:
    Zeichenpruefer(QLineEdit* feld, const QValidator* eigener)
        : QValidator(feld), m_feld(feld), m_eigener(eigener), m_programm(Cp1252::fremdeZeichen(feld->text()))
    {
    }

    State validate(QString& text, int& stelle) const override
    {
        abgelehnt.clear();
        if (!m_frei && !m_feld->isUndoAvailable())
            m_programm = Cp1252::fremdeZeichen(text);
        else if (!m_frei)
            abgelehnt = neuesFremdesZeichen(text, m_programm);
        if (!abgelehnt.isEmpty()) return Invalid;
        return m_eigener ? m_eigener->validate(text, stelle) : Acceptable;
    }
    void fixup(QString& text) const override
    {
        if (m_eigener) m_eigener->fixup(text);
    }
    void pruefen() { m_frei = frei(m_feld); }

    mutable QString abgelehnt;  // the character the last check refused

private:
    QLineEdit* m_feld;
    QPointer<const QValidator> m_eigener;
    bool m_frei = false;
    mutable QStringList m_programm;  // the characters of the program's text beyond Windows-1252
};

void bewachen(QLineEdit* feld)
{
    auto* pruefer = const_cast<Zeichenpruefer*>(dynamic_cast<const Zeichenpruefer*>(feld->validator()));
    if (!pruefer) {
        pruefer = new Zeichenpruefer(feld, feld->validator());
        feld->setValidator(pruefer);
        QObject::connect(feld, &QLineEdit::inputRejected, pruefer, [feld, pruefer] {
            if (!pruefer->abgelehnt.isEmpty()) melden(feld, pruefer->abgelehnt);
        });
    }
    pruefer->pruefen();
}

// A character of the document's own structure, not of its text: a paragraph
// or line break (Shift+Return), the start or end of a frame (a pasted or
// typed one never stays as such), an inline object such as a picture.
bool textgeruest(QTextDocument* dokument, int stelle, QChar z)
{
    if (z == QChar::ParagraphSeparator || z == QChar::LineSeparator || z == QChar(0xFDD0) || z == QChar(0xFDD1))
        return true;
    if (z != QChar::ObjectReplacementCharacter) return false;
    QTextCursor c(dokument);
    c.setPosition(stelle + 1);
    return c.charFormat().objectType() != QTextFormat::NoObject;
}

// The watch of a text editor's document: it has no validator, so what it
// took is taken out again before the editor tells of the change, in the
// same undo step.
class Textwache final : public QObject {
public:
    Textwache(QWidget* editor, QTextDocument* dokument) : QObject(dokument), m_editor(editor)
    {
        setObjectName(QLatin1String(Bewacht));
        connect(dokument, &QTextDocument::contentsChange, this, [this, dokument](int von, int, int dazu) {
            if (!m_frei && !m_editor->property("readOnly").toBool()) entfernen(dokument, von, dazu);
        });
    }
    void pruefen() { m_frei = frei(m_editor); }

private:
    void entfernen(QTextDocument* dokument, int von, int dazu)
    {
        QString zeichen;
        QTextCursor c(dokument);
        for (int i = von + dazu - 1; i >= von; --i) {
            const QChar z = dokument->characterAt(i);
            if (Cp1252::holds(z) || textgeruest(dokument, i, z)) continue;
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
        melden(m_editor, zeichen);
    }

    QWidget* m_editor;
    bool m_frei = false;
};

void bewachen(QWidget* editor, QTextDocument* dokument)
{
    QObject* o = dokument->findChild<QObject*>(QLatin1String(Bewacht), Qt::FindDirectChildrenOnly);
    auto* wache = dynamic_cast<Textwache*>(o);
    if (!wache) wache = new Textwache(editor, dokument);
    wache->pruefen();
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

void ZeichenFrei(QWidget* feld, bool frei)
{
    feld->setProperty(FreiMarke, frei);
    // The watches have no meta-object of their own, so qobject_cast cannot tell them.
    for (auto* v : feld->findChildren<QValidator*>())
        if (auto* pruefer = dynamic_cast<Zeichenpruefer*>(v)) pruefer->pruefen();
    for (auto* o : feld->findChildren<QObject*>(QLatin1String(Bewacht)))
        if (auto* wache = dynamic_cast<Textwache*>(o)) wache->pruefen();
}

bool ZeichenPasst(QWidget* feld, const QString& text)
{
    const QString zeichen = frei(feld) ? QString() : neuesFremdesZeichen(text);
    if (!zeichen.isEmpty()) melden(feld, zeichen);
    return zeichen.isEmpty();
}
