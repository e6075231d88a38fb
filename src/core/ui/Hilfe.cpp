#include "core/ui/Hilfe.h"

#include "core/Boxes.h"
#include "core/Rtf.h"
#include "core/SettingsFile.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

THilfe::THilfe(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Hilfe"));
    resize(600, 450);
    HintergrundSetzen(this, u"ColorHinweis");

    REHilfe = new QTextBrowser(this);
    REHilfe->setObjectName(QStringLiteral("REHilfe"));
    REHilfe->setReadOnly(true);
    REHilfe->setOpenLinks(false);
    REHilfe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BtnOK = BoxKnopf(this, QStringLiteral("BtnOK"), QStringLiteral("Ok"));
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(ErgebnisOk); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOK);
    knoepfe->addStretch();
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(REHilfe);
    spalte->addLayout(knoepfe);
}

void HilfedateiZeigen(QWidget* eltern, const QString& name)
{
    const QString datei = DateiImOrdner(Hilfeverzeichnis, name);
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        boxen().hinweis(QStringLiteral("Die Hilfedatei %1 ist nicht vorhanden !").arg(QDir::toNativeSeparators(datei)));
        return;
    }
    THilfe hilfe(eltern);
    RtfLesen(f.readAll(), *hilfe.REHilfe->document());
    hilfe.REHilfe->moveCursor(QTextCursor::Start);  // the reading moved it to the end
    hilfe.exec();
}
