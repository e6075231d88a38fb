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

Optionenseite* AllgemeinSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabAllgemein")); }
Optionenseite* AnsichtSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabAnsicht")); }
Optionenseite* SystemSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabSystem")); }
Optionenseite* ProgrammeSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabProgramme")); }
Optionenseite* InternetSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabInternet")); }
Optionenseite* EmailSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabEmail")); }
Optionenseite* AnzeigeSeite(TOptionen& dialog) { return new Leerseite(dialog, QStringLiteral("TabAnzeige")); }
