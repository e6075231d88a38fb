#include "core/ui/Hilfe.h"

#include "core/Boxes.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

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
