#include "platform/Druckerport.h"

namespace {

// No port library: nothing can be configured, tested or sent.
class KeinDruckerport final : public Druckerport {
public:
    std::uint8_t InoutInit(std::uint16_t, std::uint16_t) override { return 1; }
    std::uint8_t ConfigParallelPort(std::uint8_t, std::uint8_t) override { return 1; }
    std::uint8_t ConfigSerialPort(std::uint8_t, std::uint8_t, std::uint16_t, std::uint8_t, std::uint8_t,
                                  std::uint8_t) override
    {
        return 1;
    }
    std::uint8_t TestParallelPort(std::uint8_t, std::uint8_t) override { return 1; }
    std::uint8_t TestSerialPortModem(std::uint8_t) override { return 1; }
    std::uint8_t OutParallelPort(std::uint8_t, std::uint8_t) override { return 1; }
    std::uint8_t OutSerialPort(std::uint8_t, std::uint8_t) override { return 1; }
    void InoutClear() override {}
};

KeinDruckerport g_keiner;
Druckerport* g_port = &g_keiner;

}  // namespace

DruckerGeraete DruckerGeraete::standard()
{
    DruckerGeraete g;
    for (int i = 0; i < 4; ++i) {
        g.lpt[i] = QStringLiteral("/dev/lp%1").arg(i);
        g.com[i] = QStringLiteral("/dev/ttyS%1").arg(i);
    }
    return g;
}

Druckerport& druckerport() { return *g_port; }

void setDruckerport(Druckerport* port) { g_port = port ? port : &g_keiner; }
