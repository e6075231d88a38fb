#include "report/Ftpsitzung.h"

FtpOrdner FtpOrdnerAus(const QString&) { return {}; }

struct Ftpsitzung::Impl {};

Ftpsitzung::Ftpsitzung(QObject* parent) : QObject(parent), d(new Impl) {}
Ftpsitzung::~Ftpsitzung() { delete d; }
void Ftpsitzung::verbinden(const FtpZugang&) {}
void Ftpsitzung::hochladen(const FtpOrdner&, const QString&, const QString&) {}
void Ftpsitzung::herunterladen(const FtpOrdner&, const QString&, const QString&) {}
void Ftpsitzung::auflisten(const FtpOrdner&) {}
void Ftpsitzung::ordnerAnlegen(const FtpOrdner&, const QString&) {}
void Ftpsitzung::loeschen(const FtpOrdner&, const QString&) {}
void Ftpsitzung::umbenennen(const FtpOrdner&, const QString&, const QString&) {}
void Ftpsitzung::trennen() {}
void Ftpsitzung::setZeitlimit(int) {}
bool Ftpsitzung::verbunden() const { return false; }
int Ftpsitzung::offen() const { return 0; }
