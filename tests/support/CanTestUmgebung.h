#pragma once
// A bus with a fake adapter, as the send and receive tests need it.

#include "core/Clock.h"
#include "core/Globals.h"
#include "match/CanKarte.h"
#include "match/CanLog.h"
#include "match/CanSenden.h"
#include "platform/FakeCanAdapter.h"

#include <gtest/gtest.h>

struct LogAufnahme : CanLogSchreiber {
    QList<QByteArray> zeilen;
    void zeile(const QByteArray& z) override { zeilen << z; }
};

class CanUmgebung : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        setUhr([] { return QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9)); });
        setCanAdapter(&adapter);
        Einst.CanBusKarte = 1;
        CanEinstellungenUebernehmen();
        CanKarteOeffnen();
        ASSERT_EQ(CanAktiv, 1);
        CanSendenZuruecksetzen();
    }
    void TearDown() override
    {
        setCanLog(nullptr);
        CanSendenZuruecksetzen();
        setCanAdapter(nullptr);
        setUhr({});
        GlobalsZuruecksetzen();
    }

    // The first data byte of every frame the adapter took, in order.
    QList<int> gesendeteKinds() const
    {
        QList<int> k;
        for (const CanRohRahmen& r : adapter.gesendet) k << r.daten[0];
        return k;
    }

    FakeCanAdapter adapter;
};
