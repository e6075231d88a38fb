#pragma once
// A list of names edited in place (groups, classes, the lane entries of a
// preset, e-mail recipients, the presets themselves): the entries, the
// remembered entry (the one last chosen; -1 none) and the limit. A new entry
// goes directly after the remembered one; renaming and deleting act on the
// remembered one.

#include <QString>
#include <QStringList>

// Where a new entry goes in a list of `anzahl` entries with entry `gemerkt`
// remembered: directly after it; at the end when it is the last entry or the
// list is empty.
int NeuePosition(int gemerkt, int anzahl);

struct Namensliste {
    QStringList eintraege;
    int gemerkt = -1;
    int hoechstens = 20;

    bool voll() const { return eintraege.size() >= hoechstens; }
    bool hatGemerkten() const { return gemerkt >= 0 && gemerkt < eintraege.size(); }

    // Inserts the text at NeuePosition(), which becomes the remembered entry;
    // -1, with nothing added, when the list is full.
    int einfuegen(const QString& text);
    // The remembered entry takes the text; false when none is remembered.
    bool umbenennen(const QString& text);
    // Deletes the remembered entry; entry 0 becomes the remembered one (-1
    // once the list is empty). False, with nothing deleted, when none is
    // remembered.
    bool loeschen();
};
