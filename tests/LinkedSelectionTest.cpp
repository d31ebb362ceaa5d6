#include "DistrictReports.h"
#include "FakeControls.h"
#include "logic/NumberConversion.h"

#include <QTest>

using Notify = FakeControls::Notify;

namespace {

const QList<std::pair<const char *, Notify>> NotifyModes = {
    {"no nested clicks", Notify::Never},
    {"nested clicks on change", Notify::OnChange},
    {"nested clicks always", Notify::Always},
};

// "D2" picks district button 2, "A12" apostle row 12.
void pick(FakeControls &controls, const QString &action)
{
    const qint16 number = qint16(action.mid(1).toShort());
    if (action.startsWith(QLatin1Char('D')))
        controls.pickDistrict(number);
    else
        controls.pickApostle(number);
}

} // namespace

class LinkedSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void textToNumberReadsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("digit") << QStringLiteral("2") << 2.0;
        QTest::newRow("leading blank") << QStringLiteral(" 3") << 3.0;
        QTest::newRow("trailing text") << QStringLiteral("1.5x") << 1.5;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("no number") << QStringLiteral("x") << 0.0;
        QTest::newRow("negative") << QStringLiteral("-1") << -1.0;
        QTest::newRow("plus sign") << QStringLiteral("+2") << 2.0;
        QTest::newRow("fraction only") << QStringLiteral(".5") << 0.5;
        QTest::newRow("lone point") << QStringLiteral(".") << 0.0;
        QTest::newRow("not infinity") << QStringLiteral("inf") << 0.0;
        QTest::newRow("not hexadecimal") << QStringLiteral("0x1A") << 0.0;
        QTest::newRow("Cyrillic after") << QStringLiteral("3окр") << 3.0;
    }

    void textToNumberReadsTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(TextToNumber(text), number);
    }

    void districtPickReportsAndSelectsItsLastRow_data()
    {
        QTest::addColumn<Notify>("notify");
        QTest::addColumn<int>("district");
        QTest::addColumn<int>("lastRow");
        for (const auto &[name, notify] : NotifyModes)
            for (int district = 0; district < 4; ++district)
                QTest::addRow("%s, district %d", name, district)
                    << notify << district << LastRowOfDistrict[district];
    }

    void districtPickReportsAndSelectsItsLastRow()
    {
        QFETCH(Notify, notify);
        QFETCH(int, district);
        QFETCH(int, lastRow);
        FakeControls controls(notify);
        controls.pickDistrict(qint16(district));
        QCOMPARE(controls.boxText, DistrictReports[district]);
        QCOMPARE(controls.checked, district);
        QCOMPARE(controls.selected, lastRow);
        QCOMPARE(controls.callsInsideNotifications, 0);
        QVERIFY(!controls.runaway);
    }

    void apostlePickChecksItsDistrictAndKeepsTheRow_data()
    {
        QTest::addColumn<Notify>("notify");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("district");
        for (const auto &[name, notify] : NotifyModes)
            for (int row = 0; row < DistrictOfRow.size(); ++row)
                QTest::addRow("%s, row %d", name, row) << notify << row << DistrictOfRow[row];
    }

    void apostlePickChecksItsDistrictAndKeepsTheRow()
    {
        QFETCH(Notify, notify);
        QFETCH(int, row);
        QFETCH(int, district);
        FakeControls controls(notify);
        controls.pickApostle(qint16(row));
        QCOMPARE(controls.boxText, DistrictReports[district]);
        QCOMPARE(controls.checked, district);
        QCOMPARE(controls.selected, row);
        QCOMPARE(controls.callsInsideNotifications, 0);
        QVERIFY(!controls.runaway);
    }

    // Each report replaces the text before it, whatever the pupil did before.
    void picksInSequence_data()
    {
        QTest::addColumn<Notify>("notify");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("district");
        QTest::addColumn<int>("row");
        const QList<std::tuple<const char *, int, int>> sequences = {
            {"D1 D3", 3, 10}, {"A12 A4", 1, 4},    {"A0 D2", 2, 13},
            {"D2 A0", 2, 0},  {"D0 D0", 0, 14},    {"A5 A5", 3, 5},
            {"A4 D1", 1, 12}, {"D3 A2 D3", 3, 10}, {"A14 A11 D0", 0, 14}};
        for (const auto &[name, notify] : NotifyModes)
            for (const auto &[actions, district, row] : sequences)
                QTest::addRow("%s, %s", name, actions)
                    << notify << QString::fromLatin1(actions) << district << row;
    }

    void picksInSequence()
    {
        QFETCH(Notify, notify);
        QFETCH(QString, actions);
        QFETCH(int, district);
        QFETCH(int, row);
        FakeControls controls(notify);
        for (const QString &action : actions.split(QLatin1Char(' ')))
            pick(controls, action);
        QCOMPARE(controls.boxText, DistrictReports[district]);
        QCOMPARE(controls.checked, district);
        QCOMPARE(controls.selected, row);
    }

    // The nested notifications are raised, and turned away without a single control call.
    void nestedNotificationsAreTurnedAway_data()
    {
        QTest::addColumn<Notify>("notify");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("raised");
        QTest::newRow("district, row moves") << Notify::OnChange << QStringLiteral("D1") << 1;
        QTest::newRow("apostle, button moves") << Notify::OnChange << QStringLiteral("A0") << 1;
        QTest::newRow("apostle then district") << Notify::OnChange << QStringLiteral("A0 D3") << 2;
        QTest::newRow("always, both ways") << Notify::Always << QStringLiteral("A7 D1 D1") << 3;
        QTest::newRow("none raised") << Notify::Never << QStringLiteral("A7 D1") << 0;
    }

    void nestedNotificationsAreTurnedAway()
    {
        QFETCH(Notify, notify);
        QFETCH(QString, actions);
        QFETCH(int, raised);
        FakeControls controls(notify);
        for (const QString &action : actions.split(QLatin1Char(' ')))
            pick(controls, action);
        QCOMPARE(controls.notificationsRaised, raised);
        QCOMPARE(controls.callsInsideNotifications, 0);
        QVERIFY(!controls.runaway);
    }
};

QTEST_GUILESS_MAIN(LinkedSelectionTest)
#include "LinkedSelectionTest.moc"
