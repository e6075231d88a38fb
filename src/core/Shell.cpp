#include "core/Shell.h"

namespace {

class NullShellStarter final : public ShellStarter {
public:
    void oeffnen(const QString&, const QString&, const QString&, int) override {}
};

NullShellStarter g_null;
ShellStarter* g_starter = &g_null;

}  // namespace

void setShellStarter(ShellStarter* starter) { g_starter = starter ? starter : &g_null; }
ShellStarter& shellStarter() { return *g_starter; }

void DateiAusfuehren(const QString& datei, const QString& ordner, const QString& parameter, int anzeigemodus)
{
    constexpr qsizetype maxLaenge = 255;
    g_starter->oeffnen(datei.left(maxLaenge), ordner.left(maxLaenge), parameter.left(maxLaenge), anzeigemodus);
}
