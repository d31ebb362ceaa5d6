// Makes one misuse of the window's control operations, named by its argument, so that a test
// can watch the program end with a run-time error.
#include "logic/NumberConversion.h"
#include "ui/MainForm.h"

#include <QApplication>

#include <functional>
#include <map>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MainForm form;
    const std::map<QString, std::function<void()>> misuses = {
        {QStringLiteral("RowCount of List1(2)"), [&] { form.RowCount(2); }},
        {QStringLiteral("RowText of row 15"), [&] { form.RowText(0, 15); }},
        {QStringLiteral("RowText of row -1"), [&] { form.RowText(1, -1); }},
        {QStringLiteral("SelectRow of row 15"), [&] { form.SelectRow(0, 15); }},
        {QStringLiteral("SelectedRow of List1(-1)"), [&] { form.SelectedRow(-1); }},
        {QStringLiteral("ButtonCaption of Option1(4)"), [&] { form.ButtonCaption(4); }},
        {QStringLiteral("CheckButton of Option1(-1)"), [&] { form.CheckButton(-1); }},
        {QStringLiteral("BoxText of Text1(2)"), [&] { form.BoxText(2); }},
        {QStringLiteral("SetBoxText of Text1(7)"), [&] { form.SetBoxText(7, QString()); }},
        {QStringLiteral("index overflow"), [] { ToIndex(1e9); }},
    };
    const auto misuse = misuses.find(application.arguments().value(1));
    if (misuse == misuses.end())
        return 2;
    misuse->second();
    return 0;
}
