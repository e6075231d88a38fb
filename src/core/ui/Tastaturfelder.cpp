#include "core/ui/Tastaturfelder.h"

#include "core/Globals.h"
#include "core/ui/Keyb.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

QString FeldText(const QLineEdit* edit)
{
    const QString t = edit->text();
    if (edit->inputMask().isEmpty()) return t;
    for (QChar c : t)
        if (c.isLetterOrNumber()) return t;
    return QString();
}

void FeldSchreiben(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text) return;
    edit->setText(text);
    // Typed, not filled in: setText clears the edited mark.
    edit->setModified(true);
    emit edit->textEdited(edit->text());
}

TastaturFelder::TastaturFelder(QWidget* fenster, u16 min, u16 max)
    : QObject(fenster), touchAn([] { return TouchEingabe != 0; }), m_min(min), m_max(max)
{
}

TastaturFelder::~TastaturFelder() { feldregister().abmelden(this); }

void TastaturFelder::bereich(u16 min, u16 max)
{
    m_min = min;
    m_max = max;
}

void TastaturFelder::feld(u16 code, const QString& prompt, u8 modus, QLineEdit* edit)
{
    Tastaturfeld f;
    f.code = code;
    f.prompt = prompt;
    f.modus = modus;
    f.lesen = [edit] { return FeldText(edit); };
    f.schreiben = [edit](const QString& t) { FeldSchreiben(edit, t); };
    f.maxLaenge = [edit] { return edit->maxLength(); };
    feld(f, edit);
}

void TastaturFelder::feld(u16 code, const QString& prompt, u8 modus, QComboBox* combo)
{
    Tastaturfeld f;
    f.code = code;
    f.prompt = prompt;
    f.modus = modus;
    f.lesen = [combo] { return combo->currentText(); };
    f.schreiben = [combo](const QString& t) {
        const int i = combo->currentIndex();
        if (i >= 0) combo->setItemText(i, t);
        if (QLineEdit* e = combo->lineEdit()) FeldSchreiben(e, t);
    };
    f.maxLaenge = [combo] { return combo->lineEdit() ? combo->lineEdit()->maxLength() : 32767; };
    feld(f, combo);
    if (combo->lineEdit()) beobachten(combo->lineEdit(), code);
}

void TastaturFelder::zeile(u16 code, const QString& prompt, QPlainTextEdit* memo, int zeile)
{
    Tastaturfeld f;
    f.code = code;
    f.prompt = prompt;
    f.modus = ModusText;
    f.lesen = [memo, zeile] { return memo->toPlainText().split(QLatin1Char('\n')).value(zeile - 1); };
    f.schreiben = [memo, zeile](const QString& t) {
        QStringList zeilen = memo->toPlainText().split(QLatin1Char('\n'));
        while (zeilen.size() < zeile) zeilen.append(QString());
        if (zeilen[zeile - 1] == t) return;
        zeilen[zeile - 1] = t;
        memo->setPlainText(zeilen.join(QLatin1Char('\n')));
    };
    f.maxLaenge = [] { return 80; };
    feld(f, memo);
    beobachten(memo->viewport(), code);
}

void TastaturFelder::feld(Tastaturfeld f, QWidget* control)
{
    f.ziel = control;
    const auto inhaber = m_inhaber.find(f.code);
    const bool geteilt = inhaber != m_inhaber.end() && inhaber->second != control && m_felder.count(inhaber->second);
    if (!geteilt) {
        if (!feldregister().anmelden(f, this)) return;
        m_inhaber[f.code] = control;
    }
    m_felder[control] = f;
    beobachten(control, f.code);
}

void TastaturFelder::uebernehmen(QObject* o, u16 code)
{
    auto f = m_felder.find(o);
    if (f == m_felder.end() && o) f = m_felder.find(o->parent());
    if (f == m_felder.end() || f->second.code != code || m_inhaber[code] == f->first) return;
    feldregister().abmelden(code, this);
    if (feldregister().anmelden(f->second, this)) m_inhaber[code] = f->first;
}

void TastaturFelder::beobachten(QWidget* w, u16 code)
{
    m_codes[w] = code;
    w->installEventFilter(this);
}

bool TastaturFelder::eventFilter(QObject* o, QEvent* e)
{
    const auto it = m_codes.find(o);
    if (it == m_codes.end()) return false;
    const auto* maus = dynamic_cast<QMouseEvent*>(e);
    if (!maus || maus->button() != Qt::LeftButton) return false;

    bool tippen = false;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        FeldcodeMin = m_min;
        FeldcodeMax = m_max;
        m_nachDoppel = false;
        break;
    case QEvent::MouseButtonDblClick:
        m_nachDoppel = true;
        tippen = true;
        break;
    case QEvent::MouseButtonRelease:
        // The release after a double click is no further tap.
        tippen = !m_nachDoppel && static_cast<QWidget*>(o)->rect().contains(maus->position().toPoint());
        m_nachDoppel = false;
        break;
    default: break;
    }
    if (!tippen || !touchAn || !touchAn()) return false;

    // A memo's taps arrive at its viewport; the keyboard knows the memo.
    QWidget* control = qobject_cast<QWidget*>(o);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control ? control->parentWidget() : nullptr)) control = memo;
    uebernehmen(o, it->second);
    Feldcode = it->second;
    FeldcodeMin = m_min;
    FeldcodeMax = m_max;
    if (TastaturAnzeigen(control) && geoeffnet) geoeffnet(control);
    return false;
}
