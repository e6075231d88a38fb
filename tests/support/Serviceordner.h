#pragma once
// The base of the service tests: a program folder with its Daten folder, the
// service state fresh, and the CAN log closed again at the end.

#include "core/SettingsFile.h"
#include "match/bus/CanLog.h"
#include "shell/Service.h"
#include "support/Programmordner.h"

#include <QDir>

class Serviceordner : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        serviceZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Daten")));
    }
    void TearDown() override
    {
        CanProtokollSchliessen();
        serviceZustand.zuruecksetzen();
        Programmordner::TearDown();
    }
};
