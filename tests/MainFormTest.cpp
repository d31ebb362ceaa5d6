#include "ui/MainForm.h"
#include "ui/ApplicationIdentity.h"

#include "DistrictReports.h"
#include "content/LessonContent.h"
#include <QAccessible>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <memory>

class MainFormTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainForm> form;

    template <typename Control = QWidget>
    Control *control(const QString &name) const
    {
        auto *found = form->findChild<Control *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QRadioButton *option(int index) const
    {
        return control<QRadioButton>(QStringLiteral("Option1(%1)").arg(index));
    }
    QListWidget *apostles() const { return control<QListWidget>(QStringLiteral("List1(0)")); }
    QPlainTextEdit *reportBox() const
    {
        return control<QPlainTextEdit>(QStringLiteral("Text1(0)"));
    }

    int checkedOption() const
    {
        int checked = -1;
        for (int index = 0; index < 4; ++index)
            if (option(index)->isChecked()) {
                if (checked != -1)
                    return -2; // more than one
                checked = index;
            }
        return checked;
    }

    // A click on the round indicator, where the pupil aims.
    void clickOption(int index)
    {
        QRadioButton *button = option(index);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidget *list = apostles();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
    }

    // The state promised after every accepted pick.
    void verifyShowsDistrict(int district, int row)
    {
        QCOMPARE(form->BoxText(0), DistrictReports[district]);
        QCOMPARE(checkedOption(), district);
        QCOMPARE(form->SelectedRow(0), row);
        QVERIFY(apostles()->viewport()->rect().contains(
            apostles()->visualItemRect(apostles()->item(row))));
    }

private slots:
    void init()
    {
        form = std::make_unique<MainForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void cleanup() { form.reset(); }

    void startsWithTheIntroductionAndNothingPicked()
    {
        QCOMPARE(form->BoxText(0), LessonContent::introduction());
        QCOMPARE(reportBox()->toPlainText().count(QLatin1Char('\r')), 0);
        QCOMPARE(checkedOption(), -1);
        QCOMPARE(form->SelectedRow(0), qint16(-1));
        QCOMPARE(apostles()->selectedItems().size(), 0);
        QCOMPARE(QApplication::focusWidget(), reportBox());
        QCOMPARE(form->windowTitle(), LessonContent::windowCaption());
        // The introduction's long first line wraps inside the box.
        QVERIFY(reportBox()->document()->firstBlock().layout()->lineCount() > 1);
        QCOMPARE(reportBox()->horizontalScrollBar()->isVisible(), false);
    }

    void districtClickReportsTheDistrict_data()
    {
        QTest::addColumn<int>("district");
        for (int district = 0; district < 4; ++district)
            QTest::addRow("district %d", district) << district;
    }

    void districtClickReportsTheDistrict()
    {
        QFETCH(int, district);
        clickOption(district);
        verifyShowsDistrict(district, LastRowOfDistrict[district]);
        const QStringList shown = reportBox()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), DistrictReports[district].count(LessonContent::LineEnd) + 1);
        QCOMPARE(shown.last(), QString());
    }

    void apostleClickChecksTheDistrict_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("first row") << QList<int>{0};
        QTest::newRow("last row") << QList<int>{14};
        QTest::newRow("voivode") << QList<int>{12};
        QTest::newRow("same district twice") << QList<int>{12, 4};
        QTest::newRow("across districts") << QList<int>{5, 11, 8};
        QTest::newRow("same row again") << QList<int>{7, 7};
    }

    void apostleClickChecksTheDistrict()
    {
        QFETCH(QList<int>, rows);
        for (int row : rows)
            clickRow(row);
        verifyShowsDistrict(DistrictOfRow[rows.last()], rows.last());
    }

    void secondReportReplacesTheFirst()
    {
        clickOption(1);
        clickOption(3);
        verifyShowsDistrict(3, 10);
        // A click on the button that is already checked changes nothing, so it reports nothing.
        clickRow(2);
        clickOption(0);
        verifyShowsDistrict(0, 2);
        clickOption(1);
        verifyShowsDistrict(1, 12);
    }

    void keyboardInTheListPicksApostles_data()
    {
        QTest::addColumn<int>("startRow");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::newRow("down") << 3 << int(Qt::Key_Down) << 4;
        QTest::newRow("up") << 13 << int(Qt::Key_Up) << 12;
        QTest::newRow("end") << 0 << int(Qt::Key_End) << 14;
        QTest::newRow("home") << 9 << int(Qt::Key_Home) << 0;
        QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << -1;
    }

    void keyboardInTheListPicksApostles()
    {
        QFETCH(int, startRow);
        QFETCH(int, key);
        QFETCH(int, row);
        clickRow(startRow);
        QTest::keyClick(apostles(), Qt::Key(key));
        const int selected = form->SelectedRow(0);
        if (row == -1) // a page down moves by however many rows are visible
            QVERIFY(selected > startRow);
        else
            QCOMPARE(selected, row);
        verifyShowsDistrict(DistrictOfRow[selected], selected);
    }

    void keyboardAloneReachesBothPickers()
    {
        QCOMPARE(QApplication::focusWidget(), reportBox());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), option(0));
        QTest::keyClick(option(0), Qt::Key_Space);
        verifyShowsDistrict(0, 14);
        QTest::keyClick(option(0), Qt::Key_Down);
        verifyShowsDistrict(1, 12);
        QTest::keyClick(option(1), Qt::Key_Down);
        QTest::keyClick(option(2), Qt::Key_Up);
        verifyShowsDistrict(1, 12);
        QCOMPARE(QApplication::focusWidget(), option(1));

        QTest::keyClick(option(1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), apostles());
        QTest::keyClick(apostles(), Qt::Key_Down);
        verifyShowsDistrict(DistrictOfRow[13], 13);

        QTest::keyClick(apostles(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), reportBox());
        QTest::keyClick(reportBox(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), apostles());
        QTest::keyClick(apostles(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), option(2)); // the checked button
    }

    void selectionCannotBeCleared_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::newRow("ctrl click") << QStringLiteral("ctrl click");
        QTest::newRow("ctrl space") << QStringLiteral("ctrl space");
        QTest::newRow("click below the rows") << QStringLiteral("click below");
        QTest::newRow("ctrl click below the rows") << QStringLiteral("ctrl click below");
        QTest::newRow("escape") << QStringLiteral("escape");
    }

    void selectionCannotBeCleared()
    {
        QFETCH(QString, gesture);
        QListWidget *list = apostles();
        clickRow(14);
        list->scrollToBottom();
        const QPoint below(5, list->viewport()->height() - 1);
        QVERIFY2(!list->itemAt(below), "no room below the rows");

        if (gesture == QStringLiteral("ctrl click"))
            clickRow(14, Qt::ControlModifier);
        else if (gesture == QStringLiteral("ctrl space"))
            QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        else if (gesture == QStringLiteral("click below"))
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
        else if (gesture == QStringLiteral("ctrl click below"))
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, below);
        else
            QTest::keyClick(list, Qt::Key_Escape);
        verifyShowsDistrict(0, 14);
    }

    void reportBoxIsReadOnlyButSelectable()
    {
        QPlainTextEdit *box = reportBox();
        const QString before = form->BoxText(0);
        QApplication::clipboard()->setText(QStringLiteral("вмъкнато"));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("abc"));
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(form->BoxText(0), before);

        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box->textCursor().selectedText().size(),
                 before.size() - before.count(QLatin1Char('\r')));
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QVERIFY(box->textCursor().hasSelection());
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        QVERIFY(box->textCursor().hasSelection());
        QCOMPARE(form->BoxText(0), before);
    }

    void invisibleControlsStayInvisible()
    {
        const QStringList hidden = {QStringLiteral("List1(1)"), QStringLiteral("Text1(1)")};
        clickOption(2);
        clickRow(4);
        QWidget *start = QApplication::focusWidget();
        for (int step = 0; step < 8; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(!hidden.contains(QApplication::focusWidget()->objectName()));
        }
        QCOMPARE(QApplication::focusWidget() != nullptr, start != nullptr);
        for (const QString &name : hidden)
            QVERIFY(!control(name)->isVisible());
        QCOMPARE(form->BoxText(1), LessonContent::aphorism());
        QCOMPARE(form->RowText(1, 12), QStringLiteral("1"));
    }

    void windowHasAFixedSizeWithoutMinimiseOrMaximise()
    {
        const QSize client(461, 345);
        QCOMPARE(form->size(), client);
        QCOMPARE(form->minimumSize(), client);
        QCOMPARE(form->maximumSize(), client);
        form->resize(600, 500);
        QCOMPARE(form->size(), client);
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        // Centred, or where the screen is too small, from its top left corner (give or take the
        // frame the platform may add).
        const QRect available = form->screen()->availableGeometry();
        const QRect placed = form->geometry();
        if (placed.width() <= available.width())
            QVERIFY(qAbs(placed.center().x() - available.center().x()) <= 1);
        else
            QVERIFY(placed.left() >= available.left() && placed.left() <= available.left() + 2);
        if (placed.height() <= available.height())
            QVERIFY(qAbs(placed.center().y() - available.center().y()) <= 1);
        else
            QVERIFY(placed.top() >= available.top() && placed.top() <= available.top() + 2);
    }

    // Every pixel of the drawing, at the screen's scale, with no blending between pixels.
    void windowIconIsTheSharpDrawing()
    {
        const QImage drawing(QStringLiteral(":/icons/kelmarin.xpm"));
        QCOMPARE(drawing.size(), QSize(32, 32));
        QVERIFY(drawing.colorCount() <= 256);
        QVERIFY(drawing.hasAlphaChannel() && qAlpha(drawing.pixel(0, 0)) == 0);

        const qreal scale = form->devicePixelRatio();
        const QImage shown = form->windowIcon().pixmap(QSize(32, 32), scale).toImage();
        QCOMPARE(shown.size(), QSize(32, 32) * scale);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(shown.pixel(x, y), drawing.pixel(int(x / scale), int(y / scale)));
    }

    void applicationVersionAndIdentity()
    {
        setApplicationIdentity();
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.0"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.kelmarin.Kelmarin"));
    }

    // What a screen reader finds: a Bulgarian name and the right role for every visible control.
    void accessibleNamesAndRoles_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::newRow("text area") << QStringLiteral("Text1(0)") << QStringLiteral("Текст на урока")
                                   << int(QAccessible::EditableText);
        QTest::newRow("heading") << QStringLiteral("Label1(0)") << QStringLiteral("Тирвален")
                                 << int(QAccessible::StaticText);
        QTest::newRow("district group")
            << QStringLiteral("Frame1") << QStringLiteral("Революционни окръзи")
            << int(QAccessible::Grouping);
        for (int index = 0; index < 4; ++index)
            QTest::addRow("Option1(%d)", index)
                << QStringLiteral("Option1(%1)").arg(index)
                << LessonContent::districtCaptions().at(index) << int(QAccessible::RadioButton);
        QTest::newRow("apostle list")
            << QStringLiteral("List1(0)") << QStringLiteral("Апостоли") << int(QAccessible::List);
        QTest::newRow("list caption") << QStringLiteral("Label1(1)") << QStringLiteral("Апостоли")
                                      << int(QAccessible::StaticText);
    }

    void accessibleNamesAndRoles()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(this->control(control));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(int(accessible->role()), role);
        QVERIFY(!accessible->state().invisible);
    }

    void accessibleStatesFollowThePicks()
    {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(apostles());
        QCOMPARE(list->childCount(), 15);
        const auto checkedButtons = [this] {
            QList<int> checked;
            for (int index = 0; index < 4; ++index)
                if (QAccessible::queryAccessibleInterface(option(index))->state().checked)
                    checked.append(index);
            return checked;
        };
        const auto selectedRows = [list] {
            QList<int> selected;
            for (int row = 0; row < list->childCount(); ++row)
                if (list->child(row)->state().selected)
                    selected.append(row);
            return selected;
        };
        QCOMPARE(checkedButtons(), QList<int>());
        QCOMPARE(selectedRows(), QList<int>());

        clickOption(1);
        QCOMPARE(checkedButtons(), QList<int>{1});
        QCOMPARE(selectedRows(), QList<int>{12});
        QCOMPARE(list->child(12)->text(QAccessible::Name), QStringLiteral("Стоил войвода"));

        clickRow(0);
        QCOMPARE(checkedButtons(), QList<int>{2});
        QCOMPARE(selectedRows(), QList<int>{0});
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(reportBox());
        QVERIFY(box->state().readOnly);
        QCOMPARE(box->textInterface()->text(0, box->textInterface()->characterCount()),
                 reportBox()->toPlainText());
    }

    // Positions and sizes in logical pixels, 15 twips each.
    void controlsStandWhereDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("visible");
        QTest::newRow("Text1(0)") << QStringLiteral("Text1(0)") << QRect(8, 152, 449, 185) << true;
        QTest::newRow("Text1(1)") << QStringLiteral("Text1(1)") << QRect(40, 216, 449, 121)
                                  << false;
        QTest::newRow("Label1(0)") << QStringLiteral("Label1(0)") << QRect(64, 0, 305, 25) << true;
        QTest::newRow("Frame1") << QStringLiteral("Frame1") << QRect(8, 40, 185, 97) << true;
        QTest::newRow("Option1(0)")
            << QStringLiteral("Option1(0)") << QRect(8, 24, 169, 19) << true;
        QTest::newRow("Option1(1)")
            << QStringLiteral("Option1(1)") << QRect(8, 40, 169, 19) << true;
        QTest::newRow("Option1(2)")
            << QStringLiteral("Option1(2)") << QRect(8, 56, 169, 19) << true;
        QTest::newRow("Option1(3)")
            << QStringLiteral("Option1(3)") << QRect(8, 72, 169, 19) << true;
        QTest::newRow("List1(0)") << QStringLiteral("List1(0)") << QRect(240, 60, 209, 80) << true;
        QTest::newRow("List1(1)") << QStringLiteral("List1(1)") << QRect(200, 56, 33, 61) << false;
        QTest::newRow("Label1(1)")
            << QStringLiteral("Label1(1)") << QRect(240, 40, 209, 20) << true;
    }

    void controlsStandWhereDrawn()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, visible);
        QWidget *widget = control(name);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->isVisible(), visible);
        QCOMPARE(widget->font(), form->font());
    }

    void windowFontIsTwelvePointSerifWithCyrillic()
    {
        const QFontInfo font(form->font());
        QVERIFY2(
            QStringList({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")})
                .contains(font.family()),
            qPrintable(font.family()));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), int(QFont::Normal));
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        const QFontMetrics metrics(form->font());
        for (QChar letter : QStringLiteral("ТирваленЪЩЮЯ"))
            QVERIFY(metrics.inFont(letter));
    }

    // The colours as they reach the screen.
    void coloursAsDrawn_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window") << QPoint(2, 30) << QColor(192, 192, 255);
        QTest::newRow("heading") << QPoint(66, 2) << QColor(255, 192, 128);
        QTest::newRow("frame caption strip") << QPoint(190, 43) << QColor(128, 255, 128);
        QTest::newRow("district button") << QPoint(180, 74) << QColor(128, 255, 128);
        QTest::newRow("apostle caption") << QPoint(242, 42) << QColor(255, 192, 128);
        QTest::newRow("apostle list") << QPoint(425, 64) << QColor(255, 192, 128);
    }

    void coloursAsDrawn()
    {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        const QImage image = form->grab().toImage();
        QCOMPARE(image.pixelColor(point * image.devicePixelRatio()), colour);
    }

    void pickersStayInStepWhenCodeChangesThem()
    {
        form->CheckButton(2);
        verifyShowsDistrict(2, 13);
        form->SelectRow(0, 5);
        verifyShowsDistrict(3, 5);
        form->CheckButton(3);
        verifyShowsDistrict(3, 5);
    }

    // Each CR LF is one line break on screen, and the text reads back exactly as set.
    void boxTextRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("one line, no end") << QStringLiteral("Апостоли:");
        QTest::newRow("one line") << QStringLiteral("Апостоли:\r\n");
        QTest::newRow("blank lines") << QStringLiteral("\r\n\r\nа\r\n\r\n");
        QTest::newRow("tab and blanks") << QStringLiteral(" а\tб  \r\n");
        QTest::newRow("report") << DistrictReports[2];
        QTest::newRow("introduction") << LessonContent::introduction();
    }

    void boxTextRoundTrips()
    {
        QFETCH(QString, text);
        form->SetBoxText(0, text);
        QCOMPARE(form->BoxText(0), text);
        form->SetBoxText(0, form->BoxText(0) + text);
        QCOMPARE(form->BoxText(0), text + text);
        QTextDocument *document = reportBox()->document();
        QCOMPARE(document->blockCount(), 2 * text.count(LessonContent::LineEnd) + 1);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            QVERIFY(!block.text().contains(QLatin1Char('\r')));
    }

    void misuseEndsWithARunTimeError_data()
    {
        QTest::addColumn<QString>("misuse");
        QTest::addColumn<QString>("message");
        QTest::newRow("list element")
            << QStringLiteral("RowCount of List1(2)") << QStringLiteral("List1(2) does not exist");
        QTest::newRow("row past the end")
            << QStringLiteral("RowText of row 15") << QStringLiteral("List1(0) has no row 15");
        QTest::newRow("negative row")
            << QStringLiteral("RowText of row -1") << QStringLiteral("List1(1) has no row -1");
        QTest::newRow("select past the end")
            << QStringLiteral("SelectRow of row 15") << QStringLiteral("List1(0) has no row 15");
        QTest::newRow("negative list") << QStringLiteral("SelectedRow of List1(-1)")
                                       << QStringLiteral("List1(-1) does not exist");
        QTest::newRow("caption") << QStringLiteral("ButtonCaption of Option1(4)")
                                 << QStringLiteral("Option1(4) does not exist");
        QTest::newRow("check") << QStringLiteral("CheckButton of Option1(-1)")
                               << QStringLiteral("Option1(-1) does not exist");
        QTest::newRow("read box") << QStringLiteral("BoxText of Text1(2)")
                                  << QStringLiteral("Text1(2) does not exist");
        QTest::newRow("write box") << QStringLiteral("SetBoxText of Text1(7)")
                                   << QStringLiteral("Text1(7) does not exist");
        QTest::newRow("overflow") << QStringLiteral("index overflow")
                                  << QStringLiteral("overflow: 1e+09 is not a valid index");
    }

    void misuseEndsWithARunTimeError()
    {
        QFETCH(QString, misuse);
        QFETCH(QString, message);
        QProcess probe;
        probe.start(QStringLiteral(RUN_TIME_ERROR_PROBE), {misuse});
        QVERIFY(probe.waitForFinished(10000));
        const QString errors = QString::fromUtf8(probe.readAllStandardError());
        QVERIFY(probe.exitStatus() == QProcess::CrashExit || probe.exitCode() != 0);
        QVERIFY2(errors.contains(QStringLiteral("Run-time error: ") + message), qPrintable(errors));
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
