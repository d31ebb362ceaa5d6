#include "ui/ToolkitTranslation.h"
#include "ui/MainForm.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

// Qt's own texts in the window, read from the menus that a right click opens, against what Qt's
// Bulgarian translation gives for them.
class ToolkitTranslationTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainForm> form;
    QTranslator reference;

    QWidget *target(const QString &name) const
    {
        const QString control = name.section(QLatin1Char('/'), 0, 0);
        auto *area = form->findChild<QAbstractScrollArea *>(control);
        if (!area)
            qFatal("no control %s", qPrintable(control));
        return name.endsWith(QLatin1String("/scroll bar"))
                   ? static_cast<QWidget *>(area->verticalScrollBar())
                   : area->viewport();
    }

    // Asks the widget for its context menu, as a right click does, and returns the texts of the
    // menu that opens. A timer finds the menu, reads it and closes it, whether the menu runs its
    // own event loop (the scroll bars') or pops up and returns (the text area's).
    QStringList menuTexts(QWidget *widget)
    {
        QStringList texts;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&texts, &reader] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            reader.stop();
            for (const QAction *action : menu->actions())
                if (!action->isSeparator()) // the shortcut follows a tab
                    texts << action->text().section(QLatin1Char('\t'), 0, 0);
            menu->close();
        });
        reader.start(0);
        const QPoint centre = widget->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
        QCoreApplication::sendEvent(widget, &click);
        if (!QTest::qWaitFor([&reader] { return !reader.isActive(); }, 5000))
            qWarning("no menu opened");
        return texts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(installToolkitTranslation());
        QVERIFY(reference.load(QStringLiteral(":/i18n/qtbase_bg.qm")));
    }

    void init()
    {
        form = std::make_unique<MainForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void menusSpeakBulgarian_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QStringList>("sources");
        const QStringList scrollMenu{QStringLiteral("Scroll here"), QStringLiteral("Top"),
                                     QStringLiteral("Bottom"),      QStringLiteral("Page up"),
                                     QStringLiteral("Page down"),   QStringLiteral("Scroll up"),
                                     QStringLiteral("Scroll down")};
        QTest::newRow("text area")
            << QStringLiteral("Text1(0)") << QByteArray("QWidgetTextControl")
            << QStringList{QStringLiteral("&Copy"), QStringLiteral("Select All")};
        QTest::newRow("text area's scroll bar")
            << QStringLiteral("Text1(0)/scroll bar") << QByteArray("QScrollBar") << scrollMenu;
        QTest::newRow("apostle list's scroll bar")
            << QStringLiteral("List1(0)/scroll bar") << QByteArray("QScrollBar") << scrollMenu;
    }

    void menusSpeakBulgarian()
    {
        QFETCH(QString, widget);
        QFETCH(QByteArray, context);
        QFETCH(QStringList, sources);

        QStringList expected;
        for (const QString &source : sources) {
            const QString translated = reference.translate(context, source.toUtf8());
            QVERIFY2(!translated.isEmpty() && translated != source,
                     qPrintable(QStringLiteral("Qt's file has no Bulgarian for ") + source));
            expected << translated;
        }
        QCOMPARE(menuTexts(target(widget)), expected);
    }
};

QTEST_MAIN(ToolkitTranslationTest)
#include "ToolkitTranslationTest.moc"
