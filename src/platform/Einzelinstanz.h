#pragma once
// One running program per user: the single-instance guard under the
// program's fixed name. A later start asks the running program to show its
// window and ends, without a message of its own.

#include "components/Shellkomponenten.h"

class Einzelinstanz : public TabfOneInstance {
    Q_OBJECT
public:
    explicit Einzelinstanz(const QString& name = QStringLiteral("Corvalink"), QObject* parent = nullptr)
        : TabfOneInstance(name, parent)
    {
        ShowMessage = false;
    }
};
