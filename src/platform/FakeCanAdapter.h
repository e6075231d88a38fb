#pragma once
// A CAN adapter for tests: records what is sent, refuses sends as scripted
// and delivers queued frames. Closed, it sends and delivers nothing.

#include "platform/CanAdapter.h"

#include <QList>

class FakeCanAdapter final : public CanAdapter {
public:
    bool oeffnen(const CanOeffnung& oeffnung, QString* fehler) override;
    void schliessen() override;
    bool istOffen() const override { return offen; }
    QString name() const override { return letzteOeffnung.schnittstelle; }
    bool senden(const CanRohRahmen& rahmen) override;
    std::optional<CanRohRahmen> lesen() override;
    // Pulled out: closed without being told; frames sent on the bus wait.
    void trennen() { offen = false; }

    bool oeffnenGelingt = true;
    QString oeffnenFehler = QStringLiteral("fake: open refused");
    bool offen = false;
    CanOeffnung letzteOeffnung;
    int oeffnungen = 0;     // calls of oeffnen
    int schliessungen = 0;  // calls of schliessen

    // One entry taken per send attempt: false refuses it. Empty: accept.
    QList<bool> annehmen;
    int versuche = 0;              // send attempts
    QList<CanRohRahmen> gesendet;  // accepted frames

    QList<CanRohRahmen> empfangen;  // handed out by lesen(), front first
};
