#include "runictarot/DetailsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace runictarot;

Q_DECLARE_METATYPE(BirthDetails)

namespace {
// ANN, born 7 May 1990.
const QByteArray kAnnFile = QByteArray::fromHex("96A3A30D0A" "8C0D0A" "A2B6CE0D0A" "868E8E850D0A");

QByteArray encodedLine(QByteArrayView plain)
{
    QByteArray out;
    for (char c : plain)
        out.append(static_cast<char>(static_cast<unsigned char>(c) + 85));
    return out + "\r\n";
}

QByteArray fileOf(std::initializer_list<QByteArrayView> lines)
{
    QByteArray out;
    for (QByteArrayView line : lines)
        out += encodedLine(line);
    return out;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestDetailsFile : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void roundTrip_data();
    void roundTrip();
    void unstorableDetails_data();
    void unstorableDetails();
    void acceptedLayouts_data();
    void acceptedLayouts();
    void malformed_data();
    void malformed();
    void suffix_data();
    void suffix();

    void saveThenLoad();
    void failedSaveKeepsTheOldFile();
    void loadRefusesWhatIsNotADetailsFile();
    void savedBackStaysOpenable_data();
    void savedBackStaysOpenable();
    void saveRefusesWhatOpenRefuses();
};

void TestDetailsFile::workedExample()
{
    const BirthDetails ann{QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990};
    QCOMPARE(composeDetailsFile(ann), std::optional<QByteArray>(kAnnFile));
    QCOMPARE(parseDetailsFile(kAnnFile), std::optional<BirthDetails>(ann));
}

void TestDetailsFile::roundTrip_data()
{
    QTest::addColumn<BirthDetails>("details");
    QTest::newRow("typed name") << BirthDetails{"HANS PETER", 31, "December", 2050};
    QTest::newRow("stored empty") << BirthDetails{"", 1, "January", 1900};
    QTest::newRow("small letters and digits") << BirthDetails{"ann 2nd", 29, "February", 1901};
    // The highest code the codec keeps, and a character of the page's upper half that it keeps too.
    QTest::newRow("codes up to 170") << BirthDetails{QString(QChar(0xAA)) + QChar(0x20AC) + QChar(0x2122), 15, "August", 1975};
    for (int m = 0; m < 12; ++m) {
        static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
        QTest::addRow("%s", months[m]) << BirthDetails{"X", 10, QString::fromLatin1(months[m]), 1950 + m};
    }
}

void TestDetailsFile::roundTrip()
{
    QFETCH(BirthDetails, details);
    const std::optional<QByteArray> bytes = composeDetailsFile(details);
    QVERIFY(bytes);
    QCOMPARE(bytes->count("\r\n"), 4);
    QVERIFY(bytes->endsWith("\r\n"));
    QCOMPARE(parseDetailsFile(*bytes), std::optional<BirthDetails>(details));
}

void TestDetailsFile::unstorableDetails_data()
{
    QTest::addColumn<BirthDetails>("details");
    QTest::addColumn<bool>("nameFits");
    QTest::newRow("accented capital") << BirthDetails{QStringLiteral("JOS\u00c9"), 7, "May", 1990} << false;
    QTest::newRow("code 171") << BirthDetails{QString(QChar(0xAB)), 7, "May", 1990} << false;
    QTest::newRow("outside the code page") << BirthDetails{QStringLiteral("ANNA\u0141"), 7, "May", 1990} << false;
    QTest::newRow("day 0") << BirthDetails{"ANN", 0, "May", 1990} << true;
    QTest::newRow("day 32") << BirthDetails{"ANN", 32, "May", 1990} << true;
    QTest::newRow("month not listed") << BirthDetails{"ANN", 7, "may", 1990} << true;
    QTest::newRow("year 1899") << BirthDetails{"ANN", 7, "May", 1899} << true;
    QTest::newRow("year 2051") << BirthDetails{"ANN", 7, "May", 2051} << true;
}

void TestDetailsFile::unstorableDetails()
{
    QFETCH(BirthDetails, details);
    QFETCH(bool, nameFits);
    QCOMPARE(nameFitsDetailsFile(details.name), nameFits);
    QVERIFY(!composeDetailsFile(details));
}

void TestDetailsFile::acceptedLayouts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<BirthDetails>("details");
    const BirthDetails ann{"ANN", 7, "May", 1990};

    QTest::newRow("lines after the fourth") << kAnnFile + encodedLine("EXTRA") + encodedLine("MORE") << ann;
    QTest::newRow("last line without an end") << kAnnFile.chopped(2) << ann;
    QByteArray lf = kAnnFile;
    QTest::newRow("lone LF") << lf.replace("\r\n", "\n") << ann;
    QByteArray cr = kAnnFile;
    QTest::newRow("lone CR") << cr.replace("\r\n", "\r") << ann;
    // Bytes below 85 were never written by the codec and drop out of the value.
    QTest::newRow("stray low bytes") << QByteArray("\x96\x20\xA3\xA3\r\n") + kAnnFile.mid(5) << ann;
    QTest::newRow("empty name") << fileOf({"", "7", "May", "1990"}) << BirthDetails{"", 7, "May", 1990};
    QTest::newRow("31 April is a list item") << fileOf({"ANN", "31", "April", "1990"}) << BirthDetails{"ANN", 31, "April", 1990};
    const QByteArray longest = fileOf({QByteArray(MaxNameLength, 'A'), "7", "May", "1990"});
    const qsizetype padding = MaxDetailsFileSize - longest.size() - 2;
    QTest::newRow("exactly the size limit, the longest name")
        << longest + encodedLine(QByteArray(padding, 'X'))
        << BirthDetails{QString(MaxNameLength, u'A'), 7, "May", 1990};
}

void TestDetailsFile::acceptedLayouts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(BirthDetails, details);
    QCOMPARE(parseDetailsFile(bytes), std::optional<BirthDetails>(details));
}

void TestDetailsFile::malformed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("two lines") << fileOf({"ANN", "7"});
    QTest::newRow("three lines") << fileOf({"ANN", "7", "May"});
    QTest::newRow("three lines and an empty end") << fileOf({"ANN", "7", "May"}) + "\r\n";
    QTest::newRow("day 45") << fileOf({"ANN", "45", "May", "1990"});
    QTest::newRow("day 0") << fileOf({"ANN", "0", "May", "1990"});
    QTest::newRow("leading zero") << fileOf({"ANN", "07", "May", "1990"});
    QTest::newRow("day with a blank") << fileOf({"ANN", " 7", "May", "1990"});
    QTest::newRow("day with a sign") << fileOf({"ANN", "+7", "May", "1990"});
    QTest::newRow("empty day") << fileOf({"ANN", "", "May", "1990"});
    QTest::newRow("month in capitals") << fileOf({"ANN", "7", "MAY", "1990"});
    QTest::newRow("month with a blank") << fileOf({"ANN", "7", "May ", "1990"});
    QTest::newRow("year 1899") << fileOf({"ANN", "7", "May", "1899"});
    QTest::newRow("year 2051") << fileOf({"ANN", "7", "May", "2051"});
    QTest::newRow("year with a leading zero") << fileOf({"ANN", "7", "May", "01990"});
    QTest::newRow("huge year") << fileOf({"ANN", "7", "May", "99999999999999999999"});
    QTest::newRow("never encoded") << QByteArray("ANN\r\n7\r\nMay\r\n1990\r\n");
    QTest::newRow("one byte too many") << kAnnFile + QByteArray(MaxDetailsFileSize + 1 - kAnnFile.size(), '\x96');
}

void TestDetailsFile::malformed()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!parseDetailsFile(bytes));
}

void TestDetailsFile::suffix_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("saved file") << "/home/ann/reading.brn" << true;
    QTest::newRow("no dot") << "mybrn" << true;
    QTest::newRow("capitals") << "a.BRN" << false;
    QTest::newRow("mixed case") << "a.Brn" << false;
    QTest::newRow("text file") << "a.txt" << false;
    QTest::newRow("trailing blank") << "a.brn " << false;
    QTest::newRow("empty") << "" << false;
}

void TestDetailsFile::suffix()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(hasDetailsFileSuffix(path), accepted);
}

void TestDetailsFile::saveThenLoad()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("ann.brn");
    const BirthDetails ann{"ANN", 7, "May", 1990};

    QCOMPARE(saveDetailsFile(path, ann), SaveResult::Saved);
    QCOMPARE(readBytes(path), kAnnFile);
    QCOMPARE(loadDetailsFile(path), std::optional<BirthDetails>(ann));

    // Saving again replaces the whole file, including a longer earlier one.
    const BirthDetails bo{"BO", 1, "June", 2001};
    QVERIFY(writeBytes(path, QByteArray(300, '\x96')));
    QCOMPARE(saveDetailsFile(path, bo), SaveResult::Saved);
    QCOMPARE(readBytes(path), *composeDetailsFile(bo));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"ann.brn"});
}

void TestDetailsFile::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("ann.brn");
    QVERIFY(writeBytes(path, kAnnFile));

    QCOMPARE(saveDetailsFile(path, {QStringLiteral("JOS\u00c9"), 7, "May", 1990}), SaveResult::NameNotStorable);
    QCOMPARE(saveDetailsFile(path, {"ANN", 45, "May", 1990}), SaveResult::InvalidDetails);
    QCOMPARE(readBytes(path), kAnnFile);

    const QString fresh = dir.filePath("jose.brn");
    QCOMPARE(saveDetailsFile(fresh, {QStringLiteral("JOS\u00c9"), 7, "May", 1990}), SaveResult::NameNotStorable);
    QVERIFY(!QFile::exists(fresh));

    QCOMPARE(saveDetailsFile(dir.filePath("missing/ann.brn"), {"ANN", 7, "May", 1990}), SaveResult::WriteFailed);
    QCOMPARE(saveDetailsFile(dir.path(), {"ANN", 7, "May", 1990}), SaveResult::WriteFailed);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"ann.brn"});
}

void TestDetailsFile::loadRefusesWhatIsNotADetailsFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!loadDetailsFile(dir.filePath("missing.brn")));
    QVERIFY(!loadDetailsFile(dir.path()));

    const QString big = dir.filePath("big.brn");
    QVERIFY(writeBytes(big, kAnnFile + QByteArray(5 * 1024, '\x96')));
    QVERIFY(!loadDetailsFile(big));

    const QString shortFile = dir.filePath("short.brn");
    QVERIFY(writeBytes(shortFile, fileOf({"ANN", "7"})));
    QVERIFY(!loadDetailsFile(shortFile));
}

// Whatever Open accepts comes back out of Save as a file that Open accepts again: lines that end in LF
// alone gain a CR when saved, so a name that fills the cap is refused when it is read.
void TestDetailsFile::savedBackStaysOpenable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    auto lfFile = [](const QByteArray& name) {
        QByteArray out;
        for (const QByteArray& line : {name, QByteArray("7"), QByteArray("May"), QByteArray("1990")})
            out += encodedLine(line).chopped(2) + "\n";
        return out;
    };
    const qsizetype rest = lfFile(QByteArray()).size();
    QTest::newRow("LF lines filling the cap") << lfFile(QByteArray(MaxDetailsFileSize - rest, 'A')) << false;
    QTest::newRow("the longest name the box takes, LF lines")
        << lfFile(QByteArray(MaxNameLength, 'A')) << true;
    QTest::newRow("one letter more than the box takes")
        << fileOf({QByteArray(MaxNameLength + 1, 'A'), "7", "May", "1990"}) << false;
}

void TestDetailsFile::savedBackStaysOpenable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QVERIFY(bytes.size() <= MaxDetailsFileSize);
    const std::optional<BirthDetails> read = parseDetailsFile(bytes);
    QCOMPARE(bool(read), opens);
    if (!read)
        return;
    const std::optional<QByteArray> saved = composeCheckedDetailsFile(*read);
    QVERIFY(saved);
    QVERIFY(saved->size() <= MaxDetailsFileSize);
    QCOMPARE(parseDetailsFile(*saved), read);
}

// A name longer than a file may hold is refused with nothing written, the longest one the box takes saved.
void TestDetailsFile::saveRefusesWhatOpenRefuses()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("long.brn");
    const BirthDetails longest{QString(MaxNameLength, QLatin1Char('A')), 31, "September", 2050};
    QCOMPARE(saveDetailsFile(path, longest), SaveResult::Saved);
    QCOMPARE(loadDetailsFile(path), std::optional<BirthDetails>(longest));

    const QString over = dir.filePath("over.brn");
    for (int length : {MaxNameLength + 1, 4078}) {
        QCOMPARE(saveDetailsFile(over, {QString(length, QLatin1Char('A')), 7, "May", 1990}),
                 SaveResult::InvalidDetails);
        QVERIFY(!QFile::exists(over));
    }
}

QTEST_APPLESS_MAIN(TestDetailsFile)
#include "tst_detailsfile.moc"
