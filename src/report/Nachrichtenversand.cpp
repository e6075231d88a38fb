#include "report/Nachrichtenversand.h"

QByteArray NachrichtRahmen(const QByteArray&, const QByteArray&) { return {}; }

struct Nachrichtenversand::Impl {};

Nachrichtenversand::Nachrichtenversand(QObject* parent) : QObject(parent), d(new Impl) {}
Nachrichtenversand::~Nachrichtenversand() { delete d; }
void Nachrichtenversand::senden(const QString&, const QByteArray&, const QByteArray&) {}
void Nachrichtenversand::setPort(quint16) {}
void Nachrichtenversand::setZeitlimit(int) {}
int Nachrichtenversand::laufend() const { return 0; }
