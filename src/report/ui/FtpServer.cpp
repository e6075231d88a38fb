#include "report/ui/FtpServer.h"

TFtpServer::TFtpServer(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("FtpServer")); }
TFtpServer::~TFtpServer() = default;
