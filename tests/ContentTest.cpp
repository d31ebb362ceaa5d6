#include "content/LessonContent.h"
#include "logic/NumberConversion.h"

#include <QCollator>
#include <QSet>
#include <QTest>

using namespace LessonContent;

namespace {

// District of each apostle row, read from the map as the logic reads it.
QList<int> districtsOfRows()
{
    QList<int> districts;
    for (const QString &text : districtMap())
        districts.append(ToIndex(TextToNumber(text)));
    return districts;
}

QStringList splitLines(const QString &text)
{
    QStringList lines = text.split(LineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class ContentTest : public QObject
{
    Q_OBJECT

private slots:
    void mapCoversEveryRowWithAnExistingDistrict()
    {
        const QStringList map = districtMap();
        QCOMPARE(map.size(), apostleRows().size());
        QCOMPARE(map.size(), 15);
        QCOMPARE(districtCaptions().size(), 4);
        for (const QString &text : map) {
            QCOMPARE(text.size(), 1);
            const double number = TextToNumber(text);
            QCOMPARE(number, double(ToIndex(number)));
            QVERIFY2(number >= 0 && number <= 3, qPrintable(text));
        }
    }

    void districtsHaveTheirApostles_data()
    {
        QTest::addColumn<int>("district");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("1.Търновски") << 0 << 4 << 14;
        QTest::newRow("2.Сливенски") << 1 << 3 << 12;
        QTest::newRow("3.Врачански") << 2 << 4 << 13;
        QTest::newRow("4.Пловдивски") << 3 << 4 << 10;
    }

    void districtsHaveTheirApostles()
    {
        QFETCH(int, district);
        QFETCH(int, count);
        QFETCH(int, lastRow);
        const QList<int> districts = districtsOfRows();
        QCOMPARE(districts.count(district), count);
        QCOMPARE(districts.lastIndexOf(district), lastRow);
    }

    void captionsAreNumberedInIndexOrder()
    {
        const QStringList captions = districtCaptions();
        for (int index = 0; index < captions.size(); ++index) {
            QVERIFY(captions[index].startsWith(QString::number(index + 1) + QLatin1Char('.')));
            QVERIFY(!captions[index].contains(QLatin1Char(' ')));
        }
    }

    void rowsAreInBulgarianAlphabeticalOrder()
    {
        QCollator collator(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
        const QStringList rows = apostleRows();
        for (int row = 1; row < rows.size(); ++row)
            QVERIFY2(collator.compare(rows[row - 1], rows[row]) < 0,
                     qPrintable(rows[row - 1] + QStringLiteral(" / ") + rows[row]));
        // The collation is real, not code-point order, in which "Б" would come before "а".
        QVERIFY(collator.compare(QStringLiteral("а"), QStringLiteral("Б")) < 0);
    }

    void rowsAreGivenNameAndSurnameOrVoivode()
    {
        const QStringList rows = apostleRows();
        for (int row = 0; row < rows.size(); ++row) {
            const QStringList words = rows[row].split(QLatin1Char(' '));
            QCOMPARE(words.size(), 2);
            QVERIFY(words[0][0].isUpper());
            QCOMPARE(words[1][0].isUpper(), row != 12);
        }
        QCOMPARE(rows[12].split(QLatin1Char(' '))[1], QStringLiteral("войвода"));
    }

    void introductionHasItsTenLines()
    {
        const QString text = introduction();
        QVERIFY(text.endsWith(LineEnd));
        QVERIFY(!text.contains(QStringLiteral("\n\n")));
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(LineEnd));
        QCOMPARE(text.count(QLatin1Char('\r')), text.count(LineEnd));
        const QStringList lines = splitLines(text);
        QCOMPARE(lines.size(), 10);
        QVERIFY(lines[0].contains(QStringLiteral("1876")));
        QVERIFY(lines[0].contains(QStringLiteral("20 април")));
        QVERIFY(lines[0].contains(QStringLiteral("Копривщица")));
        QCOMPARE(lines[2], QStringLiteral("Тема на проекта: Тирвален."));
        QVERIFY(lines[3].contains(QStringLiteral(" On-Click ")));
        for (const QString &line : lines)
            QVERIFY2(!line.isEmpty() && !line.startsWith(QLatin1Char(' ')) &&
                         !line.endsWith(QLatin1Char(' ')),
                     qPrintable(line));
    }

    // Each district line names exactly the district's apostles, as their rows spell them.
    void introductionListsEachDistrictsApostles()
    {
        const QStringList lines = splitLines(introduction());
        const QStringList captions = districtCaptions();
        const QStringList rows = apostleRows();
        const QList<int> districts = districtsOfRows();
        for (int district = 0; district < 4; ++district) {
            QString line = lines[5 + district];
            const QString prefix = captions[district] + QStringLiteral(" - ");
            QVERIFY2(line.startsWith(prefix), qPrintable(line));
            QVERIFY(line.endsWith(district < 3 ? QLatin1Char(';') : QLatin1Char('.')));
            line = line.mid(prefix.size()).chopped(1);

            const qsizetype lastJoin = line.lastIndexOf(QStringLiteral(" и "));
            QVERIFY2(lastJoin > 0, qPrintable(line));
            QStringList names = line.left(lastJoin).split(QStringLiteral(", "));
            names.append(line.mid(lastJoin + 3));

            QSet<QString> expected;
            for (int row = 0; row < rows.size(); ++row)
                if (districts[row] == district)
                    expected.insert(rows[row]);
            QCOMPARE(QSet<QString>(names.cbegin(), names.cend()), expected);
            QCOMPARE(names.size(), expected.size());
        }
    }

    void aphorismIsThreeLinesEndingInABlank()
    {
        const QString text = aphorism();
        const QStringList lines = splitLines(text);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(text.count(LineEnd), 3);
        for (const QString &line : lines)
            QVERIFY(line.endsWith(QLatin1Char(' ')) && !line.endsWith(QStringLiteral("  ")));
    }

    void captionIsAnExampleAddressThenTheTitle()
    {
        const QStringList parts = windowCaption().split(QStringLiteral("  "));
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[1], QStringLiteral("Келмарин"));
        QVERIFY(!parts[0].contains(QLatin1Char(' ')));
        QVERIFY(parts[0].endsWith(QStringLiteral(".example")));
    }
};

QTEST_GUILESS_MAIN(ContentTest)
#include "ContentTest.moc"
