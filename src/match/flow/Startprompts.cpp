#include "match/flow/Startprompts.h"

namespace {
SkriptPrompts g_skript;
StartPrompts* g_prompts = &g_skript;
}  // namespace

void setStartPrompts(StartPrompts* p) { g_prompts = p ? p : &g_skript; }
StartPrompts& startPrompts() { return *g_prompts; }
SkriptPrompts& skriptPrompts() { return g_skript; }

QString PruefenText(int tag)
{
    if (tag > 200) return QStringLiteral("Drucker für Bahn %1 ohne Verbindung !").arg(tag - 200);
    if (tag > 100) return QStringLiteral("Drucker für Bahn %1 ist nicht bereit !").arg(tag - 100);
    return QStringLiteral("Bahn %1 ist nicht bereit !").arg(tag);
}
