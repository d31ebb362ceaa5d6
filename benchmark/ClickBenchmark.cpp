// Time from a pupil's click to the finished report, in-process on the offscreen platform: until
// the report's last line is in the text area, and until the click event returns, which for a
// button includes the repaint the button makes at once.
#include "ui/MainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianMicroseconds(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return double(nanoseconds[nanoseconds.size() / 2]) / 1000.0;
}

struct Latency
{
    std::vector<qint64> report;
    std::vector<qint64> event;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    MainForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    QRadioButton *buttons[4];
    for (int index = 0; index < 4; ++index)
        buttons[index] = form.findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(index));
    QListWidget *list = form.findChild<QListWidget *>(QStringLiteral("List1(0)"));

    // When the text area last changed: the report is finished then.
    QElapsedTimer timer;
    qint64 lastChange = 0;
    QObject::connect(form.findChild<QPlainTextEdit *>(QStringLiteral("Text1(0)"))->document(),
                     &QTextDocument::contentsChanged, [&] { lastChange = timer.nsecsElapsed(); });
    const auto timeClick = [&](QWidget *widget, QPoint position, Latency &latency) {
        QCoreApplication::processEvents(); // paint what the last click changed, as the loop would
        timer.start();
        QTest::mouseClick(widget, Qt::LeftButton, {}, position);
        latency.event.push_back(timer.nsecsElapsed());
        latency.report.push_back(lastChange);
    };

    // Each click changes the pick, so each one runs a handler and writes a whole report.
    constexpr int Clicks = 2000;
    Latency district, apostle;
    for (int click = 0; click < Clicks; ++click) {
        QRadioButton *button = buttons[click % 4];
        timeClick(button, QPoint(8, button->height() / 2), district);
        const int row = (click * 7 + 3) % 15;
        list->scrollToItem(list->item(row));
        timeClick(list->viewport(), list->visualItemRect(list->item(row)).center(), apostle);
    }
    std::printf("click to finished report (and to the end of the click event), median of %d "
                "clicks each:\n",
                Clicks);
    std::printf("  district button %6.1f us (%6.1f us)\n", medianMicroseconds(district.report),
                medianMicroseconds(district.event));
    std::printf("  apostle row     %6.1f us (%6.1f us)\n", medianMicroseconds(apostle.report),
                medianMicroseconds(apostle.event));
    return 0;
}
