#include "core/ui/Drucker.h"

#include "core/Boxes.h"
#include "core/ui/Druckserver.h"

#include <cups/cups.h>

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstring>

namespace {

Druckdialog& dialogErsatz()
{
    static Druckdialog d;
    return d;
}

}  // namespace

QPrinter& Drucker()
{
    static QPrinter* drucker = [] {
        auto* d = new QPrinter(QPrinter::HighResolution);
        d->setPageSize(QPageSize(QPageSize::A4));
        return d;
    }();
    return *drucker;
}

void DruckdialogSetzen(Druckdialog dialog) { dialogErsatz() = std::move(dialog); }

void DateiVorschlagen(QPrinter& drucker)
{
    const QString letzte = drucker.outputFileName();
    QString name = drucker.docName();
    if (letzte.isEmpty() || name.isEmpty()) return;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    drucker.setOutputFileName(QFileInfo(letzte).dir().filePath(name + QStringLiteral(".pdf")));
}

namespace {

bool InDatei(const QPrinter& d) { return d.outputFormat() != QPrinter::NativeFormat || !d.outputFileName().isEmpty(); }

QPageSize Standardpapier(const QString& warteschlange)
{
    return warteschlange.isEmpty() ? QPageSize() : QPrinterInfo::printerInfo(warteschlange).defaultPageSize();
}

// The dialog gives a queue its own default paper (CUPS's, on a machine
// whose locale is C often US Letter) and keeps it when the operator turns to
// a file. A print into a file that carries a paper over like that (the one
// before the dialog, when it came from a queue; the default of that queue or
// of the system's default queue) goes on A4; a queue keeps its paper, and so
// does a file the operator chose another one for.
void DateipapierSetzen(QPrinter& drucker, bool warDatei, const QPageSize& vorher, const QString& warteschlange)
{
    if (!InDatei(drucker)) return;
    const QPageSize papier = drucker.pageLayout().pageSize();
    const QPageSize a4(QPageSize::A4);
    if (papier.isEquivalentTo(a4)) return;
    const bool mitgebracht = (!warDatei && papier.isEquivalentTo(vorher)) ||
                             papier.isEquivalentTo(Standardpapier(warteschlange)) ||
                             papier.isEquivalentTo(Standardpapier(QPrinterInfo::defaultPrinterName()));
    if (mitgebracht) drucker.setPageSize(a4);
}

}  // namespace

bool DruckdialogZeigen(QPrinter& drucker, QWidget* eltern)
{
    const QString letzte = drucker.outputFileName();
    const bool warDatei = InDatei(drucker);
    const QPageSize vorher = drucker.pageLayout().pageSize();
    const QString warteschlange = warDatei ? QString() : drucker.printerName();
    DateiVorschlagen(drucker);
    bool drucken = false;
    if (dialogErsatz()) {
        drucken = dialogErsatz()(drucker, eltern);
    } else {
        QPrintDialog dialog(&drucker, eltern);
        drucken = dialog.exec() == QDialog::Accepted;
    }
    // A cancelled dialog leaves the printer as it was.
    if (!drucken) drucker.setOutputFileName(letzte);
    else DateipapierSetzen(drucker, warDatei, vorher, warteschlange);
    return drucken;
}

namespace {

struct Druckerzustand {
    enum Stand { Vorhanden, Fehlt, Stumm, Fehler };
    Stand stand = Fehler;
    bool angehalten = false;
    QString meldung;  // the printer's state message, or why the request failed
};

// The reason libcups gives for its last request; a request that failed
// without an error of the system has no text of its own ("Success").
QString Grund()
{
    const QString text = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (!text.isEmpty() && text != QString::fromLocal8Bit(std::strerror(0))) return text;
    return QString::fromUtf8(ippErrorString(cupsLastError()));
}

// The queue's state from the print system (its last status now that of this
// request), on a connection of its own so that a silent server holds the
// thread a few seconds only.
Druckerzustand ZustandAbfragen(const QString& warteschlange)
{
    Druckerzustand z;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     warteschlange.toUtf8().constData());
    ipp_t* anfrage = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const merkmale[] = {"printer-state", "printer-state-message"};
    ippAddStrings(anfrage, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, merkmale);
    http_t* http = DruckserverVerbinden();
    if (!http) {
        ippDelete(anfrage);
        z.stand = Druckerzustand::Stumm;
        return z;
    }
    ipp_t* antwort = cupsDoRequest(http, anfrage, "/");
    const ipp_status_t status = cupsLastError();
    if (antwort && status <= IPP_STATUS_OK_CONFLICTING) {
        z.stand = Druckerzustand::Vorhanden;
        if (ipp_attribute_t* a = ippFindAttribute(antwort, "printer-state", IPP_TAG_ENUM))
            z.angehalten = ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
        if (ipp_attribute_t* a = ippFindAttribute(antwort, "printer-state-message", IPP_TAG_TEXT))
            z.meldung = QString::fromUtf8(ippGetString(a, 0, nullptr)).trimmed();
    } else if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        z.stand = Druckerzustand::Fehlt;
        z.meldung = Grund();
    } else if (!antwort && DruckserverSchwieg(http)) {
        z.stand = Druckerzustand::Stumm;
    } else {
        z.meldung = Grund();
    }
    ippDelete(antwort);
    httpClose(http);
    return z;
}

QString Klammer(const QString& text) { return text.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(text); }

}  // namespace

Druckannahme::Druckannahme(const QPrinter& drucker)
{
    if (drucker.outputFormat() != QPrinter::NativeFormat || !drucker.outputFileName().isEmpty()) return;
    m_name = drucker.printerName();
    // Qt names an instance of a queue "queue/instance".
    m_warteschlange = m_name.section(QLatin1Char('/'), 0, 0);
    if (m_warteschlange.isEmpty()) return;
    // A request of our own, so that the status read afterwards is never one from before this job.
    ZustandAbfragen(m_warteschlange);
}

Druckannahme::Ergebnis Druckannahme::pruefen(QString* text) const
{
    if (text) text->clear();
    if (m_warteschlange.isEmpty()) return Angenommen;
    const bool abgelehnt = cupsLastError() > IPP_STATUS_OK_CONFLICTING;
    const QString grund = Grund();
    const Druckerzustand z = ZustandAbfragen(m_warteschlange);
    QString t;
    Ergebnis e = Angenommen;
    if (abgelehnt) {
        e = Abgelehnt;
        switch (z.stand) {
        case Druckerzustand::Fehlt:
            t = QStringLiteral("Der Drucker \u201e%1\u201c ist nicht mehr eingerichtet und hat den Druckauftrag "
                               "nicht angenommen: %2")
                    .arg(m_name, z.meldung);
            break;
        case Druckerzustand::Stumm:
            t = QStringLiteral("Der Drucker \u201e%1\u201c hat den Druckauftrag nicht angenommen: der Druckserver "
                               "\u201e%2\u201c antwortet nicht.")
                    .arg(m_name, DruckserverName());
            break;
        case Druckerzustand::Vorhanden:
        case Druckerzustand::Fehler:
            t = QStringLiteral("Der Drucker \u201e%1\u201c hat den Druckauftrag nicht angenommen: %2%3")
                    .arg(m_name, grund, Klammer(z.meldung));
            break;
        }
    } else if (z.angehalten) {
        e = Angehalten;
        t = QStringLiteral("Der Drucker \u201e%1\u201c ist angehalten%2: er hält den Druckauftrag zurück, bis er "
                           "wieder freigegeben wird.")
                .arg(m_name, Klammer(z.meldung));
    }
    if (text) *text = t;
    return e;
}

bool Druckannahme::melden() const
{
    QString text;
    const Ergebnis e = pruefen(&text);
    if (!text.isEmpty()) boxen().hinweis(text);
    return e != Abgelehnt;
}
