#include "platform/QtCanAdapter.h"

#include <QCanBus>
#include <QCanBusFrame>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>
#include <algorithm>

namespace {

// Upper bound for a plugin that connects asynchronously (virtualcan).
constexpr int VerbindenWartezeitMs = 2000;

// Plugins that take a bit rate / a raw filter list; others reject the keys.
bool nimmtBitrate(const QString& plugin)
{
    static const QStringList plugins{QStringLiteral("socketcan"),  QStringLiteral("peakcan"),
                                     QStringLiteral("systeccan"),  QStringLiteral("tinycan"),
                                     QStringLiteral("vectorcan"),  QStringLiteral("passthrucan")};
    return plugins.contains(plugin);
}

bool nimmtFilter(const QString& plugin)
{
    return plugin == QLatin1String("socketcan") || plugin == QLatin1String("passthrucan");
}

void setzeFehler(QString* fehler, const QString& text)
{
    if (fehler) *fehler = text;
}

}  // namespace

QtCanAdapter::~QtCanAdapter()
{
    schliessen();
}

bool QtCanAdapter::oeffnen(const CanOeffnung& oeffnung, QString* fehler)
{
    schliessen();
    const QString& text = oeffnung.schnittstelle;
    m_name = text;

    const qsizetype trenner = text.indexOf(QLatin1Char(':'));
    if (trenner <= 0 || trenner == text.size() - 1) {
        setzeFehler(fehler, QStringLiteral("CAN interface \"%1\" is not of the form plugin:interface").arg(text));
        return false;
    }
    const QString plugin = text.left(trenner);
    const QString schnittstelle = text.mid(trenner + 1);

    if (!QCanBus::instance()->plugins().contains(plugin)) {
        setzeFehler(fehler, QStringLiteral("no CAN bus plugin \"%1\"").arg(plugin));
        return false;
    }
    QString meldung;
    m_geraet = QCanBus::instance()->createDevice(plugin, schnittstelle, &meldung);
    if (!m_geraet) {
        setzeFehler(fehler, QStringLiteral("%1: cannot create device: %2").arg(text, meldung));
        return false;
    }
    QObject::connect(m_geraet, &QCanBusDevice::errorOccurred, m_geraet,
                     [this](QCanBusDevice::CanBusError art) {
                         if (art == QCanBusDevice::ConfigurationError) m_konfigFehler = true;
                         if (art == QCanBusDevice::WriteError || art == QCanBusDevice::ConnectionError)
                             m_sendeFehler = true;
                         // The device itself failed (unplugged, interface gone).
                         if (art == QCanBusDevice::ReadError || art == QCanBusDevice::ConnectionError)
                             m_verloren = true;
                     });

    konfigurieren(plugin, oeffnung);

    if (!m_geraet->connectDevice() || !verbindungAbwarten()) {
        const QString grund = m_geraet->errorString().isEmpty()
                                  ? QStringLiteral("not connected within %1 ms").arg(VerbindenWartezeitMs)
                                  : m_geraet->errorString();
        setzeFehler(fehler, QStringLiteral("%1: cannot connect: %2").arg(text, grund));
        schliessen();
        return false;
    }
    m_sendeFehler = false;
    m_verloren = false;
    // Dropping out of the connected state on its own is a loss as well.
    QObject::connect(m_geraet, &QCanBusDevice::stateChanged, m_geraet, [this](QCanBusDevice::CanBusDeviceState s) {
        if (s != QCanBusDevice::ConnectedState) m_verloren = true;
    });
    return true;
}

// Bit rate and acceptance filter where the plugin knows them; a rejection is
// logged and the interface opened anyway with what it has.
void QtCanAdapter::konfigurieren(const QString& plugin, const CanOeffnung& oeffnung)
{
    if (oeffnung.bitrate > 0 && nimmtBitrate(plugin)) {
        m_konfigFehler = false;
        m_geraet->setConfigurationParameter(QCanBusDevice::BitRateKey, QVariant::fromValue(oeffnung.bitrate));
        if (m_konfigFehler)
            qWarning("CAN %s: bit rate %u not set: %s", qPrintable(oeffnung.schnittstelle), oeffnung.bitrate,
                     qPrintable(m_geraet->errorString()));
    }
    if (oeffnung.filterMaske != 0 && nimmtFilter(plugin)) {
        QCanBusDevice::Filter filter;
        filter.frameId = oeffnung.filterCode;
        filter.frameIdMask = oeffnung.filterMaske & 0x7FF;
        filter.type = QCanBusFrame::DataFrame;
        filter.format = QCanBusDevice::Filter::MatchBaseFormat;
        m_konfigFehler = false;
        m_geraet->setConfigurationParameter(QCanBusDevice::RawFilterKey,
                                            QVariant::fromValue(QList<QCanBusDevice::Filter>{filter}));
        if (m_konfigFehler)
            qWarning("CAN %s: acceptance filter not set: %s", qPrintable(oeffnung.schnittstelle),
                     qPrintable(m_geraet->errorString()));
    }
}

// Waits a bounded time for a device that is still connecting.
bool QtCanAdapter::verbindungAbwarten()
{
    if (m_geraet->state() == QCanBusDevice::ConnectingState) {
        QEventLoop schleife;
        QTimer frist;
        frist.setSingleShot(true);
        QObject::connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
        QObject::connect(m_geraet, &QCanBusDevice::stateChanged, &schleife,
                         [&schleife](QCanBusDevice::CanBusDeviceState s) {
                             if (s != QCanBusDevice::ConnectingState) schleife.quit();
                         });
        frist.start(VerbindenWartezeitMs);
        schleife.exec();
    }
    return m_geraet->state() == QCanBusDevice::ConnectedState;
}

void QtCanAdapter::schliessen()
{
    if (!m_geraet) return;
    QCanBusDevice* geraet = m_geraet;
    m_geraet = nullptr;
    QObject::disconnect(geraet, nullptr, nullptr, nullptr);
    if (geraet->state() != QCanBusDevice::UnconnectedState) geraet->disconnectDevice();
    delete geraet;
    m_sendeFehler = false;
    m_verloren = false;
}

bool QtCanAdapter::istOffen() const
{
    return m_geraet && !m_verloren && m_geraet->state() == QCanBusDevice::ConnectedState;
}

QString QtCanAdapter::name() const
{
    return m_name;
}

bool QtCanAdapter::senden(const CanRohRahmen& rahmen)
{
    if (!istOffen()) return false;
    // An error since the last frame: refuse this one, the caller repeats it.
    if (m_sendeFehler) {
        m_sendeFehler = false;
        return false;
    }
    const int laenge = std::min<int>(rahmen.laenge, 8);
    const QByteArray nutzdaten(reinterpret_cast<const char*>(rahmen.daten.data()), laenge);
    QCanBusFrame rahmenQt(rahmen.id & 0x7FF, nutzdaten);
    rahmenQt.setExtendedFrameFormat(false);
    const bool genommen = m_geraet->writeFrame(rahmenQt) && !m_sendeFehler;
    m_sendeFehler = false;
    return genommen;
}

std::optional<CanRohRahmen> QtCanAdapter::lesen()
{
    // A device that lost its connection still counts the frames it kept but
    // hands out none of them.
    if (!istOffen()) return std::nullopt;
    while (m_geraet->framesAvailable() > 0) {
        const QCanBusFrame f = m_geraet->readFrame();
        if (!f.isValid()) return std::nullopt;
        if (f.frameType() != QCanBusFrame::DataFrame || f.hasExtendedFrameFormat()) continue;
        CanRohRahmen r;
        r.id = f.frameId();
        const QByteArray nutzdaten = f.payload();
        r.laenge = static_cast<std::uint8_t>(std::min<qsizetype>(nutzdaten.size(), 8));
        std::copy_n(reinterpret_cast<const std::uint8_t*>(nutzdaten.constData()), r.laenge, r.daten.begin());
        return r;
    }
    return std::nullopt;
}
