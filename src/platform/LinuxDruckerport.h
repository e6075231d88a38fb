#pragma once
// The printer ports on Linux. Each of LPT1..4 and COM1..4 is a path:
// - a parallel printer device ("/dev/lp0", "/dev/usb/lp0"), opened
//   non-blocking; with the status test on, "ready" comes from LPGETSTATUS;
// - a serial device ("/dev/ttyS0", "/dev/ttyUSB0") through QSerialPort;
//   with the CTS test on, the kernel also holds output back while CTS is off;
// - any path outside /dev that is not a character device: a plain file the
//   bytes are appended to, always ready (for trying the program without a
//   printer).
// A configuration call opens the port (or keeps it open when the path is
// unchanged, so that nothing queued is lost) and answers non-zero when the
// device or file cannot be opened or the settings are invalid.

#include "platform/Druckerport.h"

#include <QSerialPort>
#include <QString>
#include <array>
#include <memory>
#include <optional>

struct SerielleEinstellung {
    qint32 baud = 0;
    QSerialPort::DataBits datenbits = QSerialPort::Data8;
    QSerialPort::StopBits stopbits = QSerialPort::OneStop;
    QSerialPort::Parity paritaet = QSerialPort::NoParity;

    bool operator==(const SerielleEinstellung&) const = default;
};

// The serial settings of ConfigSerialPort; nullopt for values the port
// cannot take (baud 0, data bits outside 5..8, stop bits above 2, parity
// above 4). Stop bits: some callers pass the stored value (1 or 2), others
// the stored value minus 1 (0 or 1). 0 and 1 both give one stop bit and 2
// gives two, so the minus-1 form of "2" also gives one stop bit.
std::optional<SerielleEinstellung> serielleEinstellung(std::uint16_t baud, std::uint8_t datenbit,
                                                        std::uint8_t stopbit, std::uint8_t parity);

// Printer ready by its LPGETSTATUS byte: not busy, selected, no error, paper.
bool parallelStatusBereit(int status);

class LinuxDruckerport final : public Druckerport {
public:
    explicit LinuxDruckerport(DruckerGeraete geraete = DruckerGeraete::standard());
    ~LinuxDruckerport() override;
    LinuxDruckerport(const LinuxDruckerport&) = delete;
    LinuxDruckerport& operator=(const LinuxDruckerport&) = delete;

    // New paths take effect at the next configuration call of each port.
    void setGeraete(const DruckerGeraete& geraete) override { m_geraete = geraete; }
    const DruckerGeraete& geraete() const { return m_geraete; }

    std::uint8_t InoutInit(std::uint16_t timer, std::uint16_t reserve) override;
    std::uint8_t ConfigParallelPort(std::uint8_t lpt, std::uint8_t mode) override;
    std::uint8_t ConfigSerialPort(std::uint8_t com, std::uint8_t mode, std::uint16_t baud, std::uint8_t datenbit,
                                  std::uint8_t stopbit, std::uint8_t parity) override;
    std::uint8_t TestParallelPort(std::uint8_t lpt, std::uint8_t mode) override;
    std::uint8_t TestSerialPortModem(std::uint8_t com) override;
    std::uint8_t OutParallelPort(std::uint8_t lpt, std::uint8_t byte) override;
    std::uint8_t OutSerialPort(std::uint8_t com, std::uint8_t byte) override;
    void InoutClear() override;
    bool verloren(std::uint8_t n) const override;

private:
    enum class Art { Zu, Datei, Parallel, Seriell };
    struct Port {
        Art art = Art::Zu;
        QString pfad;
        int fd = -1;                          // Datei, Parallel
        std::unique_ptr<QSerialPort> seriell;  // Seriell
        bool ctsTest = false;
        bool verloren = false;  // closed after the device failed for good
    };

    static void schliessen(Port& p);
    static bool oeffnenFd(Port& p, const QString& pfad, Art art);
    static std::uint8_t schreibenFd(Port& p, std::uint8_t byte);
    Port* lpt(std::uint8_t n);
    Port* com(std::uint8_t n);

    DruckerGeraete m_geraete;
    std::array<Port, 4> m_lpt;
    std::array<Port, 4> m_com;
};
