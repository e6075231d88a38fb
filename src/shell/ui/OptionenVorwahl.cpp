#include "shell/ui/Optionen.h"
#include "shell/ui/OptionenSeiten.h"

namespace {

// Placeholder until the page is built.
class Leerseite final : public Optionenseite {
public:
    using Optionenseite::Optionenseite;
    void laden() override {}
    void speichern() override {}
    std::vector<Optionsschluessel> schluessel() const override { return {}; }
};

}  // namespace

Optionenseite* VorwahlSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabVorwahl")); }
