#include "report/ui/Berichtausgabe.h"

#include "core/Berichtdienste.h"
#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/ui/Drucker.h"
#include "core/ui/Druckserver.h"
#include "report/Berichtausgabe.h"
#include "report/projekte/Berichtsprojekte.h"
#include "report/deckblatt/Deckblatt.h"
#include "report/Druckoptionen.h"
#include "report/netz/Netzmodul.h"
#include "report/formulare/Formular.h"
#include "report/Unterschriften.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

BerichtausgabeZustand berichtausgabeZustand;

namespace {

const QString Drucktitel = QStringLiteral("Spielbericht Corvalink");

// The layout's way; false with the operator told when it sends nothing.
bool FormularWeg(int index)
{
    const Berichtsweg weg = BerichtswegWaehlen(index, false);
    if (weg == Berichtsweg::Formular || weg == Berichtsweg::Projekt) return true;
    boxen().hinweis(BerichtswegHinweis(weg, index));
    return false;
}

// The project of layout `index` on the printer or the fax printer, filled
// with the current match; a missing project file prints nothing.
void ProjektAusgeben(QWidget* eltern, int index, int optionen, int kopien)
{
    const QString datei = ProjektdateiVon(index);
    if (datei.isEmpty() || !QFileInfo::exists(datei)) {
        BerichtStatus(QStringLiteral("Spielbericht nicht gedruckt: die Formulardatei fehlt !"));
        return;
    }
    QString fehler;
    LetztesBerichtsergebnis = ProjektDrucken(Berichtskomponente(), eltern, datei, optionen, kopien, &fehler);
    if (!fehler.isEmpty()) boxen().hinweis(QStringLiteral("Spielbericht nicht gedruckt: %1").arg(fehler));
}

// The printer of a printer setting with the page set-up kept for it, the
// orientation and the copies. A kept printer that is gone is told.
void DruckerEinstellen(QPrinter& d, i32 standard, const QString& gemerkt, bool hochformat, int kopien)
{
    const QStringList namen = QPrinterInfo::availablePrinterNames();
    const Druckerauswahl wahl = DruckerSuchen(standard, gemerkt, namen);
    const QString name = wahl.index >= 0 ? namen[wahl.index] : QPrinterInfo::defaultPrinterName();
    if (wahl.fehlt) boxen().hinweis(DruckerFehltText(gemerkt, name));
    // Without an installed printer the dialog offers what there is (a file).
    if (!name.isEmpty()) {
        if (d.outputFormat() != QPrinter::NativeFormat) d.setOutputFormat(QPrinter::NativeFormat);
        d.setPrinterName(name);
    }
    const auto seite = druckoptionenZustand.Seiteneinrichtung.find(d.printerName());
    if (seite != druckoptionenZustand.Seiteneinrichtung.end()) d.setPageLayout(seite->second);
    d.setPageOrientation(hochformat ? QPageLayout::Portrait : QPageLayout::Landscape);
    d.setCopyCount(kopien);
}

void AuftragBeginnt(QPrinter& d, const QString& titel)
{
    d.setDocName(titel);
    if (berichtausgabeZustand.vorDruckauftrag) berichtausgabeZustand.vorDruckauftrag(d);
}

// The graphic print waits while the PC-port printer is taken.
bool PortFrei(const TWettkampfDaten& w)
{
    if (!Einst.DrBahndrucker || !DruckerportBesetzt(w)) return true;
    BerichtStatus(QStringLiteral("Spielbericht nicht gedruckt: der Drucker ist belegt !"));
    return false;
}

class Berichtausgabedienste final : public BerichtDienste {
public:
    // The program's end: a report picture still being written is finished.
    ~Berichtausgabedienste() override { MailanhaengeAbwarten(3000); }
    void drucken(QWidget* eltern) override { SpielberichtDrucken(eltern, Einst.FormularNummer); }
    void faxen(QWidget* eltern) override { SpielberichtFaxen(eltern, Einst.FormularNummer); }
    void mailen(QWidget* eltern) override { SpielberichtMailen(eltern, Einst.FormularNummer); }
};

}  // namespace

void BerichtStatusZiel(std::function<void(const QString&)> ziel) { berichtausgabeZustand.statusZiel = std::move(ziel); }

void BerichtStatus(const QString& text)
{
    if (berichtausgabeZustand.statusZiel)
        berichtausgabeZustand.statusZiel(text);
    else
        fenster().statusText(0, text);
}

bool BildAufDrucker(QPrinter& drucker, const QImage& bild, int index)
{
    static const TFormularEinstellung ohne;
    const TFormularEinstellung& e = FormularIndexMitEinstellung(index) ? Einst.FormularEinstellungen[index] : ohne;
    const QRect ziel = BerichtZielrechteck(index, QSize(drucker.width(), drucker.height()), e);
    if (ziel.isEmpty()) {
        boxen().hinweis(QStringLiteral("Die Ränder von Formular %1 lassen auf der Seite keinen Platz für den "
                                       "Spielbericht: bitte in den Druckoptionen verkleinern.")
                            .arg(index));
        return false;
    }
    AuftragBeginnt(drucker, Drucktitel);
    const Druckannahme annahme(drucker);
    QPainter p;
    if (!p.begin(&drucker)) {
        boxen().hinweis(QStringLiteral("Der Drucker „%1“ kann nicht drucken.").arg(drucker.printerName()));
        return false;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(ziel, bild);
    if (!p.end()) {
        boxen().hinweis(QStringLiteral("Der Drucker „%1“ kann nicht drucken.").arg(drucker.printerName()));
        return false;
    }
    return annahme.melden();
}

bool FormularAufDrucker(QPrinter& drucker, TWettkampfDaten& w, int index)
{
    const FormularBild f = BerichtZeichnen(w, index);
    if (f.bild.isNull()) {
        if (!f.fehler.isEmpty()) boxen().hinweis(f.fehler);
        return false;
    }
    return BildAufDrucker(drucker, f.bild, index);
}

void SpielberichtDrucken(QWidget* eltern, int index)
{
    TWettkampfDaten* w = AktWettkampf;
    if (!w) return;
    const Berichtsweg weg = BerichtswegWaehlen(index, Einst.DrBahndrucker && !Einst.DrGrafik);
    if (weg == Berichtsweg::Textblatt) {
        const Textblattergebnis e = TextblattDrucken(*w);
        if (e != Textblattergebnis::Gedruckt) BerichtStatus(TextblattStatus(e));
        return;
    }
    if (!FormularWeg(index)) return;
    if (weg == Berichtsweg::Projekt) {
        ProjektAusgeben(eltern, index, AusgabeDrucker, BerichtKopien(Einst.Kopien));
        return;
    }

    if (!DruckserverMelden()) return;
    const TFormularEinstellung& e = Einst.FormularEinstellungen[index];
    QPrinter& drucker = Drucker();
    DruckerEinstellen(drucker, e.StandardDrucker, e.StandardDruckerName, e.SpAusrichtung, BerichtKopien(Einst.Kopien));
    drucker.setDocName(Drucktitel);  // the dialog proposes a PDF file after it
    if (!DruckdialogZeigen(drucker, eltern)) return;
    if (!PortFrei(*w)) return;
    FormularAufDrucker(drucker, *w, index);
}

void SpielberichtFaxen(QWidget* eltern, int index)
{
    if (!AktWettkampf || !FormularWeg(index)) return;
    if (!fenster().dialog(Dialog::FaxSenden)) return;
    TWettkampfDaten* w = AktWettkampf;
    if (!w) return;
    if (BerichtswegWaehlen(index, false) == Berichtsweg::Projekt) {
        ProjektAusgeben(eltern, index, AusgabeFax, 1);
        return;
    }

    if (!DruckserverMelden()) return;
    const TFormularEinstellung& e = Einst.FormularEinstellungen[index];
    QPrinter& drucker = Drucker();
    DruckerEinstellen(drucker, e.StandardFax, e.StandardFaxName, e.SpAusrichtung, 1);
    drucker.setDocName(Drucktitel);
    if (!DruckdialogZeigen(drucker, eltern)) return;
    const int k = w->FaxDeckblatt;
    if (const std::unique_ptr<QTextDocument> deckblatt = DeckblattDokument(k)) {
        // Into a file, the report's job would overwrite the cover: it gets a file of its own.
        const QString datei = drucker.outputFileName();
        if (!datei.isEmpty()) drucker.setOutputFileName(DeckblattAusgabedatei(datei));
        drucker.setPageOrientation(QPageLayout::Portrait);
        AuftragBeginnt(drucker, DeckblattNamen().value(k, QStringLiteral("Deckblatt")));
        const Druckannahme annahme(drucker);
        DeckblattDrucken(*deckblatt, drucker);
        if (!datei.isEmpty()) drucker.setOutputFileName(datei);
        // A refused cover stops the fax; a stopped printer is told with the report's job.
        QString abgelehnt;
        if (annahme.pruefen(&abgelehnt) == Druckannahme::Abgelehnt) {
            boxen().hinweis(abgelehnt);
            return;
        }
    }
    if (!PortFrei(*w)) return;
    drucker.setPageOrientation(e.SpAusrichtung ? QPageLayout::Portrait : QPageLayout::Landscape);
    FormularAufDrucker(drucker, *w, index);
}

void SpielberichtMailen(QWidget*, int index)
{
    BerichtStatus(QString());
    if (!AktWettkampf || !FormularWeg(index)) return;
    if (!fenster().dialog(Dialog::EmailSenden)) return;
    TWettkampfDaten* w = AktWettkampf;
    if (!w) return;
    if (Einst.EmailHost.trimmed().isEmpty()) {
        BerichtStatus(MailOhneServer);
        return;
    }

    BerichtStatus(MailWartenText);
    const auto senden = [](const Mailauftrag& mail) {
        netz().mailSenden(mail, [](bool ok, const QString& fehler) {
            BerichtStatus(ok ? MailVersendetText : MailFehler(fehler));
        });
    };
    if (BerichtswegWaehlen(index, false) == Berichtsweg::Projekt) {
        // The project as a picture; without its file the mail goes without one.
        QString anhang;
        const QString datei = ProjektdateiVon(index);
        if (!datei.isEmpty() && QFileInfo::exists(datei)) {
            anhang = QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.jpg"));
            QString grund;
            if (ProjektExportieren(Berichtskomponente(), datei, QStringLiteral("PICTURE_JPEG"), anhang, *w, &grund) !=
                BerichtOk) {
                BerichtStatus(MailFehler(grund));
                return;
            }
        }
        senden(MailauftragErstellen(*w, DeckblattZeilen(w->EmailDeckblatt), anhang));
        return;
    }

    // The picture is drawn and written on a worker; the mail goes when it is there.
    const std::optional<Berichtsaufnahme> aufnahme = BerichtAufnehmen(*w, index);
    if (!aufnahme) return;  // FormularWeg lets built-in layouts only through
    const QString anhang = MailanhangPfad();
    const Mailauftrag mail = MailauftragErstellen(*w, DeckblattZeilen(w->EmailDeckblatt), anhang);
    MailanhangImHintergrund(*aufnahme, anhang, [mail, senden](bool ok, const QString& grund) {
        if (ok)
            senden(mail);
        else
            BerichtStatus(MailFehler(grund));
    });
}

std::unique_ptr<BerichtDienste> BerichtDiensteErzeugen() { return std::make_unique<Berichtausgabedienste>(); }
