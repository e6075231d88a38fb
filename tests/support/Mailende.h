#pragma once
// The end of a report mail as the network module reports it: how often, and
// the last outcome.
#include "report/netz/Netzmodul.h"

#include <QString>

struct MailEnde {
    int anzahl = 0;
    bool ok = false;
    QString fehler;
    MailFertig fertig()
    {
        return [this](bool o, const QString& f) {
            ++anzahl;
            ok = o;
            fehler = f;
        };
    }
};
