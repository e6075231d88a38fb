#pragma once
// What the configurations of the displays build alike: number edits, boxes,
// bars with their step buttons, the OK/Abbrechen row, the centring on the
// screen, the colour chooser and the writing of a key.

#include "core/ui/Hinweis.h"
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <utility>

class QButtonGroup;
class QCheckBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QObject;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

// The track bar's position for a change interval and back: interval =
// 110,000 - position, the position kept within 10,000..100,000.
int WechselPosition(int intervallMs);
int WechselIntervall(int position);

namespace Anzeigedialog {

// The speed bars: an arrow key moves by a line, a button or page key by a step.
constexpr int WechselMin = 10000, WechselMax = 100000, WechselZeile = 1000, WechselSchritt = 5000;
// The LED boards' brightness and the step of its buttons.
constexpr int HelligkeitMax = 127, HelligkeitStufe = 10;

// What a click into a number edit does with its text.
enum class Klick { ZumEnde, AllesWaehlen };

// Up to three digits, right-aligned.
QLineEdit* Ziffernfeld(QWidget* eltern, const char* name, Klick klick);
QCheckBox* Kasten(QWidget* eltern, const char* name, const QString& text);
// A button beside a bar; held down, it steps again every 200 ms.
QPushButton* Schrittknopf(QWidget* eltern, const char* name, const QString& text, const QString& tipp);
// A horizontal bar, ticks below at each page.
QSlider* Schieber(QWidget* eltern, const char* name, int min, int max, int zeile, int seite);
// A speed bar (see WechselPosition).
QSlider* Wechselschieber(QWidget* eltern, const char* name, int zeile = WechselZeile);
void Schieben(QSlider* schieber, int schritt);
// The bar between its two buttons in that row of the grid, the end labels
// below the bar's ends.
void Schieberzeile(QGridLayout* g, int zeile, QPushButton* links, QSlider* schieber, QPushButton* rechts,
                   const QString& linksText = QStringLiteral("langsam"),
                   const QString& rechtsText = QStringLiteral("schnell"));

// "&Ok" (the default) and "&Abbrechen" at the right, both with the click
// sound; Abbrechen rejects the dialog.
QHBoxLayout* Knopfzeile(QDialog* dialog, QPushButton*& ok, QPushButton*& abbruch);
// The click sound when one of the buttons is pressed.
void KlickSoundBeim(QObject* kontext, std::initializer_list<QPushButton*> knoepfe);
// The colour chooser with its preview of that board family, in the middle
// of the window's screen.
void FarbenWaehlen(QWidget* fenster, int vorschaumodus);
// Checks the radio buttons as given, none or one, outside their group's rule.
void KnoepfeSetzen(QButtonGroup* gruppe, std::initializer_list<std::pair<QRadioButton*, bool>> knoepfe);

// Writes that key of the settings table, when it exists.
void SchluesselSchreiben(const char* name);

// The question before a configuration goes to the client programs ("Konfiguration
// auf Monitore laden ?", "nur Konfiguration laden" preselected): whether the
// advert files go along; nullopt when it is cancelled.
std::optional<bool> KonfigurationLadenFragen();

}  // namespace Anzeigedialog
