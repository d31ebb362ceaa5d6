#include "ui/ToolkitTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

bool installToolkitTranslation()
{
    // Owned by the application, so it lives as long as any text is translated.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/i18n/qtbase_bg.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
