// The toolkit's floor: a window with the same eleven controls, texts and font as the lesson's,
// and no logic, no bindings and no icon of its own.
#include "content/LessonContent.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

template <typename Control, typename... Arguments>
Control *place(QWidget *parent, QRect geometry, Arguments &&...arguments)
{
    auto *control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setGeometry(geometry);
    return control;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(461, 345);
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window.setWindowTitle(LessonContent::windowCaption());

    place<QPlainTextEdit>(&window, {8, 152, 449, 185}, LessonContent::introduction());
    place<QPlainTextEdit>(&window, {40, 216, 449, 121}, LessonContent::aphorism())->hide();
    place<QLabel>(&window, {64, 0, 305, 25}, LessonContent::heading());
    auto *frame =
        place<QGroupBox>(&window, {8, 40, 185, 97}, LessonContent::districtGroupCaption());
    const QStringList captions = LessonContent::districtCaptions();
    for (int index = 0; index < captions.size(); ++index)
        place<QRadioButton>(frame, {8, 24 + 16 * index, 169, 19}, captions[index]);
    place<QListWidget>(&window, {240, 60, 209, 80})->addItems(LessonContent::apostleRows());
    auto *map = place<QListWidget>(&window, {200, 56, 33, 61});
    map->addItems(LessonContent::districtMap());
    map->hide();
    place<QLabel>(&window, {240, 40, 209, 20}, LessonContent::apostleListCaption());

    window.show();
    return application.exec();
}
