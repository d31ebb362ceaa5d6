#include "ui/ApplicationIdentity.h"
#include "ui/MainForm.h"
#include "ui/ToolkitTranslation.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without any display Qt would abort; a teacher gets a sentence that says what to do instead.
bool displayMissing()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        std::fputs("kelmarin: no graphical display was found (neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set).\nStart it from a desktop session, or without a screen: "
                   "xvfb-run kelmarin\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication application(argc, argv);
    setApplicationIdentity();
    if (!installToolkitTranslation())
        qWarning("kelmarin: Qt's Bulgarian translation could not be loaded");
    MainForm form;
    form.show();
    return application.exec();
}
