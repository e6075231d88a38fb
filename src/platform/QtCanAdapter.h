#pragma once
// The CAN adapter on Qt's QCanBus plugins. The interface text is
// "plugin:interface", split at the first ':' ("socketcan:can0",
// "virtualcan:tcp://127.0.0.1:35470/can0").

#include "platform/CanAdapter.h"

#include <QCanBusDevice>

class QtCanAdapter final : public CanAdapter {
public:
    QtCanAdapter() = default;
    ~QtCanAdapter() override;
    QtCanAdapter(const QtCanAdapter&) = delete;
    QtCanAdapter& operator=(const QtCanAdapter&) = delete;

    bool oeffnen(const CanOeffnung& oeffnung, QString* fehler) override;
    void schliessen() override;
    bool istOffen() const override;
    QString name() const override;
    bool senden(const CanRohRahmen& rahmen) override;
    std::optional<CanRohRahmen> lesen() override;

private:
    void konfigurieren(const QString& plugin, const CanOeffnung& oeffnung);
    bool verbindungAbwarten();

    QCanBusDevice* m_geraet = nullptr;
    QString m_name;  // interface text of the last opening
    bool m_konfigFehler = false;
    // A write or connection error reported since the last send.
    bool m_sendeFehler = false;
    // A read or connection error, or the device left the connected state:
    // it counts as closed until it is opened again.
    bool m_verloren = false;
};
