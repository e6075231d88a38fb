#pragma once
// A bus with a fake adapter, as the send and receive tests need it.

#include "core/Globals.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanLog.h"
#include "match/bus/CanSenden.h"
#include "platform/FakeCanAdapter.h"
#include "support/Einsetzen.h"
#include "support/Grundlage.h"

#include <vector>

struct LogAufnahme : CanLogSchreiber {
    QList<QByteArray> zeilen;
    void zeile(const QByteArray& z) override { zeilen << z; }
};

class CanUmgebung : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        Einst.CanBusKarte = 1;
        CanEinstellungenUebernehmen();
        CanKarteOeffnen();
        ASSERT_EQ(CanAktiv, 1);
        CanSendenZuruecksetzen();
    }

    // The first data byte of every frame the adapter took, in order.
    QList<int> gesendeteKinds() const
    {
        QList<int> k;
        for (const CanRohRahmen& r : adapter.gesendet) k << r.daten[0];
        return k;
    }

    // The data of every frame the adapter took, in order.
    std::vector<CanDaten> gesendeteDaten() const
    {
        std::vector<CanDaten> gesendet;
        for (const CanRohRahmen& r : adapter.gesendet) {
            CanDaten d;
            d.laenge = r.laenge;
            for (int i = 0; i < r.laenge; ++i) d.d[std::size_t(i)] = r.daten[std::size_t(i)];
            gesendet.push_back(d);
        }
        return gesendet;
    }

    FakeCanAdapter adapter;

private:
    UhrEinsetzen m_uhr{FesteUhr()};
    CanAdapterEinsetzen m_adapter{&adapter};
};
