#pragma once
// The printer ports of the central throw printers: parallel ports LPT1..4
// and serial ports COM1..4, driven one byte at a time. Every call answers 0
// for success or ready and non-zero otherwise; port numbers count from 1.
// The installed layer is reached through druckerport(); until one is
// installed, a null layer answers every port call with "not ready".

#include <QString>
#include <array>
#include <cstdint>

// The device or file behind each port.
struct DruckerGeraete {
    std::array<QString, 4> lpt;  // LPT1..4
    std::array<QString, 4> com;  // COM1..4

    static DruckerGeraete standard();  // /dev/lp0..3, /dev/ttyS0..3
};

class Druckerport {
public:
    virtual ~Druckerport() = default;

    // Once per printer with a port before its ports are configured. The
    // timer value is the printer's DrTimer; no output of this layer blocks
    // whatever its value.
    virtual std::uint8_t InoutInit(std::uint16_t timer, std::uint16_t reserve) = 0;
    // mode 0: no status test; 1: TestParallelPort asks the printer's status.
    virtual std::uint8_t ConfigParallelPort(std::uint8_t lpt, std::uint8_t mode) = 0;
    // mode 0: no handshake; 1: clear-to-send (CTS) is tested and observed.
    // parity 0 none, 1 even, 2 odd, 3 even inverted (space), 4 odd inverted
    // (mark). Stop bits come as stored (1, 2) or as stored minus 1 (0, 1).
    virtual std::uint8_t ConfigSerialPort(std::uint8_t com, std::uint8_t mode, std::uint16_t baud,
                                          std::uint8_t datenbit, std::uint8_t stopbit,
                                          std::uint8_t parity) = 0;
    virtual std::uint8_t TestParallelPort(std::uint8_t lpt, std::uint8_t mode) = 0;
    virtual std::uint8_t TestSerialPortModem(std::uint8_t com) = 0;
    // Never blocks: a byte the port does not take now is refused (non-zero)
    // and the caller offers it again later.
    virtual std::uint8_t OutParallelPort(std::uint8_t lpt, std::uint8_t byte) = 0;
    virtual std::uint8_t OutSerialPort(std::uint8_t com, std::uint8_t byte) = 0;
    // Releases every port.
    virtual void InoutClear() = 0;
    // The device of port n (1..4 LPT1..4, 5..8 COM1..4) failed for good
    // since it was last configured (unplugged, switched off): the port is
    // closed, takes nothing and wants configuring again. A port that only
    // refuses a byte for now (busy, full) is not lost.
    virtual bool verloren(std::uint8_t) const { return false; }
    // The devices behind the ports, from the settings; a layer without
    // devices ignores them.
    virtual void setGeraete(const DruckerGeraete&) {}
};

// The installed port layer; the null layer when none is installed.
Druckerport& druckerport();
// nullptr installs the null layer again. The caller keeps ownership.
void setDruckerport(Druckerport* port);

// Installs a port layer for the lifetime of the guard (tests).
class DruckerportEinsetzen {
public:
    explicit DruckerportEinsetzen(Druckerport& port) { setDruckerport(&port); }
    ~DruckerportEinsetzen() { setDruckerport(nullptr); }
    DruckerportEinsetzen(const DruckerportEinsetzen&) = delete;
    DruckerportEinsetzen& operator=(const DruckerportEinsetzen&) = delete;
};
