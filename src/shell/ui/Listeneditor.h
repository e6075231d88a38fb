#pragma once
// The editor of a name list kept in an editable combo box, with its buttons
// for a new entry, a change and a deletion (groups, classes, the lane entries
// of a preset, e-mail recipients). The entries live in the combo until the
// dialog's OK takes them.
//
// New: the combo's text goes in directly after the remembered entry (the one
// last chosen), at the end when that is the last one; with touch input an
// empty entry goes there and the on-screen keyboard opens on it. Change: the
// remembered entry takes the combo's text (with touch input through the
// keyboard). Delete: the remembered entry goes, entry 0 is chosen. "New" is
// disabled while the list is full.

#include "core/Records.h"
#include "shell/Namensliste.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QPushButton;
class TastaturFelder;

class Listeneditor : public QObject {
    Q_OBJECT
public:
    // The combo becomes editable and never adds typed text itself. The entry
    // text is the keyboard's field `feldcode` with its prompt; it joins
    // `tastatur` (the page's fields and range) or, without one, a field set
    // of its own. The editor lives as long as the combo.
    Listeneditor(QComboBox* combo, QPushButton* neu, QPushButton* umbenennen, QPushButton* loeschen, u16 feldcode,
                 const QString& prompt, int hoechstens = 20, TastaturFelder* tastatur = nullptr);

    // The entries, entry 0 chosen (none for an empty list) and remembered;
    // "New" enabled below the limit.
    void fuellen(const QStringList& eintraege);
    // Chooses and remembers an entry (-1: none), as a click on it would.
    void auswaehlen(int index);
    QStringList eintraege() const;
    int gemerkt() const { return m_gemerkt; }

    // The handlers; the buttons and the combo's activation call them.
    void ComboClick();
    void NeuClick();
    void UmbenennenClick();
    void LoeschenClick();

    // A check of an entry's text: empty when accepted, else the message for
    // the operator. A new entry typed in the combo is checked before it is
    // added, and the keyboard's text before it is written into the list
    // (a change typed in the combo is taken as it stands).
    std::function<QString(const QString&)> pruefen;

signals:
    // Each of the three buttons was pressed.
    void bearbeitet();

private:
    Namensliste stand() const;
    void anwenden(const Namensliste& liste);
    void neuKnopfSetzen();
    bool tastaturOeffnen();
    void tastaturSchreiben(const QString& text);

    QComboBox* m_combo;
    QPushButton* m_neu;
    u16 m_feldcode;
    int m_hoechstens;
    int m_gemerkt = -1;
};
