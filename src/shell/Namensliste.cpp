#include "shell/Namensliste.h"

int NeuePosition(int gemerkt, int anzahl)
{
    if (anzahl <= 0 || gemerkt >= anzahl - 1) return anzahl;
    return gemerkt < 0 ? 0 : gemerkt + 1;
}

int Namensliste::einfuegen(const QString& text)
{
    if (voll()) return -1;
    const int pos = NeuePosition(gemerkt, int(eintraege.size()));
    eintraege.insert(pos, text);
    gemerkt = pos;
    return pos;
}

bool Namensliste::umbenennen(const QString& text)
{
    if (!hatGemerkten()) return false;
    eintraege[gemerkt] = text;
    return true;
}

bool Namensliste::loeschen()
{
    if (!hatGemerkten()) return false;
    eintraege.removeAt(gemerkt);
    gemerkt = eintraege.isEmpty() ? -1 : 0;
    return true;
}
