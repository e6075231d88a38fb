#include "core/ui/Farben.h"

#include "core/SettingsFile.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace {

constexpr quint32 SystemFarbe = 0x80000000u;

QPalette::ColorRole rolleVon(quint32 index)
{
    switch (index) {
    case 5: return QPalette::Base;              // window
    case 7: return QPalette::WindowText;        // menu text
    case 8: return QPalette::Text;              // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;           // button face
    case 16: return QPalette::Dark;             // button shadow
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;            // 3D highlight
    case 21: return QPalette::Shadow;           // 3D dark shadow
    case 22: return QPalette::Midlight;         // 3D light
    case 23: return QPalette::ToolTipText;      // info text
    case 24: return QPalette::ToolTipBase;      // info background
    case 26: return QPalette::Link;             // hot light
    default: return QPalette::Window;
    }
}

}  // namespace

QColor FarbeZuQColor(quint32 wert)
{
    if (wert >= SystemFarbe)
        return QGuiApplication::palette().color(QPalette::Active, rolleVon(wert - SystemFarbe));
    const auto byte = [wert](int n) { return static_cast<int>((wert >> (8 * n)) & 0xFF); };
    return QColor(byte(0), byte(1), byte(2));
}

void HintergrundSetzen(QWidget* widget, QStringView einstellung)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, FarbeZuQColor(Farbe(einstellung)));
    // Greyed texts stay readable on the light grey window colours (the
    // style's own disabled grey is nearly the window's).
    for (QPalette::ColorRole rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, QColor(128, 128, 128));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}
