#include "displays/ui/Anzeigedialog.h"

#include "core/Boxes.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Hinweis.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSlider>
#include <algorithm>

namespace {

constexpr int WechselSumme = 110000;
constexpr int SchrittMs = 200;

class Ziffernklick : public QObject {
public:
    Ziffernklick(Anzeigedialog::Klick klick, QObject* eltern) : QObject(eltern), klick(klick) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease)
            if (auto* edit = qobject_cast<QLineEdit*>(o)) {
                if (klick == Anzeigedialog::Klick::AllesWaehlen)
                    edit->selectAll();
                else
                    edit->end(false);
            }
        return false;
    }

private:
    Anzeigedialog::Klick klick;
};

}  // namespace

int WechselPosition(int intervallMs)
{
    return std::clamp(WechselSumme - intervallMs, Anzeigedialog::WechselMin, Anzeigedialog::WechselMax);
}

int WechselIntervall(int position)
{
    return WechselSumme - std::clamp(position, Anzeigedialog::WechselMin, Anzeigedialog::WechselMax);
}

namespace Anzeigedialog {

QLineEdit* Ziffernfeld(QWidget* eltern, const char* name, Klick klick)
{
    auto* e = Benannt(new QLineEdit(eltern), name);
    e->setMaxLength(3);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), e));
    e->setFixedWidth(48);
    e->setAlignment(Qt::AlignRight);
    e->installEventFilter(new Ziffernklick(klick, e));
    return e;
}

QCheckBox* Kasten(QWidget* eltern, const char* name, const QString& text)
{
    return Benannt(new QCheckBox(text, eltern), name);
}

QPushButton* Schrittknopf(QWidget* eltern, const char* name, const QString& text, const QString& tipp)
{
    QPushButton* b = DialogKnopf(eltern, name, text);
    b->setToolTip(tipp);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(SchrittMs);
    b->setAutoRepeatInterval(SchrittMs);
    b->setFixedWidth(36);
    return b;
}

QSlider* Schieber(QWidget* eltern, const char* name, int min, int max, int zeile, int seite)
{
    auto* s = Benannt(new QSlider(Qt::Horizontal, eltern), name);
    s->setRange(min, max);
    s->setSingleStep(zeile);
    s->setPageStep(seite);
    s->setTickInterval(seite);
    s->setTickPosition(QSlider::TicksBelow);
    return s;
}

QSlider* Wechselschieber(QWidget* eltern, const char* name, int zeile)
{
    return Schieber(eltern, name, WechselMin, WechselMax, zeile, WechselSchritt);
}

void Schieben(QSlider* schieber, int schritt) { schieber->setValue(schieber->value() + schritt); }

void Schieberzeile(QGridLayout* g, int zeile, QPushButton* links, QSlider* schieber, QPushButton* rechts,
                   const QString& linksText, const QString& rechtsText)
{
    QWidget* eltern = g->parentWidget();
    g->addWidget(links, zeile, 0);
    g->addWidget(schieber, zeile, 1);
    g->addWidget(rechts, zeile, 2);
    g->addWidget(new QLabel(linksText, eltern), zeile + 1, 1, Qt::AlignLeft);
    g->addWidget(new QLabel(rechtsText, eltern), zeile + 1, 1, Qt::AlignRight);
}

QHBoxLayout* Knopfzeile(QDialog* dialog, QPushButton*& ok, QPushButton*& abbruch)
{
    ok = DialogKnopf(dialog, "BtnOK", QStringLiteral("&Ok"));
    ok->setDefault(true);
    abbruch = DialogKnopf(dialog, "BtnAbbruch", QStringLiteral("&Abbrechen"));
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    zeile->addWidget(ok);
    zeile->addWidget(abbruch);
    QObject::connect(abbruch, &QPushButton::clicked, dialog, &QDialog::reject);
    KlickSoundBeim(dialog, {ok, abbruch});
    return zeile;
}

void KlickSoundBeim(QObject* kontext, std::initializer_list<QPushButton*> knoepfe)
{
    for (QPushButton* b : knoepfe) QObject::connect(b, &QPushButton::pressed, kontext, [] { KlickSoundSpielen(); });
}

void FarbenWaehlen(QWidget* fenster, int vorschaumodus)
{
    TFarbe farbe(fenster);
    farbe.Vorschaumodus = vorschaumodus;
    farbe.VorschauZeigen(true);
    if (const QScreen* s = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen())
        farbe.move(s->availableGeometry().center() - farbe.rect().center());
    farbe.exec();
}

void KnoepfeSetzen(QButtonGroup* gruppe, std::initializer_list<std::pair<QRadioButton*, bool>> knoepfe)
{
    gruppe->setExclusive(false);
    for (const auto& [knopf, an] : knoepfe) knopf->setChecked(an);
    gruppe->setExclusive(true);
}

void SchluesselSchreiben(const char* name)
{
    if (const Einstellungsschluessel* s = SchluesselSuchen(QString::fromLatin1(name))) EinstellungSchreiben(*s);
}

std::optional<bool> KonfigurationLadenFragen()
{
    const std::optional<int> wahl = boxen().hinweisAlt(
        QStringLiteral("Konfiguration auf Monitore laden ?"),
        {QStringLiteral("Konfiguration und Werbedateien laden"), QStringLiteral("nur Konfiguration laden")}, 1);
    if (!wahl) return std::nullopt;
    return *wahl == 0;
}

}  // namespace Anzeigedialog
