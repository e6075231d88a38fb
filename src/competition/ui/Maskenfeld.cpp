#include "competition/ui/Maskenfeld.h"

#include "core/Boxes.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>

namespace {

// The positions of the display text that take input, and whether every one
// takes digits only: from the mask ("99.99.99; ", "999").
struct Maskenstellen {
    QList<int> eingabe;
    bool nurZiffern = true;
    QChar leer = QLatin1Char(' ');  // an open position shows it
};

Maskenstellen StellenLesen(const QString& maske)
{
    Maskenstellen m;
    const QString muster = maske.section(QLatin1Char(';'), 0, 0);
    const QString blank = maske.section(QLatin1Char(';'), 1);
    if (!blank.isEmpty()) m.leer = blank.at(0);
    int stelle = 0;
    for (qsizetype i = 0; i < muster.size(); ++i) {
        const QChar c = muster.at(i);
        if (c == u'<' || c == u'>' || c == u'!') continue;  // case switches take no place
        if (c == u'\\') {
            ++i;  // an escaped literal
        } else if (QStringLiteral("AaNnXx90DdHhBb#").contains(c)) {
            m.eingabe << stelle;
            if (!QStringLiteral("90Dd#").contains(c)) m.nurZiffern = false;
        }
        ++stelle;
    }
    return m;
}

class Maskenfilter final : public QObject {
public:
    explicit Maskenfilter(QLineEdit* e) : QObject(e), m_edit(e) {}

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o != m_edit || e->type() != QEvent::KeyPress || m_edit->isReadOnly()) return false;
        auto* taste = static_cast<QKeyEvent*>(e);
        const QString text = taste->text();
        if (text.isEmpty() || !text.at(0).isPrint() ||
            (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;

        const Maskenstellen m = StellenLesen(m_edit->inputMask());
        const QString vorher = m_edit->displayText();
        int offen = -1;
        for (int s : m.eingabe)
            if (s < vorher.size() && vorher.at(s) == m.leer) {
                offen = s;
                break;
            }
        if (!m_edit->hasSelectedText() && offen >= 0 && m_edit->cursorPosition() > offen)
            m_edit->setCursorPosition(offen);

        const int stelle = m_edit->cursorPosition();
        static_cast<QObject*>(m_edit)->event(e);
        // Taken, the character moves the caret on (also over an equal one).
        if (m_edit->displayText() == vorher && m_edit->cursorPosition() == stelle) {
            if (offen < 0 && stelle >= vorher.size())
                boxen().hinweis(QStringLiteral("Das Feld ist voll: „%1“ passt nicht mehr hinein.").arg(text));
            else if (m.nurZiffern)
                boxen().hinweis(QStringLiteral("„%1“ passt nicht in das Feld: es nimmt nur Ziffern auf.").arg(text));
            else
                boxen().hinweis(QStringLiteral("„%1“ passt nicht an diese Stelle des Feldes.").arg(text));
        }
        return true;
    }

private:
    QLineEdit* m_edit;
};

}  // namespace

void MaskenfeldEinrichten(QLineEdit* e)
{
    if (!e || e->inputMask().isEmpty()) return;
    e->installEventFilter(new Maskenfilter(e));
}
