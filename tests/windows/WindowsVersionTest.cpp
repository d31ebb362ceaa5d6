// Reads kelmarin.exe's version record and icon as Windows itself reads them, through the
// version and resource functions of the system, here under Wine.
#include <QTest>

#include <windows.h>

#include <memory>

namespace {

// Wine maps the Linux root to drive Z:.
std::wstring programPath()
{
    return (QStringLiteral("Z:") + QStringLiteral(KELMARIN_EXE)).toStdWString();
}

#pragma pack(push, 2)
struct IconGroupEntry
{
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroup
{
    WORD reserved;
    WORD type;
    WORD count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

QString versionText(quint32 high, quint32 low)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(HIWORD(high))
        .arg(LOWORD(high))
        .arg(HIWORD(low))
        .arg(LOWORD(low));
}

} // namespace

class WindowsVersionTest : public QObject
{
    Q_OBJECT

private:
    QByteArray record;

    // A value of the record, or nullptr with size 0 when it is missing.
    const void *value(const QString &path, UINT &size) const
    {
        void *found = nullptr;
        size = 0;
        if (!VerQueryValueW(record.constData(), reinterpret_cast<LPCWSTR>(path.utf16()), &found,
                            &size))
            return nullptr;
        return found;
    }

private slots:
    void initTestCase()
    {
        const DWORD size = GetFileVersionInfoSizeW(programPath().c_str(), nullptr);
        QVERIFY2(size > 0, "kelmarin.exe has no version record");
        record.resize(size);
        QVERIFY(GetFileVersionInfoW(programPath().c_str(), 0, size, record.data()));
    }

    void fixedVersionIsOneZeroZeroZero()
    {
        UINT size;
        const auto *fixed =
            static_cast<const VS_FIXEDFILEINFO *>(value(QStringLiteral("\\"), size));
        QVERIFY(fixed && size >= sizeof(VS_FIXEDFILEINFO));
        QCOMPARE(fixed->dwSignature, DWORD(0xFEEF04BD));
        QCOMPARE(versionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS),
                 QStringLiteral("1.0.0.0"));
        QCOMPARE(versionText(fixed->dwProductVersionMS, fixed->dwProductVersionLS),
                 QStringLiteral("1.0.0.0"));
        QCOMPARE(fixed->dwFileType, DWORD(VFT_APP));
    }

    void oneTranslationEnglishUnicode()
    {
        UINT size;
        const auto *translations =
            static_cast<const WORD *>(value(QStringLiteral("\\VarFileInfo\\Translation"), size));
        QVERIFY(translations);
        QCOMPARE(size, UINT(2 * sizeof(WORD)));
        QCOMPARE(translations[0], WORD(0x0409));
        QCOMPARE(translations[1], WORD(0x04B0));
    }

    void stringsOfTheOneBlock_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // empty: any text but an empty one
        QTest::newRow("FileVersion") << QStringLiteral("FileVersion") << QStringLiteral("1.00");
        QTest::newRow("ProductVersion")
            << QStringLiteral("ProductVersion") << QStringLiteral("1.00");
        for (const char *name :
             {"CompanyName", "LegalCopyright", "LegalTrademarks", "ProductName", "InternalName"})
            QTest::newRow(name) << QString::fromLatin1(name) << QString();
        QTest::newRow("OriginalFilename")
            << QStringLiteral("OriginalFilename") << QStringLiteral("kelmarin.exe");
    }

    void stringsOfTheOneBlock()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        UINT size;
        const auto *text = static_cast<const wchar_t *>(
            value(QStringLiteral("\\StringFileInfo\\040904B0\\") + name, size));
        QVERIFY2(text && size > 1, qPrintable(name + QStringLiteral(" is missing")));
        const QString found = QString::fromWCharArray(text);
        if (expected.isEmpty())
            QVERIFY(!found.isEmpty());
        else
            QCOMPARE(found, expected);
    }

    // The icon group holds one image, 32 x 32 with 256 colours.
    void iconIsThirtyTwoPixelsWithTwoHundredFiftySixColours()
    {
        const std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> module(
            LoadLibraryExW(programPath().c_str(), nullptr,
                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE),
            &FreeLibrary);
        QVERIFY(module);
        HRSRC groupResource = FindResourceW(module.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON);
        QVERIFY2(groupResource, "no icon group 1");
        const auto *group =
            static_cast<const IconGroup *>(LockResource(LoadResource(module.get(), groupResource)));
        QVERIFY(group);
        QCOMPARE(group->type, WORD(1));
        QCOMPARE(group->count, WORD(1));
        const IconGroupEntry &entry = group->entries[0];
        QCOMPARE(int(entry.width), 32);
        QCOMPARE(int(entry.height), 32);
        QCOMPARE(int(entry.bitCount), 8);
        QCOMPARE(int(entry.colourCount), 0); // 256 does not fit the byte: 0 stands for it

        HRSRC imageResource =
            FindResourceW(module.get(), MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3));
        QVERIFY(imageResource);
        QCOMPARE(SizeofResource(module.get(), imageResource), entry.bytes);
        const auto *image = static_cast<const BITMAPINFOHEADER *>(
            LockResource(LoadResource(module.get(), imageResource)));
        QVERIFY(image);
        QCOMPARE(image->biWidth, 32L);
        QCOMPARE(image->biHeight, 64L); // the colours and the transparency mask
        QCOMPARE(int(image->biBitCount), 8);
        QVERIFY(image->biClrUsed == 0 || image->biClrUsed == 256);
    }
};

QTEST_GUILESS_MAIN(WindowsVersionTest)
#include "WindowsVersionTest.moc"
