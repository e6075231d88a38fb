#include "platform/LinuxDruckerport.h"

#include <QFile>

#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <linux/lp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Under /dev, or a character device elsewhere: a device; else a plain file.
bool istGeraet(const QString& pfad)
{
    if (pfad.startsWith(QLatin1String("/dev/"))) return true;
    struct stat st {};
    return ::stat(QFile::encodeName(pfad).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

}  // namespace

std::optional<SerielleEinstellung> serielleEinstellung(std::uint16_t baud, std::uint8_t datenbit,
                                                        std::uint8_t stopbit, std::uint8_t parity)
{
    if (baud == 0 || datenbit < 5 || datenbit > 8 || stopbit > 2 || parity > 4) return std::nullopt;
    SerielleEinstellung e;
    e.baud = baud;
    e.datenbits = static_cast<QSerialPort::DataBits>(datenbit);  // Data5..Data8 are 5..8
    e.stopbits = stopbit == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop;
    // The inverted kinds are stick parity: even inverted sends 0 (space),
    // odd inverted sends 1 (mark).
    constexpr QSerialPort::Parity paritaeten[] = {QSerialPort::NoParity, QSerialPort::EvenParity,
                                                  QSerialPort::OddParity, QSerialPort::SpaceParity,
                                                  QSerialPort::MarkParity};
    e.paritaet = paritaeten[parity];
    return e;
}

// The busy line is not asked: USB printers do not report it, and a busy
// parallel printer refuses the next byte anyway.
bool parallelStatusBereit(int status)
{
    return (status & LP_PSELECD) && (status & LP_PERRORP) && !(status & LP_POUTPA);
}

LinuxDruckerport::LinuxDruckerport(DruckerGeraete geraete) : m_geraete(std::move(geraete)) {}

LinuxDruckerport::~LinuxDruckerport() { InoutClear(); }

LinuxDruckerport::Port* LinuxDruckerport::lpt(std::uint8_t n) { return n >= 1 && n <= 4 ? &m_lpt[n - 1] : nullptr; }

LinuxDruckerport::Port* LinuxDruckerport::com(std::uint8_t n) { return n >= 1 && n <= 4 ? &m_com[n - 1] : nullptr; }

void LinuxDruckerport::schliessen(Port& p)
{
    if (p.fd >= 0) ::close(p.fd);
    p.fd = -1;
    if (p.seriell) {
        p.seriell->flush();  // hands the queued bytes to the kernel, without waiting
        p.seriell->close();
        p.seriell.reset();
    }
    p.art = Art::Zu;
    p.pfad.clear();
    p.ctsTest = false;
}

bool LinuxDruckerport::oeffnenFd(Port& p, const QString& pfad, Art art)
{
    const int flags = art == Art::Datei ? O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC
                                        : O_WRONLY | O_NONBLOCK | O_CLOEXEC;
    p.fd = ::open(QFile::encodeName(pfad).constData(), flags, 0644);
    if (p.fd < 0) return false;
    p.art = art;
    p.pfad = pfad;
    p.verloren = false;
    return true;
}

std::uint8_t LinuxDruckerport::schreibenFd(Port& p, std::uint8_t byte)
{
    if (p.fd < 0) return 1;
    if (::write(p.fd, &byte, 1) == 1) return 0;
    // Busy or full: the byte comes again. Anything else (the device is gone,
    // a disk is full) closes the port until it is configured again.
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        schliessen(p);
        p.verloren = true;
    }
    return 1;
}

bool LinuxDruckerport::verloren(std::uint8_t n) const
{
    const Port* p = n >= 1 && n <= 4 ? &m_lpt[n - 1] : n >= 5 && n <= 8 ? &m_com[n - 5] : nullptr;
    return p && p->verloren;
}

std::uint8_t LinuxDruckerport::InoutInit(std::uint16_t, std::uint16_t) { return 0; }

std::uint8_t LinuxDruckerport::ConfigParallelPort(std::uint8_t n, std::uint8_t)
{
    Port* p = lpt(n);
    if (!p) return 1;
    // A parallel device or file keeps nothing queued: it is simply opened
    // afresh, which also picks up a printer plugged in again.
    schliessen(*p);
    const QString pfad = m_geraete.lpt[n - 1].trimmed();
    if (pfad.isEmpty()) return 1;
    return oeffnenFd(*p, pfad, istGeraet(pfad) ? Art::Parallel : Art::Datei) ? 0 : 1;
}

std::uint8_t LinuxDruckerport::ConfigSerialPort(std::uint8_t n, std::uint8_t mode, std::uint16_t baud,
                                                std::uint8_t datenbit, std::uint8_t stopbit, std::uint8_t parity)
{
    Port* p = com(n);
    if (!p) return 1;
    const std::optional<SerielleEinstellung> e = serielleEinstellung(baud, datenbit, stopbit, parity);
    if (!e) return 1;
    const QString pfad = m_geraete.com[n - 1].trimmed();
    if (pfad.isEmpty()) {
        schliessen(*p);
        return 1;
    }
    if (!istGeraet(pfad)) {
        schliessen(*p);
        return oeffnenFd(*p, pfad, Art::Datei) ? 0 : 1;
    }
    // An open port on the same device keeps the bytes it still queues.
    const bool behalten = p->art == Art::Seriell && p->pfad == pfad && p->seriell->isOpen() &&
                          p->seriell->error() != QSerialPort::ResourceError;
    if (!behalten) {
        schliessen(*p);
        auto s = std::make_unique<QSerialPort>();
        s->setPortName(pfad);
        if (!s->open(QIODevice::WriteOnly)) return 1;
        p->seriell = std::move(s);
        p->art = Art::Seriell;
        p->pfad = pfad;
        p->verloren = false;
    }
    QSerialPort& s = *p->seriell;
    p->ctsTest = mode == 1;
    const bool ok = s.setBaudRate(e->baud) && s.setDataBits(e->datenbits) && s.setStopBits(e->stopbits) &&
                    s.setParity(e->paritaet) &&
                    s.setFlowControl(p->ctsTest ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
    return ok ? 0 : 1;
}

std::uint8_t LinuxDruckerport::TestParallelPort(std::uint8_t n, std::uint8_t mode)
{
    Port* p = lpt(n);
    if (!p) return 1;
    switch (p->art) {
    case Art::Datei: return 0;
    case Art::Parallel: {
        if (mode != 1) return 0;
        int status = 0;
        return ::ioctl(p->fd, LPGETSTATUS, &status) == 0 && parallelStatusBereit(status) ? 0 : 1;
    }
    default: return 1;
    }
}

std::uint8_t LinuxDruckerport::TestSerialPortModem(std::uint8_t n)
{
    Port* p = com(n);
    if (!p) return 1;
    switch (p->art) {
    case Art::Datei: return 0;
    case Art::Seriell: {
        QSerialPort& s = *p->seriell;
        if (!s.isOpen() || s.error() == QSerialPort::ResourceError) return 1;
        if (!p->ctsTest) return 0;
        return s.pinoutSignals() & QSerialPort::ClearToSendSignal ? 0 : 1;
    }
    default: return 1;
    }
}

std::uint8_t LinuxDruckerport::OutParallelPort(std::uint8_t n, std::uint8_t byte)
{
    Port* p = lpt(n);
    return p ? schreibenFd(*p, byte) : 1;
}

std::uint8_t LinuxDruckerport::OutSerialPort(std::uint8_t n, std::uint8_t byte)
{
    Port* p = com(n);
    if (!p) return 1;
    if (p->art == Art::Datei) return schreibenFd(*p, byte);
    if (p->art != Art::Seriell) return 1;
    QSerialPort& s = *p->seriell;
    if (!s.isOpen() || s.error() == QSerialPort::ResourceError) {
        // A USB adapter pulled out: configured again before the next byte.
        schliessen(*p);
        p->verloren = true;
        return 1;
    }
    // The kernel's buffer is the queue: while it takes nothing more (full,
    // or held back by CTS), a byte still waits in Qt's buffer and the next
    // one is refused.
    if (s.bytesToWrite() > 0) s.flush();
    if (s.bytesToWrite() > 0) return 1;
    const char c = static_cast<char>(byte);
    if (s.write(&c, 1) != 1) return 1;
    s.flush();
    return 0;
}

void LinuxDruckerport::InoutClear()
{
    for (Port& p : m_lpt) schliessen(p);
    for (Port& p : m_com) schliessen(p);
}
