#include "application.h"

#include <QCoreApplication>

namespace vortan {

void initApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    QCoreApplication::setOrganizationName(QString());
}

}  // namespace vortan
