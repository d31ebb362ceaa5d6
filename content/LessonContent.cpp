#include "content/LessonContent.h"

namespace LessonContent {

QStringList districtCaptions()
{
    return {
        QStringLiteral("1.Търновски"),
        QStringLiteral("2.Сливенски"),
        QStringLiteral("3.Врачански"),
        QStringLiteral("4.Пловдивски"),
    };
}

QStringList apostleRows()
{
    return {
        QStringLiteral("Георги Апостолов"),  QStringLiteral("Георги Бенковски"),
        QStringLiteral("Георги Измирлиев"),  QStringLiteral("Георги Икономов"),
        QStringLiteral("Георги Обретенов"),  QStringLiteral("Захари Стоянов"),
        QStringLiteral("Иван Семерджиев"),   QStringLiteral("Иларион Драгостинов"),
        QStringLiteral("Никола Обретенов"),  QStringLiteral("Никола Славков"),
        QStringLiteral("Панайот Волов"),     QStringLiteral("Стефан Стамболов"),
        QStringLiteral("Стоил войвода"),     QStringLiteral("Стоян Заимов"),
        QStringLiteral("Христо Караминков"),
    };
}

QStringList districtMap()
{
    return {
        QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("3"),
        QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("1"),
        QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("0"),
        QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0"),
    };
}

QString windowCaption()
{
    return QStringLiteral("www.kelmarin.example  Келмарин");
}

QString heading()
{
    return QStringLiteral("Тирвален");
}

QString apostleListCaption()
{
    return QStringLiteral("Апостоли");
}

QString districtGroupCaption()
{
    return QStringLiteral("Революционни окръзи");
}

QString introduction()
{
    const QStringList lines = {
        QStringLiteral(
            "Априлското въстание от 1876 г. е организирано от Българския революционен "
            "централен комитет. То избухва на 20 април (стар стил) в Копривщица. Въстанието "
            "не постига военен успех, но постига своята политическа цел: борбата на българите "
            "за независимост намира силен отзвук в Западна Европа и в Русия."),
        QStringLiteral("Задание: да се създаде проект, който показва връзките между учебните "
                       "предмети история и информатика."),
        QStringLiteral("Тема на проекта: Тирвален."),
        QStringLiteral(
            "Задача: да се покажат имената на революционните окръзи и на апостолите, които са "
            "работили в тях, като две отделни групи радиобутони с различен брой елементи; при "
            "събитие On-Click на елемент от която и да е от двете групи в текстово поле да се "
            "покажат съответният окръг и имената на апостолите, които отговарят за него."),
        QStringLiteral("Окръзите да бъдат подредени по възходящ номер, а апостолите – по азбучен "
                       "ред."),
        QStringLiteral("1.Търновски - Стефан Стамболов, Христо Караминков, Иван Семерджиев и "
                       "Георги Измирлиев;"),
        QStringLiteral("2.Сливенски - Иларион Драгостинов, Стоил войвода и Георги Обретенов;"),
        QStringLiteral("3.Врачански - Стоян Заимов, Никола Обретенов, Георги Апостолов и Никола "
                       "Славков;"),
        QStringLiteral("4.Пловдивски - Панайот Волов, Георги Бенковски, Георги Икономов и Захари "
                       "Стоянов."),
        QStringLiteral("Съберете допълнителни материали за отделните апостоли и за подготовката "
                       "на въстанието по окръзи."),
    };
    return lines.join(LineEnd) + LineEnd;
}

QString aphorism()
{
    const QString blankAndLineEnd = QLatin1Char(' ') + LineEnd;
    return QStringLiteral("Неприятното в това да направиш нещо пръв и както трябва") +
           blankAndLineEnd + QStringLiteral("е, че никой не оценява") + blankAndLineEnd +
           QStringLiteral("колко трудно е било.") + blankAndLineEnd;
}

} // namespace LessonContent
