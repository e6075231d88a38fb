#pragma once
// A port layer for tests: records the calls and the bytes taken per port,
// answers as scripted. An unscripted call answers 0; a port number outside
// 1..4 always answers non-zero.
//
// A printer that appears after the start: lptScheitert[0] = 3 lets the next
// three configurations of LPT1 fail (its device is not there yet) and the
// fourth open it; Immer keeps it shut. lptDaten[0] holds every byte LPT1 took.

#include "platform/Druckerport.h"

#include <QByteArray>
#include <QList>
#include <array>

class FakeDruckerport final : public Druckerport {
public:
    std::uint8_t InoutInit(std::uint16_t timer, std::uint16_t reserve) override;
    std::uint8_t ConfigParallelPort(std::uint8_t lpt, std::uint8_t mode) override;
    std::uint8_t ConfigSerialPort(std::uint8_t com, std::uint8_t mode, std::uint16_t baud, std::uint8_t datenbit,
                                  std::uint8_t stopbit, std::uint8_t parity) override;
    std::uint8_t TestParallelPort(std::uint8_t lpt, std::uint8_t mode) override;
    std::uint8_t TestSerialPortModem(std::uint8_t com) override;
    std::uint8_t OutParallelPort(std::uint8_t lpt, std::uint8_t byte) override;
    std::uint8_t OutSerialPort(std::uint8_t com, std::uint8_t byte) override;
    void InoutClear() override { ++clears; }

    // Per port (LPT1..4, COM1..4): so many of its next configurations fail,
    // one counted down a call; Immer: each fails. Before configAntworten,
    // which such a failure leaves alone.
    static constexpr int Immer = -1;
    std::array<int, 4> lptScheitert{};
    std::array<int, 4> comScheitert{};
    // One answer taken per call of the kind, front first.
    QList<std::uint8_t> configAntworten;  // both configuration calls
    QList<std::uint8_t> testAntworten;    // both tests
    QList<std::uint8_t> outAntworten;     // both outputs; non-zero refuses the byte

    struct SeriellKonfig {
        std::uint8_t com, mode;
        std::uint16_t baud;
        std::uint8_t datenbit, stopbit, parity;
        bool operator==(const SeriellKonfig&) const = default;
    };
    QList<std::uint16_t> timer;                 // InoutInit, one per call
    QList<std::array<std::uint8_t, 2>> lptKonfig;  // lpt, mode
    QList<SeriellKonfig> comKonfig;
    std::array<QByteArray, 4> lptDaten;  // bytes taken by LPT1..4
    std::array<QByteArray, 4> comDaten;  // bytes taken by COM1..4
    int tests = 0;
    int outs = 0;    // offers, taken or refused
    int clears = 0;

private:
    static std::uint8_t naechste(QList<std::uint8_t>& antworten);
    std::uint8_t konfigurieren(std::array<int, 4>& scheitert, std::uint8_t n);
    std::uint8_t aus(std::array<QByteArray, 4>& daten, std::uint8_t n, std::uint8_t byte);
};
