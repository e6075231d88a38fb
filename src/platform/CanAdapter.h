#pragma once
// A CAN adapter as the program needs it: open an interface with a bit rate
// and an acceptance filter, hand over one frame at a time, take one received
// frame at a time. Standard 11-bit data frames only.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

struct CanRohRahmen {
    std::uint32_t id = 0;
    std::uint8_t laenge = 0;  // 0..8
    std::array<std::uint8_t, 8> daten{};

    bool operator==(const CanRohRahmen&) const = default;
};

struct CanOeffnung {
    QString schnittstelle;          // "plugin:interface", such as "socketcan:can0"
    std::uint32_t bitrate = 0;      // bit/s
    std::uint32_t filterCode = 0;   // accept id when (id & filterMaske) == filterCode
    std::uint32_t filterMaske = 0;  // 0: accept everything
};

class CanAdapter {
public:
    virtual ~CanAdapter() = default;
    // False with a reason (for the log) when the interface cannot be opened.
    virtual bool oeffnen(const CanOeffnung& oeffnung, QString* fehler) = 0;
    virtual void schliessen() = 0;
    // False once closed, and also when the adapter went away on its own (an
    // unplugged USB adapter, a failed read): then it stays closed until it
    // is opened again.
    virtual bool istOffen() const = 0;
    // Name of the interface or device, for the status display.
    virtual QString name() const = 0;
    // True when the frame was taken for sending; false when it was refused
    // (busy, error, closed): the caller sends it again later.
    virtual bool senden(const CanRohRahmen& rahmen) = 0;
    // One received frame, if any; never blocks.
    virtual std::optional<CanRohRahmen> lesen() = 0;
};
