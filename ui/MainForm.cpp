#include "ui/MainForm.h"

#include "content/LessonContent.h"
#include "ui/ListBox.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

namespace {

const QColor LavenderColour(192, 192, 255);
const QColor OrangeColour(255, 192, 128);
const QColor GreenColour(128, 255, 128);

// Looks up Option1(index), Text1(index), ...; a missing element is a run-time error.
template <typename Control, size_t Count>
Control *element(const std::array<Control *, Count> &array, const char *name, qint16 index)
{
    if (index < 0 || size_t(index) >= Count)
        qFatal("Run-time error: %s(%d) does not exist; the control array has elements 0 to %d",
               name, int(index), int(Count) - 1);
    return array[size_t(index)];
}

// Names the elements as the code calls them, "Option1(2)" and so on.
template <typename Control, size_t Count>
void nameElements(const std::array<Control *, Count> &array, const QString &name)
{
    for (size_t index = 0; index < Count; ++index)
        array[index]->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
}

// Buttons fill with the Button colour, labels and frames with Window, lists with Base.
void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The icon is drawn pixel by pixel; scaled by whole factors without smoothing, it stays sharp
// on screens that scale the window.
QIcon lessonIcon()
{
    const QPixmap drawing(QStringLiteral(":/icons/kelmarin.xpm"));
    QIcon icon(drawing);
    for (int scale : {2, 4})
        icon.addPixmap(
            drawing.scaled(drawing.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

QFont lessonFont()
{
    // Where Times New Roman is missing, fontconfig offers its metric twin or another serif.
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

MainForm::MainForm(QWidget *parent)
    : QWidget(parent)
{
    setUpWindow();
    createControls();
    nameControls();
    describeForScreenReaders();
    connectClicks();
    placeAtScreenCentre();
}

void MainForm::setUpWindow()
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(6915), twipsToPixels(5175));
    setWindowTitle(LessonContent::windowCaption());
    setWindowIcon(lessonIcon());
    setFont(lessonFont());
    setBackground(this, QPalette::Window, LavenderColour);
}

// Created in tab order, which Qt takes as the focus chain.
void MainForm::createControls()
{
    Text1[0] = createTextBox(twipsRect(120, 2280, 6735, 2775), LessonContent::introduction());
    Text1[1] = createTextBox(twipsRect(600, 3240, 6735, 1815), LessonContent::aphorism());
    Label1[0] = createLabel(twipsRect(960, 0, 4575, 375), LessonContent::heading());
    Frame1 = createFrame(twipsRect(120, 600, 2775, 1455));
    const QStringList captions = LessonContent::districtCaptions();
    for (size_t index = 0; index < Option1.size(); ++index)
        Option1[index] = createOption(twipsRect(120, 360 + 240 * int(index), 2535, 285),
                                      captions.at(qsizetype(index)));
    List1[0] = createList(twipsRect(3600, 900, 3135, 1200), LessonContent::apostleRows());
    List1[1] = createList(twipsRect(3000, 840, 495, 915), LessonContent::districtMap());
    Label1[1] = createLabel(twipsRect(3600, 600, 3135, 300), LessonContent::apostleListCaption());

    setBackground(List1[0], QPalette::Base, OrangeColour);
    Text1[1]->hide();
    List1[1]->hide();
    Text1[0]->setFocus();
}

void MainForm::nameControls()
{
    nameElements(Text1, QStringLiteral("Text1"));
    nameElements(Label1, QStringLiteral("Label1"));
    nameElements(Option1, QStringLiteral("Option1"));
    nameElements(List1, QStringLiteral("List1"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
}

// Buttons, labels and the district group speak their texts; the list is named by its caption
// and the text area by a name of its own.
void MainForm::describeForScreenReaders()
{
    Label1[1]->setBuddy(List1[0]);
    List1[0]->setAccessibleName(Label1[1]->text());
    Text1[0]->setAccessibleName(QStringLiteral("Текст на урока"));
}

TextBox *MainForm::createTextBox(const QRect &geometry, const QString &text)
{
    auto *box = new TextBox(this);
    box->setGeometry(geometry);
    box->setText(text);
    return box;
}

QLabel *MainForm::createLabel(const QRect &geometry, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackground(label, QPalette::Window, OrangeColour);
    return label;
}

QGroupBox *MainForm::createFrame(const QRect &geometry)
{
    auto *frame = new QGroupBox(LessonContent::districtGroupCaption(), this);
    frame->setGeometry(geometry);
    setBackground(frame, QPalette::Window, GreenColour);
    return frame;
}

QRadioButton *MainForm::createOption(const QRect &geometry, const QString &caption)
{
    // The buttons share Frame1 as parent, so checking one unchecks the others.
    auto *option = new QRadioButton(caption, Frame1);
    option->setGeometry(geometry);
    setBackground(option, QPalette::Button, GreenColour);
    return option;
}

ListBox *MainForm::createList(const QRect &geometry, const QStringList &rows)
{
    auto *list = new ListBox(this);
    list->setGeometry(geometry);
    list->addItems(rows);
    return list;
}

// A check or a selection change is the click, whether the pupil made it with the mouse or the
// keyboard or the code made it: so the pickers cannot get out of step.
void MainForm::connectClicks()
{
    for (size_t index = 0; index < Option1.size(); ++index)
        connect(Option1[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (!checked)
                return;
            makeTabStop(Option1[index]);
            selection.OnDistrictClick(qint16(index));
        });
    for (size_t index = 0; index < List1.size(); ++index)
        connect(List1[index], &QListWidget::itemSelectionChanged, this,
                [this, index] { selection.OnApostleClick(qint16(index)); });
}

// Tab enters the district group at the checked button, wherever the focus was in it before.
void MainForm::makeTabStop(QRadioButton *option)
{
    for (QRadioButton *button : Option1)
        button->setFocusPolicy(button == option ? Qt::StrongFocus : Qt::ClickFocus);
}

// Done by the program, not left to a window manager, which may place windows elsewhere. The
// window frame is not known before the first show, so the client area is what gets centred. On a
// screen too small for it, the window keeps its top left corner on the screen.
void MainForm::placeAtScreenCentre()
{
    const QRect available = screen()->availableGeometry();
    QRect client(QPoint(), size());
    client.moveCenter(available.center());
    client.moveTopLeft(
        QPoint(qMax(client.left(), available.left()), qMax(client.top(), available.top())));
    setGeometry(client);
}

ListBox *MainForm::list(qint16 list) const
{
    return element(List1, "List1", list);
}

QListWidgetItem *MainForm::row(qint16 list, qint16 row) const
{
    const ListBox *box = this->list(list);
    if (row < 0 || row >= box->count())
        qFatal("Run-time error: List1(%d) has no row %d; its rows are 0 to %d", int(list), int(row),
               box->count() - 1);
    return box->item(row);
}

qint16 MainForm::RowCount(qint16 list) const
{
    return qint16(this->list(list)->count());
}

QString MainForm::RowText(qint16 list, qint16 row) const
{
    return this->row(list, row)->text();
}

qint16 MainForm::SelectedRow(qint16 list) const
{
    const QModelIndexList selected = this->list(list)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? qint16(-1) : qint16(selected.first().row());
}

void MainForm::SelectRow(qint16 list, qint16 row)
{
    this->list(list)->setCurrentItem(this->row(list, row));
}

QString MainForm::ButtonCaption(qint16 button) const
{
    return element(Option1, "Option1", button)->text();
}

void MainForm::CheckButton(qint16 button)
{
    element(Option1, "Option1", button)->setChecked(true);
}

QString MainForm::BoxText(qint16 box) const
{
    return element(Text1, "Text1", box)->text();
}

void MainForm::SetBoxText(qint16 box, const QString &text)
{
    element(Text1, "Text1", box)->setText(text);
}
