#include "platform/Kartenleser.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace {
constexpr qint64 KartenBytes = 2 * qint64(KartenEinheiten);

class Kartendatei : public Kartenleser {
public:
    explicit Kartendatei(const QString& pfad) : pfad_(pfad) {}

    bool karteVorhanden() override
    {
        const QFileInfo info(pfad_);
        return info.isFile() && info.size() == KartenBytes;
    }

    bool uebertragen(char, int modus, std::uint16_t adresse, std::uint16_t laenge, std::uint16_t* bild) override
    {
        if (!bild || !KartenbereichGueltig(adresse, laenge)) return false;
        if (modus == KartenModusLesen) {
            const auto inhalt = lesen();
            if (!inhalt) return false;
            for (int i = adresse; i < adresse + laenge; ++i)
                bild[i] = std::uint16_t(std::uint8_t((*inhalt)[2 * i]) | std::uint8_t((*inhalt)[2 * i + 1]) << 8);
            return true;
        }
        if (modus != KartenModusSchreiben) return false;
        QByteArray inhalt;
        if (QFileInfo::exists(pfad_)) {
            const auto alt = lesen();
            if (!alt) return false;  // not a card file: left alone
            inhalt = *alt;
        } else {
            inhalt = QByteArray(KartenBytes, '\0');
        }
        for (int i = adresse; i < adresse + laenge; ++i) {
            inhalt[2 * i] = char(bild[i] & 0xFF);
            inhalt[2 * i + 1] = char(bild[i] >> 8);
        }
        QSaveFile datei(pfad_);
        if (!datei.open(QIODevice::WriteOnly)) return false;
        if (datei.write(inhalt) != inhalt.size()) {
            datei.cancelWriting();
            return false;
        }
        return datei.commit();
    }

    QString name() const override { return QStringLiteral("Datei: ") + pfad_; }

private:
    // The whole card; nothing for a missing file or one of another size.
    std::optional<QByteArray> lesen() const
    {
        QFile datei(pfad_);
        if (!datei.open(QIODevice::ReadOnly) || datei.size() != KartenBytes) return std::nullopt;
        QByteArray inhalt = datei.read(KartenBytes + 1);
        if (inhalt.size() != KartenBytes) return std::nullopt;
        return inhalt;
    }

    QString pfad_;
};
}  // namespace

std::unique_ptr<Kartenleser> DateiKartenleser(const QString& pfad) { return std::make_unique<Kartendatei>(pfad); }
