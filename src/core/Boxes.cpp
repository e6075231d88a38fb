#include "core/Boxes.h"

namespace {
SkriptBoxen g_skript;
Boxen* g_boxen = &g_skript;
}  // namespace

void SkriptBoxen::hinweis(const QString& text) { gezeigt.append(text); }

int SkriptBoxen::hinweisJa(const QString& text)
{
    gezeigt.append(text);
    return antworten.isEmpty() ? ErgebnisNein : antworten.takeFirst();
}

int SkriptBoxen::hinweisJaTitel(const QString& t, const QString& text)
{
    titel.append(t);
    return hinweisJa(text);
}

int SkriptBoxen::hinweisOk(const QString& text)
{
    gezeigt.append(text);
    return antworten.isEmpty() ? ErgebnisAbbrechen : antworten.takeFirst();
}

int SkriptBoxen::hinweisMulti(const QString& text)
{
    gezeigt.append(text);
    return antworten.isEmpty() ? ErgebnisAbbrechen : antworten.takeFirst();
}

std::optional<QString> SkriptBoxen::eingabe(const EingabeAnfrage& anfrage)
{
    anfragen.append(anfrage);
    gezeigt.append(anfrage.beschriftung);
    return eingaben.isEmpty() ? std::nullopt : eingaben.takeFirst();
}

std::optional<int> SkriptBoxen::hinweisAlt(const QString& text, const QStringList& wahl, int vorgewaehlt)
{
    alternativen.append({text, wahl, vorgewaehlt});
    gezeigt.append(text);
    return wahlen.isEmpty() ? std::nullopt : wahlen.takeFirst();
}

void setBoxen(Boxen* b) { g_boxen = b ? b : &g_skript; }
Boxen& boxen() { return *g_boxen; }
SkriptBoxen& skriptBoxen() { return g_skript; }
