#include "ui/ApplicationIdentity.h"

#include <QGuiApplication>

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("kelmarin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMARIN_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kelmarin.example"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELMARIN_APP_ID));
}
