// Thousands of random pupil actions on the real window. After each one the window must be in a
// state the lesson allows: the introduction with nothing picked, or exactly one district button
// checked, that district's report in the text area and a row of that district selected.
// KELMARIN_SOAK_SEED and KELMARIN_SOAK_STEPS choose the run; a failure prints the seed and the
// shortest failing sequence of actions found.
#include "content/LessonContent.h"
#include "logic/NumberConversion.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

struct Action
{
    enum Kind {
        ClickButton,
        DoubleClickButton,
        ClickRow,
        DoubleClickRow,
        Wheel,
        GroupKey,
        ListKey,
        Tab
    };
    Kind kind;
    int target = 0; // button or row; for keys, the key
    Qt::KeyboardModifiers modifiers;

    QString describe() const
    {
        const QString with =
            modifiers == Qt::NoModifier
                ? QString()
                : QStringLiteral(" with modifiers 0x%1").arg(int(modifiers), 0, 16);
        switch (kind) {
        case ClickButton:
            return QStringLiteral("click district button %1%2").arg(target).arg(with);
        case ClickRow:
            return QStringLiteral("click apostle row %1%2").arg(target).arg(with);
        case DoubleClickButton:
            return QStringLiteral("double-click district button %1%2").arg(target).arg(with);
        case DoubleClickRow:
            return QStringLiteral("double-click apostle row %1%2").arg(target).arg(with);
        case Wheel:
            return QStringLiteral("wheel %1 over the list")
                .arg(target > 0 ? QStringLiteral("up") : QStringLiteral("down"));
        case GroupKey:
            return QStringLiteral("key %1 in the district group").arg(keyName());
        case ListKey:
            return QStringLiteral("key %1 in the apostle list").arg(keyName());
        case Tab:
            return QStringLiteral("Tab%1").arg(with);
        }
        return {};
    }

    QString keyName() const
    {
        return QKeySequence(QKeyCombination(modifiers, Qt::Key(target))).toString();
    }
};

Action randomAction(QRandomGenerator &random)
{
    static constexpr Qt::KeyboardModifier Modifiers[] = {Qt::NoModifier,    Qt::NoModifier,
                                                         Qt::NoModifier,    Qt::ControlModifier,
                                                         Qt::ShiftModifier, Qt::AltModifier};
    static constexpr int ListKeys[] = {Qt::Key_Up,       Qt::Key_Down,   Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,
                                       Qt::Key_Space,    Qt::Key_Escape, Qt::Key_A};
    static constexpr int GroupKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                        Qt::Key_Space};
    const auto pick = [&](const auto &choices) {
        return choices[random.bounded(int(std::size(choices)))];
    };

    switch (random.bounded(8)) {
    case 0:
        return {Action::ClickButton, random.bounded(4), pick(Modifiers)};
    case 1:
        return {Action::ClickRow, random.bounded(15), pick(Modifiers)};
    case 2:
        return random.bounded(2)
                   ? Action{Action::DoubleClickRow, random.bounded(15), pick(Modifiers)}
                   : Action{Action::DoubleClickButton, random.bounded(4), pick(Modifiers)};
    case 3:
        return {Action::Wheel, random.bounded(2) ? 120 : -120, {}};
    case 4:
        return {Action::GroupKey, pick(GroupKeys), pick(Modifiers)};
    case 5:
        return {Action::ListKey, pick(ListKeys), pick(Modifiers)};
    default:
        return {Action::Tab, 0, random.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier};
    }
}

// The report as the lesson defines it, built here from the content alone.
QString expectedReport(int district)
{
    QString report = QStringLiteral("Избран революционен окръг: ") +
                     LessonContent::districtCaptions().at(district) + QStringLiteral("\r\n") +
                     QStringLiteral("Апостоли:\r\n");
    const QStringList rows = LessonContent::apostleRows();
    const QStringList map = LessonContent::districtMap();
    for (int row = 0; row < rows.size(); ++row)
        if (map[row].toInt() == district)
            report += rows[row] + QStringLiteral("\r\n");
    return report;
}

class Pupil
{
public:
    Pupil()
        : form(std::make_unique<MainForm>())
    {
        form->show();
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("the window did not become active");
        for (int index = 0; index < 4; ++index)
            options[index] =
                form->findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(index));
        list = form->findChild<QListWidget *>(QStringLiteral("List1(0)"));
    }

    void perform(const Action &action)
    {
        switch (action.kind) {
        case Action::ClickButton:
        case Action::DoubleClickButton: {
            QRadioButton *button = options[action.target];
            click(action, button, QPoint(8, button->height() / 2));
            break;
        }
        case Action::ClickRow:
        case Action::DoubleClickRow: {
            QListWidgetItem *item = list->item(action.target);
            list->scrollToItem(item);
            click(action, list->viewport(), list->visualItemRect(item).center());
            break;
        }
        case Action::Wheel: {
            const QPointF position(list->viewport()->rect().center());
            QWheelEvent wheel(position, list->viewport()->mapToGlobal(position), QPoint(),
                              QPoint(0, action.target), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(list->viewport(), &wheel);
            break;
        }
        case Action::GroupKey:
        case Action::ListKey: {
            // The pupil tabs until the picker has the focus.
            const auto inPicker = [&] {
                QWidget *focus = QApplication::focusWidget();
                return action.kind == Action::ListKey
                           ? focus == list
                           : qobject_cast<QRadioButton *>(focus) != nullptr;
            };
            for (int tabs = 0; tabs < 3 && !inPicker(); ++tabs)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(action.target), action.modifiers);
            break;
        }
        case Action::Tab:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, action.modifiers);
            break;
        }
    }

    // What is wrong with the window's state, or an empty text.
    QString violation() const
    {
        QList<int> checked;
        for (int index = 0; index < 4; ++index)
            if (options[index]->isChecked())
                checked.append(index);
        const QList<QListWidgetItem *> selected = list->selectedItems();
        const QString text = form->BoxText(0);

        if (text == LessonContent::introduction())
            return checked.isEmpty() && selected.isEmpty()
                       ? QString()
                       : QStringLiteral("the introduction is shown, but a picker has a pick");
        if (checked.size() != 1)
            return QStringLiteral("%1 district buttons are checked").arg(checked.size());
        const int district = checked.first();
        if (text != expectedReport(district))
            return QStringLiteral("button %1 is checked, but the text area holds: %2")
                .arg(district)
                .arg(text);
        if (selected.size() != 1)
            return QStringLiteral("%1 apostle rows are selected").arg(selected.size());
        const int row = list->row(selected.first());
        if (ToIndex(TextToNumber(LessonContent::districtMap().at(row))) != district)
            return QStringLiteral("row %1 is selected, but it is not of district %2")
                .arg(row)
                .arg(district);
        return {};
    }

private:
    static void click(const Action &action, QWidget *widget, QPoint position)
    {
        if (action.kind == Action::DoubleClickButton || action.kind == Action::DoubleClickRow)
            QTest::mouseDClick(widget, Qt::LeftButton, action.modifiers, position);
        else
            QTest::mouseClick(widget, Qt::LeftButton, action.modifiers, position);
    }

    std::unique_ptr<MainForm> form;
    std::array<QRadioButton *, 4> options{};
    QListWidget *list = nullptr;
};

// Replays on a fresh window; returns the step after which the state went wrong, or -1.
int firstFailingStep(const QList<Action> &actions)
{
    Pupil pupil;
    for (int step = 0; step < actions.size(); ++step) {
        pupil.perform(actions[step]);
        if (!pupil.violation().isEmpty())
            return step;
    }
    return -1;
}

// Drops ever smaller runs of actions while the rest still fails.
QList<Action> shrink(QList<Action> actions)
{
    for (qsizetype chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype start = 0; start + chunk <= actions.size();) {
            QList<Action> shorter = actions;
            shorter.remove(start, chunk);
            const int failing = firstFailingStep(shorter);
            if (failing >= 0)
                actions = shorter.first(failing + 1);
            else
                start += chunk;
        }
    }
    return actions;
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomPupilKeepsTheWindowConsistent()
    {
        bool ok = false;
        quint32 seed = qEnvironmentVariable("KELMARIN_SOAK_SEED").toUInt(&ok);
        if (!ok)
            seed = 1876;
        int steps = qEnvironmentVariableIntValue("KELMARIN_SOAK_STEPS", &ok);
        if (!ok)
            steps = 10000;
        qInfo("soak seed %u, %d actions", seed, steps);

        QRandomGenerator random(seed);
        QList<Action> actions;
        Pupil pupil;
        for (int step = 0; step < steps; ++step) {
            actions.append(randomAction(random));
            pupil.perform(actions.last());
            const QString problem = pupil.violation();
            if (problem.isEmpty())
                continue;

            const QList<Action> shortest = shrink(actions);
            QString report = QStringLiteral("seed %1: after action %2, %3\nshortest failing "
                                            "sequence found (%4 actions):")
                                 .arg(seed)
                                 .arg(step + 1)
                                 .arg(problem)
                                 .arg(shortest.size());
            for (int index = 0; index < shortest.size(); ++index)
                report +=
                    QStringLiteral("\n  %1. %2").arg(index + 1).arg(shortest[index].describe());
            QFAIL(qPrintable(report));
        }
    }
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
