#pragma once

#include "logic/ControlOperations.h"
#include "logic/LinkedSelection.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;
class ListBox;
class QListWidgetItem;
class TextBox;

// The lesson's only window: its controls, and the control operations bound to them. What a
// pick does is decided by LinkedSelection.
class MainForm : public QWidget, public ControlOperations
{
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent = nullptr);

    // An element or row index outside its control ends the program with a run-time error.
    qint16 RowCount(qint16 list) const override;
    QString RowText(qint16 list, qint16 row) const override;
    qint16 SelectedRow(qint16 list) const override;
    void SelectRow(qint16 list, qint16 row) override;
    QString ButtonCaption(qint16 button) const override;
    void CheckButton(qint16 button) override;
    QString BoxText(qint16 box) const override;
    void SetBoxText(qint16 box, const QString &text) override;

private:
    void setUpWindow();
    void createControls();
    void nameControls();
    void describeForScreenReaders();
    TextBox *createTextBox(const QRect &geometry, const QString &text);
    QLabel *createLabel(const QRect &geometry, const QString &text);
    QGroupBox *createFrame(const QRect &geometry);
    QRadioButton *createOption(const QRect &geometry, const QString &caption);
    ListBox *createList(const QRect &geometry, const QStringList &rows);
    void connectClicks();
    void makeTabStop(QRadioButton *option);
    void placeAtScreenCentre();

    ListBox *list(qint16 list) const;
    QListWidgetItem *row(qint16 list, qint16 row) const;

    LinkedSelection selection{*this};

    // Created in tab order.
    std::array<TextBox *, 2> Text1{};
    std::array<QLabel *, 2> Label1{};
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 4> Option1{};
    std::array<ListBox *, 2> List1{};
};
