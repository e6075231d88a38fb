#include "platform/PcscKartenleser.h"

#include "platform/Speicherkarte.h"

#include <winscard.h>

#include <algorithm>
#include <array>

namespace {
// The daemon went away (or was restarted): the context is dead.
bool dienstVerloren(LONG rc)
{
    return rc == SCARD_E_NO_SERVICE || rc == SCARD_E_SERVICE_STOPPED || rc == SCARD_E_INVALID_HANDLE;
}

QString grund(LONG rc)
{
    if (rc == SCARD_E_NO_SERVICE || rc == SCARD_E_SERVICE_STOPPED) return PcscDienstFehlt;
    if (rc == SCARD_E_NO_READERS_AVAILABLE) return PcscKeinLeser;
    return QStringLiteral("Der Chipkartendienst meldet den Fehler 0x%1 !")
        .arg(QString::number(quint32(rc), 16).toUpper());
}

class Pcsc : public Kartenleser {
public:
    Pcsc(SCARDCONTEXT kontext, QByteArray leser) : kontext_(kontext), kontextOffen_(true), leser_(std::move(leser)) {}

    ~Pcsc() override
    {
        trennen();
        if (kontextOffen_) SCardReleaseContext(kontext_);
    }

    bool karteVorhanden() override
    {
        if (!kontextBereit()) return false;
        SCARD_READERSTATE zustand{};
        zustand.szReader = leser_.constData();
        zustand.dwCurrentState = SCARD_STATE_UNAWARE;
        const LONG rc = SCardGetStatusChange(kontext_, 0, &zustand, 1);
        if (rc != SCARD_S_SUCCESS) {
            fehlgeschlagen(rc);
            return false;
        }
        const bool da = (zustand.dwEventState & SCARD_STATE_PRESENT) && !(zustand.dwEventState & SCARD_STATE_MUTE);
        if (!da) trennen();
        return da;
    }

    // The card type character means nothing to a PC/SC reader: the reader
    // knows its card.
    bool uebertragen(char, int modus, std::uint16_t adresse, std::uint16_t laenge, std::uint16_t* bild) override
    {
        if (!kontextBereit()) return false;
        if (verbunden_ && !verbindungGueltig()) trennen();
        if (!verbunden_ && !verbinden()) return false;
        return SpeicherkarteUebertragen([this](const QByteArray& befehl) { return senden(befehl); }, modus, adresse,
                                        laenge, bild);
    }

    QString name() const override { return QStringLiteral("PC/SC: ") + QString::fromUtf8(leser_); }

private:
    bool kontextBereit()
    {
        if (kontextOffen_) return true;
        kontextOffen_ = SCardEstablishContext(SCARD_SCOPE_SYSTEM, nullptr, nullptr, &kontext_) == SCARD_S_SUCCESS;
        return kontextOffen_;
    }

    void fehlgeschlagen(LONG rc)
    {
        if (!dienstVerloren(rc)) return;
        trennen();
        SCardReleaseContext(kontext_);
        kontextOffen_ = false;
    }

    bool verbinden()
    {
        LONG rc = SCardConnect(kontext_, leser_.constData(), SCARD_SHARE_SHARED, SCARD_PROTOCOL_T0 | SCARD_PROTOCOL_T1,
                               &karte_, &protokoll_);
        if (rc == SCARD_E_PROTO_MISMATCH)
            rc = SCardConnect(kontext_, leser_.constData(), SCARD_SHARE_SHARED, SCARD_PROTOCOL_RAW, &karte_,
                              &protokoll_);
        verbunden_ = rc == SCARD_S_SUCCESS;
        if (!verbunden_) fehlgeschlagen(rc);
        return verbunden_;
    }

    void trennen()
    {
        if (verbunden_) SCardDisconnect(karte_, SCARD_LEAVE_CARD);
        verbunden_ = false;
    }

    // The card of the connection is still the one in the reader.
    bool verbindungGueltig()
    {
        DWORD zustand = 0, protokoll = 0, atrLaenge = MAX_ATR_SIZE, namenLaenge = 0;
        std::array<BYTE, MAX_ATR_SIZE> atr{};
        const LONG rc =
            SCardStatus(karte_, nullptr, &namenLaenge, &zustand, &protokoll, atr.data(), &atrLaenge);
        if (rc != SCARD_S_SUCCESS) fehlgeschlagen(rc);
        return rc == SCARD_S_SUCCESS;
    }

    std::optional<QByteArray> senden(const QByteArray& befehl)
    {
        const SCARD_IO_REQUEST* pci = protokoll_ == SCARD_PROTOCOL_T0   ? SCARD_PCI_T0
                                      : protokoll_ == SCARD_PROTOCOL_T1 ? SCARD_PCI_T1
                                                                        : SCARD_PCI_RAW;
        std::array<BYTE, 2 + 256> antwort{};
        DWORD n = antwort.size();
        const LONG rc = SCardTransmit(karte_, pci, reinterpret_cast<const BYTE*>(befehl.constData()),
                                      DWORD(befehl.size()), nullptr, antwort.data(), &n);
        if (rc != SCARD_S_SUCCESS) {
            trennen();
            fehlgeschlagen(rc);
            return std::nullopt;
        }
        return QByteArray(reinterpret_cast<const char*>(antwort.data()), qsizetype(std::min<DWORD>(n, antwort.size())));
    }

    SCARDCONTEXT kontext_ = 0;
    bool kontextOffen_ = false;
    QByteArray leser_;
    SCARDHANDLE karte_ = 0;
    DWORD protokoll_ = 0;
    bool verbunden_ = false;
};
}  // namespace

std::unique_ptr<Kartenleser> PcscKartenleserOeffnen(int port, QString* fehler)
{
    auto melden = [fehler](const QString& text) {
        if (fehler) *fehler = text;
        return nullptr;
    };
    SCARDCONTEXT kontext = 0;
    LONG rc = SCardEstablishContext(SCARD_SCOPE_SYSTEM, nullptr, nullptr, &kontext);
    if (rc != SCARD_S_SUCCESS) return melden(grund(rc));

    DWORD laenge = 0;
    rc = SCardListReaders(kontext, nullptr, nullptr, &laenge);
    QByteArray liste;
    if (rc == SCARD_S_SUCCESS && laenge > 0) {
        liste.resize(qsizetype(laenge));
        rc = SCardListReaders(kontext, nullptr, liste.data(), &laenge);
        liste.truncate(qsizetype(std::min<DWORD>(laenge, DWORD(liste.size()))));
    }
    const QList<QByteArray> namen = rc == SCARD_S_SUCCESS ? Lesernamen(liste) : QList<QByteArray>{};
    const int n = std::max(port, 1);
    if (rc == SCARD_S_SUCCESS && n <= namen.size()) return std::make_unique<Pcsc>(kontext, namen[n - 1]);

    SCardReleaseContext(kontext);
    if (rc != SCARD_S_SUCCESS) return melden(grund(rc));
    if (namen.isEmpty()) return melden(PcscKeinLeser);
    return melden(QStringLiteral("Chipkartenleser %1 nicht angeschlossen (%2 vorhanden) !").arg(n).arg(namen.size()));
}
