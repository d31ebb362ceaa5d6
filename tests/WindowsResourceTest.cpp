// Compiles the Windows resource script with the MinGW resource compiler and reads back what the
// executable would carry: the version record and the icon.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

constexpr quint16 IconType = 3;
constexpr quint16 IconGroupType = 14;
constexpr quint16 VersionType = 16;

quint16 word(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

quint32 dword(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

qsizetype alignedTo4(qsizetype offset)
{
    return (offset + 3) & ~qsizetype(3);
}

// A NUL-terminated UTF-16 text at offset; offset moves past the NUL.
QString utf16(const QByteArray &data, qsizetype &offset)
{
    QString text;
    for (quint16 unit; (unit = word(data, offset)) != 0; offset += 2)
        text.append(QChar(unit));
    offset += 2;
    return text;
}

// The resources of a .res file by numeric type: each entry is a header, then its data.
QMultiMap<quint16, QByteArray> readResources(const QByteArray &file)
{
    QMultiMap<quint16, QByteArray> resources;
    for (qsizetype entry = 0; entry + 8 <= file.size();) {
        const quint32 dataSize = dword(file, entry);
        const quint32 headerSize = dword(file, entry + 4);
        if (word(file, entry + 8) == 0xFFFF) // a numeric type, not a name
            resources.insert(word(file, entry + 10), file.mid(entry + headerSize, dataSize));
        entry = alignedTo4(entry + headerSize + dataSize);
    }
    return resources;
}

// Flattens a version record to "StringFileInfo/040904B0/ProductName" -> value bytes.
void readVersionNode(const QByteArray &data, qsizetype start, const QString &path,
                     QMap<QString, QByteArray> &values)
{
    const quint16 length = word(data, start);
    const quint16 valueLength = word(data, start + 2);
    const bool isText = word(data, start + 4) == 1;
    qsizetype offset = start + 6;
    const QString key = utf16(data, offset);
    const QString keyPath = path.isEmpty() ? key : path + QLatin1Char('/') + key;
    offset = alignedTo4(offset);
    const qsizetype valueBytes = isText ? 2 * valueLength : valueLength;
    values.insert(keyPath, data.mid(offset, valueBytes));
    for (offset = alignedTo4(offset + valueBytes); offset < start + length;
         offset = alignedTo4(offset + word(data, offset)))
        readVersionNode(data, offset, keyPath, values);
}

QString textValue(const QByteArray &value)
{
    qsizetype offset = 0;
    return utf16(value + QByteArray(2, '\0'), offset);
}

} // namespace

class WindowsResourceTest : public QObject
{
    Q_OBJECT

private:
    QMultiMap<quint16, QByteArray> resources;
    QMap<QString, QByteArray> version;

private slots:
    void initTestCase()
    {
        const QString compiler =
            QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-windres"));
        if (compiler.isEmpty())
            QFAIL("x86_64-w64-mingw32-windres is missing; install the test tools with: bash "
                  "scripts/setup test");
        QTemporaryDir directory;
        const QString compiled = directory.filePath(QStringLiteral("kelmarin.res"));
        QProcess windres;
        // The script needs no Windows headers, so the host's preprocessor serves.
        windres.start(compiler, {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-i"),
                                 QStringLiteral(KELMARIN_RC), QStringLiteral("-O"),
                                 QStringLiteral("res"), QStringLiteral("-o"), compiled});
        QVERIFY(windres.waitForFinished(30000));
        QVERIFY2(windres.exitStatus() == QProcess::NormalExit && windres.exitCode() == 0,
                 windres.readAllStandardError().constData());
        QFile file(compiled);
        QVERIFY(file.open(QIODevice::ReadOnly));
        resources = readResources(file.readAll());
        QCOMPARE(resources.count(VersionType), 1);
        readVersionNode(resources.value(VersionType), 0, QString(), version);
    }

    void fixedVersionIsOneZeroZeroZero()
    {
        const QByteArray fixed = version.value(QStringLiteral("VS_VERSION_INFO"));
        QCOMPARE(fixed.size(), 52);
        QCOMPARE(dword(fixed, 0), 0xFEEF04BDu);
        QCOMPARE(dword(fixed, 8), 0x00010000u);  // file version 1.0
        QCOMPARE(dword(fixed, 12), 0x00000000u); // .0.0
        QCOMPARE(dword(fixed, 16), 0x00010000u); // product version 1.0
        QCOMPARE(dword(fixed, 20), 0x00000000u); // .0.0
        QCOMPARE(dword(fixed, 32), 0x40004u);    // for 32-bit Windows and later
        QCOMPARE(dword(fixed, 36), 0x1u);        // an application
    }

    void stringBlockHoldsTheNamedEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("value");
        QTest::newRow("FileVersion") << QStringLiteral("FileVersion") << QStringLiteral("1.00");
        QTest::newRow("ProductVersion")
            << QStringLiteral("ProductVersion") << QStringLiteral("1.00");
        QTest::newRow("ProductName") << QStringLiteral("ProductName") << QStringLiteral("Келмарин");
        QTest::newRow("InternalName")
            << QStringLiteral("InternalName") << QStringLiteral("kelmarin");
        QTest::newRow("OriginalFilename")
            << QStringLiteral("OriginalFilename") << QStringLiteral("kelmarin.exe");
        QTest::newRow("CompanyName") << QStringLiteral("CompanyName") << QString();
        QTest::newRow("LegalCopyright") << QStringLiteral("LegalCopyright") << QString();
        QTest::newRow("LegalTrademarks") << QStringLiteral("LegalTrademarks") << QString();
    }

    void stringBlockHoldsTheNamedEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, value);
        const QString key = QStringLiteral("VS_VERSION_INFO/StringFileInfo/040904B0/") + entry;
        QVERIFY2(version.contains(key), qPrintable(key));
        if (value.isNull()) // the values that are ours to choose must merely be there
            QVERIFY(!textValue(version.value(key)).isEmpty());
        else
            QCOMPARE(textValue(version.value(key)), value);
    }

    void oneStringBlockAndItsTranslation()
    {
        QStringList blocks;
        for (const QString &key : version.keys())
            if (key.count(QLatin1Char('/')) == 2 &&
                key.startsWith(QStringLiteral("VS_VERSION_INFO/StringFileInfo/")))
                blocks.append(key.section(QLatin1Char('/'), 2));
        QCOMPARE(blocks, QStringList{QStringLiteral("040904B0")});
        const QByteArray translation =
            version.value(QStringLiteral("VS_VERSION_INFO/VarFileInfo/Translation"));
        QCOMPARE(translation.size(), 4);
        QCOMPARE(word(translation, 0), quint16(0x0409));
        QCOMPARE(word(translation, 2), quint16(0x04B0));
    }

    void iconIsOne32By32ImageOf256Colours()
    {
        QCOMPARE(resources.count(IconGroupType), 1);
        const QByteArray group = resources.value(IconGroupType);
        QCOMPARE(word(group, 4), quint16(1)); // one image
        QCOMPARE(quint8(group[6]), quint8(32));
        QCOMPARE(quint8(group[7]), quint8(32));
        QCOMPARE(word(group, 12), quint16(8)); // bits per pixel

        QCOMPARE(resources.count(IconType), 1);
        const QByteArray image = resources.value(IconType);
        QCOMPARE(dword(image, 4), 32u); // width
        QCOMPARE(dword(image, 8), 64u); // colour rows and mask rows
        QCOMPARE(word(image, 14), quint16(8));
        // Header, 256-colour palette, the colour image, and the transparency mask.
        QCOMPARE(image.size(), 40 + 256 * 4 + 32 * 32 + 4 * 32);
    }

    // The Windows icon shows exactly the window's drawing, transparent where it is.
    void iconFileShowsTheDrawing()
    {
        const QImage drawing(QStringLiteral(KELMARIN_DRAWING));
        const QImage icon(QStringLiteral(KELMARIN_ICO));
        QCOMPARE(icon.size(), drawing.size());
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb expected = drawing.pixel(x, y);
                const QRgb shown = icon.pixel(x, y);
                QCOMPARE(qAlpha(shown) > 0, qAlpha(expected) > 0);
                if (qAlpha(expected) > 0)
                    QCOMPARE(shown & 0xFFFFFF, expected & 0xFFFFFF);
            }
    }
};

QTEST_GUILESS_MAIN(WindowsResourceTest)
#include "WindowsResourceTest.moc"
