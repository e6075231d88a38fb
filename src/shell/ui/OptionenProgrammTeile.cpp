#include "shell/ui/OptionenProgrammTeile.h"

#include "core/Sound.h"
#include "shell/ui/Optionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

Knopflabel::Knopflabel(const QString& text, QWidget* eltern) : QLabel(text, eltern)
{
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void Knopflabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) KlickSoundSpielen();
    QLabel::mousePressEvent(e);
}

void Knopflabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit geklickt();
}

QCheckBox* Haken(QWidget* eltern, const char* name, const QString& text)
{
    auto* c = new QCheckBox(text, eltern);
    c->setObjectName(QLatin1String(name));
    return c;
}

QLineEdit* Feld(QWidget* eltern, const char* name, int maxLaenge)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLaenge);
    return e;
}

QLineEdit* Schmal(QLineEdit* feld, int zeichen)
{
    feld->setMaximumWidth(feld->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (zeichen + 1) + 16);
    return feld;
}

QComboBox* Auswahl(QWidget* eltern, const char* name, const QStringList& eintraege)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QLatin1String(name));
    c->addItems(eintraege);
    return c;
}

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    if (!hinweis.isEmpty()) b->setToolTip(hinweis);
    b->setAutoDefault(false);
    if (text == QLatin1String("...")) b->setFixedWidth(32);
    QObject::connect(b, &QPushButton::pressed, b, [] { KlickSoundSpielen(); });
    return b;
}

Knopflabel* Labelknopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* l = new Knopflabel(text, eltern);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text)
{
    auto* l = new QLabel(text, eltern);
    if (name) l->setObjectName(QLatin1String(name));
    return l;
}

QPushButton* Schrittknopf(QWidget* eltern, const char* name, const QString& text, int code, QTimer* timer,
                          std::function<void(int code)> schritt)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setFixedWidth(32);
    QObject::connect(b, &QPushButton::pressed, b, [code, timer, schritt] {
        optionenZustand.Haltecode = u8(code);
        schritt(code);
        timer->start();
    });
    QObject::connect(b, &QPushButton::released, timer, &QTimer::stop);
    return b;
}

QTimer* Haltetimer(QObject* eltern, const char* name, std::function<void(int code)> schritt)
{
    auto* t = new QTimer(eltern);
    t->setObjectName(QLatin1String(name));
    t->setInterval(200);
    QObject::connect(t, &QTimer::timeout, t, [schritt] { schritt(optionenZustand.Haltecode); });
    return t;
}
