#pragma once
// A tap on a field with touch input on: the on-screen keyboard that opens
// types one digit and Return.

#include "core/Tastatur.h"
#include "core/ui/Keyb.h"
#include "support/Klicken.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <utility>

// The field code and the prompt the keyboard opened with.
inline std::pair<u16, QString> ZifferAntippen(QWidget* feld, char ziffer)
{
    TKeyb* k = Keyb();
    std::pair<u16, QString> geoeffnet{0, {}};
    QTimer::singleShot(0, k, [&] {
        geoeffnet = {Feldcode, k->LText->text()};
        Klicken(k->BtnClear);
        Klicken(k->taste(u8(ziffer)));
        Klicken(k->BtnReturn);
    });
    Klicken(feld);
    return geoeffnet;
}
