#include "core/Berichtdienste.h"

namespace {
BerichtDienste g_kein;
BerichtDienste* g_bericht = &g_kein;
}  // namespace

void setBerichtDienste(BerichtDienste* b) { g_bericht = b ? b : &g_kein; }
BerichtDienste& bericht() { return *g_bericht; }
