#include "report/Berichtausgabe.h"

#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/print/Druckwarteschlange.h"
#include "match/print/Wurfblatt.h"
#include "report/deckblatt/Deckblatt.h"
#include "report/formulare/Formular.h"
#include "report/Unterschriften.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMetaObject>
#include <QSaveFile>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

Berichtsweg BerichtswegWaehlen(int index, bool textblatt)
{
    if (textblatt) return Berichtsweg::Textblatt;
    if (index >= 0 && index < FormularAnzahl) return Berichtsweg::Formular;
    if (index <= 19) return Berichtsweg::Leer;
    return Berichtsweg::Projekt;
}

QString BerichtswegHinweis(Berichtsweg weg, int index)
{
    switch (weg) {
    case Berichtsweg::Leer:
        return QStringLiteral("Formular %1 ist nicht belegt: es enthält keinen Spielbericht !").arg(index);
    default: return {};
    }
}

QRect BerichtZielrechteck(int index, QSize seite, const TFormularEinstellung& e)
{
    const qint64 links = e.SpRandLinks;
    const qint64 oben = e.SpRandOben;
    const qint64 rechts = qint64(seite.width()) - e.SpRandRechts;
    const qint64 unten = (index == 0 ? qint64(seite.height()) / 2 : qint64(seite.height())) - e.SpRandUnten;
    if (links < 0 || oben < 0 || rechts <= links || unten <= oben) return {};
    return QRect(int(links), int(oben), int(rechts - links), int(unten - oben));
}

int DruckerWahl(i32 standard, int anzahl) { return standard >= 0 && standard < anzahl ? standard : -1; }

Druckerauswahl DruckerSuchen(i32 standard, const QString& name, const QStringList& namen)
{
    if (name.isEmpty()) return {DruckerWahl(standard, int(namen.size())), false};
    const qsizetype i = namen.indexOf(name);
    return i >= 0 ? Druckerauswahl{int(i), false} : Druckerauswahl{-1, true};
}

QString DruckerFehltText(const QString& name, const QString& standard)
{
    if (standard.isEmpty())
        return QStringLiteral("Der Drucker \u201e%1\u201c ist nicht mehr eingerichtet: bitte einen anderen Drucker "
                              "wählen.")
            .arg(name);
    return QStringLiteral("Der Drucker \u201e%1\u201c ist nicht mehr eingerichtet: der Standarddrucker \u201e%2\u201c "
                          "ist vorgewählt.")
        .arg(name, standard);
}

int BerichtKopien(u8 kopien) { return kopien == 0 ? 1 : kopien; }

int BerichtErsteBahn(const TWettkampfDaten& w)
{
    const int bahn = w.ErsteSpielbahn ? w.ErsteSpielbahn : w.ErsteBahn;
    return bahn >= 1 && bahn <= MaxBahnen ? bahn : 0;
}

bool BahnenImSpiel(const TWettkampfDaten& w)
{
    for (int k = 1; k <= MaxBahnen; ++k)
        if (w.BahnImSpiel[k]) return true;
    return false;
}

bool DruckerportBesetzt(const TWettkampfDaten& w)
{
    if (DruckerportBelegt) return true;
    const int bahn = BerichtErsteBahn(w);
    if (!bahn) return false;
    const int p = DruckerZuordnung[bahn];
    return p >= 1 && p <= ZentralDruckerAnzahl && DruckerBeschaeftigt[p];
}

Textblattergebnis TextblattDrucken(TWettkampfDaten& w)
{
    if (BahnenImSpiel(w)) return Textblattergebnis::BahnenImSpiel;
    const int bahn = BerichtErsteBahn(w);
    DruckerportBelegt = 1;
    if (!bahn || !BerichtDruckerOeffnen(bahn)) {
        DruckerportBelegt = 0;
        return Textblattergebnis::KeinDrucker;
    }
    BahndruckErgebnisblatt(bahn, w, Cp1252::encode(Spielort));
    return Textblattergebnis::Gedruckt;
}

QString TextblattStatus(Textblattergebnis e)
{
    switch (e) {
    case Textblattergebnis::BahnenImSpiel:
        return QStringLiteral("Spielbericht nicht gedruckt: die Bahnen des Spiels sind noch nicht freigegeben !");
    case Textblattergebnis::KeinDrucker:
        return QStringLiteral("Spielbericht nicht gedruckt: kein Drucker für die Bahn frei !");
    case Textblattergebnis::Gedruckt: break;
    }
    return {};
}

const QString MailOhneServer = QStringLiteral("Kein E-Mail-Server eingestellt: Nachricht nicht versendet !");

QString MailFehler(const QString& grund) { return QStringLiteral("Nachricht konnte nicht versendet werden: ") + grund; }

QStringList DeckblattZeilen(int k)
{
    const std::unique_ptr<QTextDocument> d = DeckblattDokument(k);
    if (!d) return {};
    return d->toPlainText().split(QLatin1Char('\n'));
}

namespace {

struct Anhangarbeiten {
    std::mutex mx;
    std::condition_variable cv;
    int laufend = 0;
};
Anhangarbeiten& Anhaenge()
{
    static Anhangarbeiten a;
    return a;
}

QString AnhangFehler(const QString& pfad, const QString& ursache)
{
    return QStringLiteral("„%1“ nicht gespeichert (%2)").arg(QDir::toNativeSeparators(pfad), ursache);
}

}  // namespace

QString MailanhangPfad() { return QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.bmp")); }

bool MailanhangSpeichern(TWettkampfDaten& w, int index, const QString& pfad, QString* grund)
{
    auto fehler = [&](const QString& text) {
        if (grund) *grund = text;
        return false;
    };
    if (!FormularMasse(index)) return fehler(BerichtswegHinweis(BerichtswegWaehlen(index, false), index));
    QString ursache;
    if (BerichtBmpSchreiben(w, index, pfad, &ursache)) return true;
    return fehler(AnhangFehler(pfad, ursache));
}

void MailanhangImHintergrund(const Berichtsaufnahme& a, const QString& pfad,
                             std::function<void(bool ok, const QString& grund)> fertig)
{
    auto arbeit = [a, pfad, fertig](bool eigenerThread) {
        QString ursache;
        const bool ok = BerichtBmpSchreiben(a, pfad, &ursache);
        const QString grund = ok ? QString() : AnhangFehler(pfad, ursache);
        // Always by the event loop, so that the caller has returned first.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [fertig, ok, grund] { fertig(ok, grund); }, Qt::QueuedConnection);
        if (!eigenerThread) return;
        std::lock_guard sperre(Anhaenge().mx);
        --Anhaenge().laufend;
        Anhaenge().cv.notify_all();
    };
    {
        std::lock_guard sperre(Anhaenge().mx);
        ++Anhaenge().laufend;
    }
    try {
        std::thread(arbeit, true).detach();
    } catch (const std::system_error&) {
        {
            std::lock_guard sperre(Anhaenge().mx);
            --Anhaenge().laufend;
        }
        arbeit(false);
    }
}

int LaufendeMailanhaenge()
{
    std::lock_guard sperre(Anhaenge().mx);
    return Anhaenge().laufend;
}

bool MailanhaengeAbwarten(int ms)
{
    std::unique_lock sperre(Anhaenge().mx);
    return Anhaenge().cv.wait_for(sperre, std::chrono::milliseconds(ms), [] { return Anhaenge().laufend == 0; });
}

Mailauftrag MailauftragErstellen(const TWettkampfDaten& w, const QStringList& deckblatt, const QString& anhang)
{
    Mailauftrag m;
    m.host = Einst.EmailHost;
    m.port = Einst.EmailPort;
    if (Einst.EmailKennungEin) m.kennung = Einst.EmailKennung;
    m.von = w.EmailVon;
    m.vonName = w.EmailName;
    m.an = w.EmailAn;
    m.betreff = w.EmailBetreff;
    m.text = deckblatt;
    m.text << QString();
    m.anhang = anhang;
    return m;
}

u8 DeckblattAuswahl(int eintrag) { return eintrag >= 0 && eintrag <= 255 ? u8(eintrag) : 0; }

void DeckblattStandardSetzen(TWettkampfDaten& w, bool fax, u8 k)
{
    u8& imSpiel = fax ? w.FaxDeckblatt : w.EmailDeckblatt;
    if (imSpiel != k) w.Geaendert = 1;
    imSpiel = k;
    (fax ? Einst.FaxDeckblatt : Einst.EmailDeckblatt) = k;
    InfSchreiben(QStringLiteral("[Allgemein]"), fax ? QStringLiteral("FaxDeckblatt") : QStringLiteral("EmailDeckblatt"),
                 QString::number(k));
    InfListeSpeichern();
}

QString DeckblattAusgabedatei(const QString& datei)
{
    const QFileInfo f(datei);
    const QString endung = f.suffix().isEmpty() ? QString() : QStringLiteral(".") + f.suffix();
    return f.dir().filePath(f.completeBaseName() + QStringLiteral("-Deckblatt") + endung);
}
