// Plays a six-a-side match on the simulated alley and saves the filled-in
// report on each of the nine built-in layouts as a PNG picture.
//
//   formularbilder <folder>   writes Formular<n>-<name>.png into the folder

#include "support/Berichtsspiel.h"
#include "report/formulare/Formular.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(ordner)) {
        std::fprintf(stderr, "Ordner %s kann nicht angelegt werden\n", qPrintable(ordner));
        return 1;
    }
    auto anlage = std::make_unique<Anlage>(SimVorgaben(5, 40, 40, 2026));
    std::string fehler;
    TWettkampfDaten* m = BerichtsspielSpielen(*anlage, &fehler);
    if (!m) {
        std::fprintf(stderr, "Spiel nicht beendet: %s\n", fehler.c_str());
        return 1;
    }
    std::printf("%s %s : %s %s\n", m->Heimmannschaft.c_str(), m->Heim.Total.Text.c_str(), m->Gastmannschaft.c_str(),
                m->Gast.Total.Text.c_str());
    for (int nr = 1; nr <= MaxSpieler; ++nr)
        if (m->Spieler[nr].Ersatz)
            std::printf("Spieler %d ersetzt Spieler %d ab Wurf %d\n", nr, int(m->Spieler[nr].Ersatz),
                        int(m->Spieler[m->Spieler[nr].Ersatz].Wurf.Zahl) + 1);
    int rc = 0;
    for (int i = 0; i < FormularAnzahl; ++i) {
        const FormularBild f = FormularZeichnen(*m, i);
        const QString datei = QDir(ordner).filePath(QStringLiteral("Formular%1-%2.png").arg(i).arg(FormularKurzname(i)));
        if (f.bild.isNull() || !f.bild.save(datei)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(datei), qPrintable(f.fehler.isEmpty() ? QStringLiteral("nicht gespeichert") : f.fehler));
            rc = 1;
            continue;
        }
        std::printf("%s\n", qPrintable(datei));
    }
    ProgrammAbbauen();
    return rc;
}
