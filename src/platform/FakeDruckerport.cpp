#include "platform/FakeDruckerport.h"

namespace {
bool gueltig(std::uint8_t n) { return n >= 1 && n <= 4; }
}  // namespace

std::uint8_t FakeDruckerport::naechste(QList<std::uint8_t>& antworten)
{
    return antworten.isEmpty() ? 0 : antworten.takeFirst();
}

std::uint8_t FakeDruckerport::InoutInit(std::uint16_t t, std::uint16_t)
{
    timer.append(t);
    return 0;
}

std::uint8_t FakeDruckerport::konfigurieren(std::array<int, 4>& scheitert, std::uint8_t n)
{
    if (!gueltig(n)) {
        naechste(configAntworten);
        return 1;
    }
    int& rest = scheitert[n - 1];
    if (rest == Immer) return 1;
    if (rest > 0) {
        --rest;
        return 1;
    }
    return naechste(configAntworten);
}

std::uint8_t FakeDruckerport::ConfigParallelPort(std::uint8_t lpt, std::uint8_t mode)
{
    lptKonfig.append({lpt, mode});
    return konfigurieren(lptScheitert, lpt);
}

std::uint8_t FakeDruckerport::ConfigSerialPort(std::uint8_t com, std::uint8_t mode, std::uint16_t baud,
                                               std::uint8_t datenbit, std::uint8_t stopbit, std::uint8_t parity)
{
    comKonfig.append({com, mode, baud, datenbit, stopbit, parity});
    return konfigurieren(comScheitert, com);
}

std::uint8_t FakeDruckerport::TestParallelPort(std::uint8_t lpt, std::uint8_t)
{
    ++tests;
    const std::uint8_t a = naechste(testAntworten);
    return gueltig(lpt) ? a : 1;
}

std::uint8_t FakeDruckerport::TestSerialPortModem(std::uint8_t com)
{
    ++tests;
    const std::uint8_t a = naechste(testAntworten);
    return gueltig(com) ? a : 1;
}

std::uint8_t FakeDruckerport::aus(std::array<QByteArray, 4>& daten, std::uint8_t n, std::uint8_t byte)
{
    ++outs;
    const std::uint8_t a = naechste(outAntworten);
    if (!gueltig(n)) return 1;
    if (a == 0) daten[n - 1].append(static_cast<char>(byte));
    return a;
}

std::uint8_t FakeDruckerport::OutParallelPort(std::uint8_t lpt, std::uint8_t byte) { return aus(lptDaten, lpt, byte); }

std::uint8_t FakeDruckerport::OutSerialPort(std::uint8_t com, std::uint8_t byte) { return aus(comDaten, com, byte); }
