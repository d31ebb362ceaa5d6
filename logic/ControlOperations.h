#pragma once

#include <QString>
#include <QtGlobal>

// The control operations the selection logic may call. Controls are addressed as elements of
// the window's control arrays: list 0 is List1(0), button 2 is Option1(2), box 0 is Text1(0).
// Each call is synchronous: a click notification it raises is handled before it returns.
class ControlOperations
{
public:
    virtual ~ControlOperations() = default;

    virtual qint16 RowCount(qint16 list) const = 0;
    virtual QString RowText(qint16 list, qint16 row) const = 0;
    virtual qint16 SelectedRow(qint16 list) const = 0;
    virtual void SelectRow(qint16 list, qint16 row) = 0;

    virtual QString ButtonCaption(qint16 button) const = 0;
    virtual void CheckButton(qint16 button) = 0;

    virtual QString BoxText(qint16 box) const = 0;
    virtual void SetBoxText(qint16 box, const QString &text) = 0;

protected:
    ControlOperations() = default;
    ControlOperations(const ControlOperations &) = default;
    ControlOperations &operator=(const ControlOperations &) = default;
};
