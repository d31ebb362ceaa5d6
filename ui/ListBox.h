#pragma once

#include <QListWidget>

// A single-selection list that never sorts. Once a row is selected, the user can move the
// selection with the mouse or the keyboard, but no gesture clears it.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};
