// The saved tarot reading on bytes: what Save writes and what Open accepts.

#include "shell/Codec.h"
#include "tarot/ReadingFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tarot;

namespace {

QByteArray file(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += shell::EncodeString(shell::toAnsi(l)) + "\r\n";
    return out;
}

ShownReading reading(const QString& spread, const QString& deck, QList<std::int32_t> cards,
                     QList<std::int32_t> reversed = {})
{
    ShownReading r;
    r.complete = true;
    r.spreadName = spread;
    r.deckLetter = deck;
    r.cards = std::move(cards);
    r.reversed = std::move(reversed);
    return r;
}

} // namespace

class TestReadingFile : public QObject {
    Q_OBJECT
private slots:
    void writesTheWorkedFileExactly()
    {
        const QByteArray expected = QByteArray::fromHex("C8A4C3BA7598B6C7B90D0A" "B9C40D0A" "B886870D0A");
        QCOMPARE(ComposeReadingFile(reading(QStringLiteral("One Card"), QStringLiteral("o"), {12})), expected);
        QCOMPARE(expected.size(), 20);
    }

    void writesReversedLinesAfterTheCards()
    {
        const QList<std::int32_t> cards = {5, 40, 0, 1, 2, 3, 4, 6, 7, 8};
        const QByteArray bytes =
            ComposeReadingFile(reading(QStringLiteral("Celtic Cross"), QStringLiteral("m"), cards, {5, 40}));
        QStringList expected = {QStringLiteral("sCeltic Cross"), QStringLiteral("dm")};
        for (int c : cards)
            expected << QStringLiteral("c%1").arg(c);
        expected << QStringLiteral("r5") << QStringLiteral("r40");
        QCOMPARE(bytes, file(expected));
        expected.resize(expected.size() - 2);
        QCOMPARE(ComposeReadingFile(reading(QStringLiteral("Celtic Cross"), QStringLiteral("m"), cards)), file(expected));
    }

    void readsWhatItWrote()
    {
        const ShownReading r = reading(QStringLiteral("The Romany/ Gypsy Spread"), QStringLiteral("o"),
                                       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 77},
                                       {77, 0});
        const auto opened = ParseReadingFile(ComposeReadingFile(r), QString(), QString());
        QVERIFY(opened);
        QCOMPARE(opened->spreadName, r.spreadName);
        QCOMPARE(opened->deckLetter, r.deckLetter);
        QCOMPARE(opened->cards, r.cards);
        QCOMPARE(opened->reversed, r.reversed);
        QCOMPARE(opened->layout, 9);
    }

    void parserIsLenient_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("spread");
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QList<std::int32_t>>("cards");
        QTest::addColumn<QList<std::int32_t>>("reversed");
        QTest::newRow("kinds interleaved, each in order")
            << QStringList{"r7", "c3", "dm", "c7", "sTwo Cards"} << "Two Cards" << "m" << QList<std::int32_t>{3, 7}
            << QList<std::int32_t>{7};
        QTest::newRow("foreign tags and empty lines ignored")
            << QStringList{"sOne Card", "", "xyz", "do", "Q12", "c12"} << "One Card" << "o" << QList<std::int32_t>{12}
            << QList<std::int32_t>{};
        QTest::newRow("blanks around a number") << QStringList{"sOne Card", "do", "c 12 "} << "One Card" << "o"
                                                << QList<std::int32_t>{12} << QList<std::int32_t>{};
        QTest::newRow("not a number reads as card 0") << QStringList{"sOne Card", "do", "cx7"} << "One Card" << "o"
                                                      << QList<std::int32_t>{0} << QList<std::int32_t>{};
        QTest::newRow("the last s and d win") << QStringList{"sOne Card", "do", "sTwo Cards", "dm", "c1", "c2"}
                                              << "Two Cards" << "m" << QList<std::int32_t>{1, 2}
                                              << QList<std::int32_t>{};
        QTest::newRow("missing s and d keep the earlier values")
            << QStringList{"c4"} << "kept spread" << "m" << QList<std::int32_t>{4} << QList<std::int32_t>{};
        QTest::newRow("count alone picks the layout") << QStringList{"sCeltic Cross", "do", "c1", "c2", "c3"}
                                                      << "Celtic Cross" << "o" << QList<std::int32_t>{1, 2, 3}
                                                      << QList<std::int32_t>{};
    }
    void parserIsLenient()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, spread);
        QFETCH(QString, deck);
        QFETCH(QList<std::int32_t>, cards);
        QFETCH(QList<std::int32_t>, reversed);
        const auto r = ParseReadingFile(file(lines), QStringLiteral("kept spread"), QStringLiteral("m"));
        QVERIFY(r);
        QCOMPARE(r->spreadName, spread);
        QCOMPARE(r->deckLetter, deck);
        QCOMPARE(r->cards, cards);
        QCOMPARE(r->reversed, reversed);
    }

    void refusesWhatCannotBeLaidOut_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("keptDeck");
        const QStringList tenCeltic = {"sCeltic Cross", "do", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10"};
        QTest::newRow("deck letter reaching out of the folder") << QStringList{"sOne Card", "d../x", "c1"} << "o";
        QTest::newRow("no deck letter in a fresh state") << QStringList{"sOne Card", "c1"} << "";
        QTest::newRow("negative card") << QStringList{"sOne Card", "do", "c-5"} << "o";
        QTest::newRow("card 78") << QStringList{"sOne Card", "do", "c78"} << "o";
        QTest::newRow("beyond 32 bits") << QStringList{"sOne Card", "do", "c99999999999"} << "o";
        QTest::newRow("reversed 200") << QStringList{"sOne Card", "do", "c1", "r200"} << "o";
        QStringList many = {"sThe Romany/ Gypsy Spread", "do"};
        for (int i = 0; i < 22; ++i)
            many << QStringLiteral("c%1").arg(i);
        QTest::newRow("22 cards") << many << "o";
        QStringList nine = tenCeltic;
        nine.removeLast();
        QTest::newRow("9 cards of the Celtic Cross") << nine << "o";
        QTest::newRow("no cards") << QStringList{"sOne Card", "do"} << "o";
        QStringList lower = tenCeltic;
        lower[0] = QStringLiteral("sceltic cross");
        QTest::newRow("10 cards of a name no spread has") << lower << "o";
    }
    void refusesWhatCannotBeLaidOut()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, keptDeck);
        QVERIFY(!ParseReadingFile(file(lines), QString(), keptDeck));
    }

    // Save writes CR LF and plain numbers, so a file read here may grow when it is saved back; whatever
    // Open accepts must come back out of Save as a file that Open accepts again, as the same reading.
    void savedBackStaysOpenable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opens");
        auto lfFile = [](const QStringList& lines) {
            QByteArray out;
            for (const QString& l : lines)
                out += shell::EncodeString(shell::toAnsi(l)) + "\n";
            return out;
        };
        // One Card is chosen by its count alone, so the spread line may be long.
        auto oneCard = [&](qsizetype size, const char* end) {
            QByteArray tail = lfFile({QStringLiteral("do"), QStringLiteral("c5")});
            if (QByteArrayView(end) == "\r\n")
                tail = file({QStringLiteral("do"), QStringLiteral("c5")});
            const qsizetype nameLength = size - tail.size() - 1 - qsizetype(qstrlen(end));
            return shell::EncodeString(QByteArray("s") + QByteArray(nameLength, 'A')) + end + tail;
        };
        QTest::newRow("LF lines filling the cap") << oneCard(kMaxReadingFileSize, "\n") << false;
        QTest::newRow("LF lines that fit once they end in CR LF")
            << oneCard(kMaxReadingFileSize - 3, "\n") << true;
        QTest::newRow("CR LF lines filling the cap") << oneCard(kMaxReadingFileSize, "\r\n") << true;
        QStringList manyReversed = {QStringLiteral("sOne Card"), QStringLiteral("do"), QStringLiteral("c5")};
        while (lfFile(manyReversed).size() + 3 <= kMaxReadingFileSize)
            manyReversed << QStringLiteral("r5");
        QTest::newRow("LF reversed lines filling the cap") << lfFile(manyReversed) << false;
        QStringList emptyCards = {QStringLiteral("sOne Card"), QStringLiteral("do")};
        emptyCards << QStringLiteral("c");
        QTest::newRow("a card with no number") << lfFile(emptyCards) << true;
    }
    void savedBackStaysOpenable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        QVERIFY(bytes.size() <= kMaxReadingFileSize);
        const auto r = ParseReadingFile(bytes, QString(), QString());
        QCOMPARE(bool(r), opens);
        if (!r)
            return;
        const std::optional<QByteArray> saved =
            ComposeCheckedReadingFile(reading(r->spreadName, r->deckLetter, r->cards, r->reversed));
        QVERIFY(saved);
        QVERIFY(saved->size() <= kMaxReadingFileSize);
        const auto again = ParseReadingFile(*saved, QString(), QString());
        QVERIFY(again);
        QCOMPARE(again->spreadName, r->spreadName);
        QCOMPARE(again->cards, r->cards);
        QCOMPARE(again->reversed, r->reversed);
    }

    // Save refuses what Open would refuse: nothing is written that cannot be opened again.
    void saveRefusesWhatOpenRefuses()
    {
        QVERIFY(ComposeCheckedReadingFile(reading(QStringLiteral("One Card"), QStringLiteral("o"), {12})));
        QVERIFY(!ComposeCheckedReadingFile(reading(QStringLiteral("One Card"), QStringLiteral("x"), {12})));
        QVERIFY(!ComposeCheckedReadingFile(reading(QStringLiteral("Celtic Cross"), QStringLiteral("o"), {1, 2, 3, 4})));
        QVERIFY(!ComposeCheckedReadingFile(
            reading(QString(kMaxReadingFileSize, QLatin1Char('A')), QStringLiteral("o"), {12})));
        // A name the codec cannot hold would come back shorter.
        QVERIFY(!ComposeCheckedReadingFile(reading(QStringLiteral("One Card \u00e9"), QStringLiteral("o"), {12})));
    }

    void fileNamesAndSizes()
    {
        QVERIFY(HasReadingFileSuffix(QStringLiteral("/tmp/a.slv")));
        QVERIFY(HasReadingFileSuffix(QStringLiteral("fooslv")));
        QVERIFY(!HasReadingFileSuffix(QStringLiteral("a.SLV")));
        QVERIFY(!HasReadingFileSuffix(QStringLiteral("a.txt")));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r.slv"));
        QString why;
        QVERIFY(WriteReadingFile(path, QByteArray(kMaxReadingFileSize, 'x'), &why));
        QCOMPARE(ReadReadingFileBytes(path)->size(), kMaxReadingFileSize);
        QVERIFY(WriteReadingFile(path, QByteArray(kMaxReadingFileSize + 1, 'x'), &why));
        QVERIFY(!ReadReadingFileBytes(path));
        QVERIFY(!ReadReadingFileBytes(dir.filePath(QStringLiteral("none.slv"))));

        // A folder that cannot be written: the write fails whole, with a reason.
        QVERIFY(!WriteReadingFile(dir.filePath(QStringLiteral("no/such/folder/r.slv")), "abc", &why));
        QVERIFY(!why.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
