#pragma once

#include "content/LessonContent.h"
#include "logic/ControlOperations.h"
#include "logic/LinkedSelection.h"

#include <QStringList>

// The lesson's controls without a window. Like a real toolkit may, it raises the click
// notifications synchronously inside CheckButton and SelectRow, and it counts what the logic
// does while such a nested notification is being handled.
class FakeControls : public ControlOperations
{
public:
    enum class Notify { Never, OnChange, Always };

    explicit FakeControls(Notify notify)
        : notify(notify)
    {}

    // The pupil's picks: the toolkit changes the control, then raises its click.
    void pickDistrict(qint16 district)
    {
        checked = district;
        logic.OnDistrictClick(district);
    }
    void pickApostle(qint16 row)
    {
        selected = row;
        logic.OnApostleClick(0);
    }

    qint16 RowCount(qint16 list) const override
    {
        count();
        return qint16(lists.at(list).size());
    }
    QString RowText(qint16 list, qint16 row) const override
    {
        count();
        return lists.at(list).at(row);
    }
    qint16 SelectedRow(qint16 list) const override
    {
        count();
        Q_ASSERT(list == 0);
        return selected;
    }
    void SelectRow(qint16 list, qint16 row) override
    {
        count();
        Q_ASSERT(list == 0 && row >= 0 && row < lists[0].size());
        const bool changed = selected != row;
        selected = row;
        if (shouldRaise(changed))
            raise([&] { logic.OnApostleClick(0); });
    }
    QString ButtonCaption(qint16 button) const override
    {
        count();
        return captions.at(button);
    }
    void CheckButton(qint16 button) override
    {
        count();
        Q_ASSERT(button >= 0 && button < captions.size());
        const bool changed = checked != button;
        checked = button;
        if (shouldRaise(changed))
            raise([&] { logic.OnDistrictClick(button); });
    }
    QString BoxText(qint16 box) const override
    {
        count();
        Q_ASSERT(box == 0);
        return boxText;
    }
    void SetBoxText(qint16 box, const QString &text) override
    {
        count();
        Q_ASSERT(box == 0);
        boxText = text;
    }

    QString boxText = LessonContent::introduction();
    qint16 checked = -1;
    qint16 selected = -1;
    int notificationsRaised = 0;
    mutable int callsInsideNotifications = 0;
    bool runaway = false;

private:
    bool shouldRaise(bool changed) const
    {
        return notify == Notify::Always || (notify == Notify::OnChange && changed);
    }

    template <typename Handler>
    void raise(Handler handler)
    {
        // Handlers that answer each other's notifications would recurse without end.
        if (depth >= 4) {
            runaway = true;
            return;
        }
        ++notificationsRaised;
        ++depth;
        handler();
        --depth;
    }

    void count() const
    {
        if (depth > 0)
            ++callsInsideNotifications;
    }

    const Notify notify;
    const QStringList captions = LessonContent::districtCaptions();
    const QList<QStringList> lists = {LessonContent::apostleRows(), LessonContent::districtMap()};
    int depth = 0;
    LinkedSelection logic{*this};
};
