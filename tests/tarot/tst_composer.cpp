// The reading composer: the runs of a reading exactly as written, the header of every spread, the blocks
// per position, the reversed test, and the real reading pane's formats, rules and caret.
#include "FindControl.h"
#include "Roads.h"
#include "TestMain.h"

#include "platform/RichTextBox.h"
#include "shell/frmMDI.h"
#include "tarot/CardTable.h"
#include "tarot/PositionTexts.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/TarotState.h"
#include "tarot/modInfo.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

using tarot::RunStyle;

namespace {

struct Run {
    QString text;
    RunStyle style;
    int alignment;
};

class RecordingSink : public tarot::ReadingSink {
public:
    void Append(const QString& text, RunStyle style) override { runs.append({text, style, alignment}); }
    void SetAlignment(int a) override { alignment = a; }
    QList<Run> runs;
    int alignment = platform::RichTextBox::AlignLeft;
    QString text() const
    {
        QString all;
        for (const Run& r : runs)
            all += r.text;
        return all;
    }
};

const QString CRLF = QStringLiteral("\r\n");
const QString RULE = QString(512, QLatin1Char(' '));
const QString SITE = QStringLiteral("https://www.selvanthe.example");
const QString BANNER = QStringLiteral("forum.selvanthe.example the most popular online discussion forum. A place to "
                                      "learn, to share and to make new friends.");
const QString CLOSING = QStringLiteral("Thank You for using Selvanthe. Come spend some time with us online at "
                                       "https://www.selvanthe.example. The best online discussion forum for every "
                                       "esoteric.");

tarot::CardList listOf(const QList<int>& values)
{
    tarot::CardList l;
    l.ReDim(static_cast<int>(values.size()) - 1);
    for (int i = 0; i < values.size(); ++i)
        l(i) = values[i];
    return l;
}

// A header's runs end with the rule that closes it.
int headerRunCount(const QList<Run>& runs)
{
    int last = -1;
    for (int i = 0; i < runs.size(); ++i)
        if (runs[i].style == RunStyle::Underlined && runs[i].text.startsWith(RULE))
            last = i;
    return last + 1;
}

RecordingSink readingOf(const QString& spread, const tarot::CardList& cards, const tarot::CardList& reversed)
{
    tarot::State().TarotSpreadName = spread;
    RecordingSink sink;
    tarot::WriteSpreadHeader(sink, spread);
    tarot::WriteCardReadings(sink, cards, reversed);
    return sink;
}

// The runs after the header, split into blocks at each rule; the closing run is left out.
QList<QList<Run>> blocksOf(const QList<Run>& runs, int headerRuns)
{
    QList<QList<Run>> blocks;
    QList<Run> current;
    for (int i = headerRuns; i < runs.size() - 1; ++i) {
        current.append(runs[i]);
        if (runs[i].style == RunStyle::Underlined) {
            blocks.append(current);
            current.clear();
        }
    }
    return blocks;
}

} // namespace

class TestComposer : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        testing::freshProgram();
        tarot::ResetStateForTests();
    }

    void oneCardReadingIsExactlyItsFourteenRuns()
    {
        const RecordingSink sink = readingOf(QStringLiteral("One Card"), listOf({18, 0}), tarot::CardList());
        const int L = platform::RichTextBox::AlignLeft, C = platform::RichTextBox::AlignCenter;
        const QList<Run> expected = {
            {BANNER + CRLF + CRLF, RunStyle::Bold, L},
            {QStringLiteral("Visit ") + CRLF, RunStyle::Bold, C},
            {SITE + QStringLiteral(" ") + CRLF, RunStyle::Bold, C},
            {QStringLiteral("Now ") + CRLF, RunStyle::Bold, C},
            {RULE + CRLF, RunStyle::Underlined, L},
            {QStringLiteral("Spread Type - One Card"), RunStyle::Bold, L},
            {CRLF + tarot::catalogue::SpreadDescription(1) + CRLF + CRLF, RunStyle::Plain, L},
            {RULE + CRLF + CRLF, RunStyle::Underlined, L},
            {QStringLiteral("Card 1:  "), RunStyle::Bold, L},
            {QStringLiteral("This represents the most important factor that affects the issue in hand."),
             RunStyle::Plain, L},
            {CRLF + CRLF + QStringLiteral("The Sun"), RunStyle::Bold, L},
            {CRLF + tarot::CardUprightText(18), RunStyle::Plain, L},
            {CRLF + RULE + CRLF, RunStyle::Underlined, L},
            {CRLF + CLOSING + CRLF, RunStyle::Bold, L},
        };
        QCOMPARE(sink.runs.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(sink.runs[i].text, expected[i].text);
            QCOMPARE(sink.runs[i].style, expected[i].style);
            QCOMPARE(sink.runs[i].alignment, expected[i].alignment);
        }
        QVERIFY(!tarot::catalogue::SpreadDescription(1).isEmpty());
        QVERIFY(!tarot::CardUprightText(18).isEmpty());
    }

    // The real pane: the same characters, bold and underline where the runs say, three centred lines
    // and a drawn line on exactly the rule blocks.
    void realPaneHoldsTheRunsFormats()
    {
        const RecordingSink recorded = readingOf(QStringLiteral("One Card"), listOf({18, 0}), tarot::CardList());
        platform::RichTextBox box;
        tarot::RichTextBoxSink sink(&box);
        tarot::WriteSpreadHeader(sink, QStringLiteral("One Card"));
        tarot::WriteCardReadings(sink, listOf({18, 0}), tarot::CardList());
        QCOMPARE(box.Text(), recorded.text());

        QList<RunStyle> styleAt;
        for (const Run& r : recorded.runs)
            for (int k = 0; k < platform::RichTextBox::toDocumentText(r.text).size(); ++k)
                styleAt.append(r.style);
        int centred = 0, ruled = 0, rules = 0;
        for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
            if (b.blockFormat().alignment() & Qt::AlignHCenter) {
                ++centred;
                QVERIFY(b.text() == QLatin1String("Visit ") || b.text() == SITE + QLatin1Char(' ') ||
                        b.text() == QLatin1String("Now "));
            }
            const bool isRule = b.text() == RULE;
            rules += isRule ? 1 : 0;
            const bool hasRuler = b.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
            QCOMPARE(hasRuler, isRule);
            ruled += hasRuler ? 1 : 0;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                for (int pos = f.position(); pos < f.position() + f.length(); ++pos) {
                    const RunStyle want = styleAt[pos];
                    QCOMPARE(f.charFormat().fontWeight() >= QFont::Bold, want == RunStyle::Bold);
                    QCOMPARE(f.charFormat().fontUnderline(), want == RunStyle::Underlined);
                    // Only a rule's blanks go unshaped: the reading's words keep their kerning.
                    QCOMPARE(bool(f.charFormat().fontStyleStrategy() & QFont::PreferNoShaping),
                             want == RunStyle::Underlined);
                }
            }
        }
        QCOMPARE(centred, 3);
        QCOMPARE(rules, 3);
        QCOMPARE(ruled, 3);
    }

    void ruleIsDrawnAcrossThePane()
    {
        platform::RichTextBox box;
        box.resize(600, 2000);
        box.setLineWrapMode(QTextEdit::WidgetWidth);
        tarot::RichTextBoxSink sink(&box);
        tarot::WriteSpreadHeader(sink, QStringLiteral("Two Cards"));
        box.show();
        QCoreApplication::processEvents();
        const QImage shot = box.viewport()->grab().toImage();
        const QColor background = shot.pixelColor(shot.width() / 2, shot.height() - 2);
        int rulesSeen = 0;
        for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
            if (b.text() != RULE)
                continue;
            const QRectF r = box.document()->documentLayout()->blockBoundingRect(b);
            bool line = false;
            for (int y = int(r.top()); y <= int(r.bottom()) && y < shot.height() && !line; ++y) {
                int dark = 0;
                for (int x = 0; x < shot.width(); ++x)
                    if (qAbs(shot.pixelColor(x, y).lightness() - background.lightness()) > 40)
                        ++dark;
                line = dark >= shot.width() * 9 / 10;
            }
            QVERIFY2(line, "a rule paints a line over the pane's width");
            ++rulesSeen;
        }
        QCOMPARE(rulesSeen, 2);
    }

    void headers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("heading");  // empty: the short header
        QTest::addColumn<int>("shape");        // 0 other, 1 blank line before the rule, 2 wheel
        QTest::addColumn<int>("index");
        const QList<std::tuple<const char*, const char*, int>> rows = {
            {"Celtic Cross", "Spread Type - Celtic Cross Spread", 0},
            {"One Card", "Spread Type - One Card", 1},
            {"Two Cards", "Spread Type - Two Cards", 1},
            {"Three Cards", "Spread Type - Three Cards", 1},
            {"Aldric Fenn Wheel Spread(Tamsett)", "Spread Type - Aldric Fenn Wheel Spread(Tamsett)", 2},
            {"The Line Spread", "Spread Type - The Line Spread", 0},
            {"Seven Card Chakra Layout", "Spread Type - Seven Card Chakra Spread", 0},
            {"Four Seasons Spread(Verloni/Ashby)", "Spread Type - Four Seasons Spread", 0},
            {"Relationship Spread", "Spread Type - Relationship Spread", 0},
            {"The Romany/ Gypsy Spread", "Spread Type - The Romany/ Gypsy Spread", 0},
            {"Zodiac Spread", "Spread Type - Zodiac Spread", 0},
            {"Tree of Life", "Spread Type - Tree of Life", 0},
            {"Numerology Spread", "Spread Type - Numerology Spread", 0},
        };
        for (int i = 0; i < rows.size(); ++i)
            QTest::newRow(std::get<0>(rows[i])) << QString::fromLatin1(std::get<0>(rows[i]))
                                                << QString::fromLatin1(std::get<1>(rows[i])) << std::get<2>(rows[i]) << i;
        for (const char* name : {"", "-1", "celtic cross", "Celtic Cross "})
            QTest::newRow(qPrintable(QStringLiteral("short '%1'").arg(QLatin1String(name))))
                << QString::fromLatin1(name) << QString() << 0 << -1;
    }

    void headers()
    {
        QFETCH(QString, name);
        QFETCH(QString, heading);
        QFETCH(int, shape);
        QFETCH(int, index);
        RecordingSink sink;
        tarot::WriteSpreadHeader(sink, name);
        QCOMPARE(sink.runs[0].text, BANNER + CRLF + CRLF);
        QCOMPARE(sink.runs[4].text, RULE + CRLF);
        if (heading.isEmpty()) {
            QCOMPARE(sink.runs.size(), 5);
            return;
        }
        QCOMPARE(sink.runs.size(), 8);
        QCOMPARE(sink.runs[5].text, heading);
        QCOMPARE(sink.runs[5].style, RunStyle::Bold);
        const QString d = tarot::catalogue::SpreadDescription(index);
        QVERIFY(!d.isEmpty());
        const QString description = shape == 1 ? CRLF + d + CRLF + CRLF
                                    : shape == 2 ? CRLF + CRLF + d + CRLF
                                                 : CRLF + d + CRLF;
        QCOMPARE(sink.runs[6].text, description);
        QCOMPARE(sink.runs[6].style, RunStyle::Plain);
        QCOMPARE(sink.runs[7].text, RULE + CRLF + CRLF);
        QCOMPARE(sink.runs[7].style, RunStyle::Underlined);
    }

    void blocks_data()
    {
        QTest::addColumn<bool>("allocated");
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QList<int>>("runsPerBlock");  // 5 a full block, 3 without position text, 1 rule only
        QTest::newRow("automatic n+1 gives n") << true << QList<int>{3, 4, 5, 0} << false << QList<int>{5, 5, 5};
        QTest::newRow("manual n+1 gives n+1") << true << QList<int>{3, 4, 5, 0} << true << QList<int>{5, 5, 5, 3};
        QTest::newRow("automatic single gives none") << true << QList<int>{7} << false << QList<int>{};
        QTest::newRow("no storage gives none") << false << QList<int>{} << false << QList<int>{};
        QTest::newRow("no storage, manual") << false << QList<int>{} << true << QList<int>{};
        QTest::newRow("card 78 is a rule only") << true << QList<int>{3, 78, 5, 0} << false << QList<int>{5, 1, 5};
        QTest::newRow("card -1 is a rule only") << true << QList<int>{-1, 4, 5, 0} << false << QList<int>{1, 5, 5};
    }

    void blocks()
    {
        QFETCH(bool, allocated);
        QFETCH(QList<int>, cards);
        QFETCH(bool, manual);
        QFETCH(QList<int>, runsPerBlock);
        tarot::State().ManualMode = manual;
        const RecordingSink sink =
            readingOf(QStringLiteral("Three Cards"), allocated ? listOf(cards) : tarot::CardList(), tarot::CardList());
        const int header = headerRunCount(sink.runs.mid(0, 8));
        QCOMPARE(header, 8);
        const QList<QList<Run>> blocks = blocksOf(sink.runs, header);
        QCOMPARE(blocks.size(), runsPerBlock.size());
        for (int i = 0; i < blocks.size(); ++i) {
            QCOMPARE(blocks[i].size(), runsPerBlock[i]);
            QCOMPARE(blocks[i].last().text, CRLF + RULE + CRLF);
            if (runsPerBlock[i] >= 3) {
                const int c = cards[i];
                QCOMPARE(blocks[i][blocks[i].size() - 3].text, CRLF + CRLF + tarot::CardTitle(c));
                QCOMPARE(blocks[i][blocks[i].size() - 2].text, CRLF + tarot::CardUprightText(c));
            }
        }
        QCOMPARE(sink.runs.last().text, CRLF + CLOSING + CRLF);
        QCOMPARE(sink.runs.last().style, RunStyle::Bold);
    }

    void reversed_data()
    {
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<int>("reversedKind");  // 0 listed, 1 sized but empty, 2 erased, 3 never sized
        QTest::addColumn<QList<int>>("reversed");
        QTest::addColumn<QList<bool>>("expected");
        QTest::newRow("a card at two positions") << QList<int>{9, 9, 0} << 0 << QList<int>{9} << QList<bool>{true, true};
        QTest::newRow("listed, not dealt") << QList<int>{9, 10, 0} << 0 << QList<int>{40} << QList<bool>{false, false};
        QTest::newRow("listed twice") << QList<int>{9, 10, 0} << 0 << QList<int>{9, 9} << QList<bool>{true, false};
        QTest::newRow("empty list") << QList<int>{0, 10, 0} << 1 << QList<int>{} << QList<bool>{false, false};
        QTest::newRow("erased list") << QList<int>{0, 10, 0} << 2 << QList<int>{} << QList<bool>{false, false};
        QTest::newRow("never sized") << QList<int>{0, 10, 0} << 3 << QList<int>{} << QList<bool>{false, false};
        QTest::newRow("card 0 and another reversed") << QList<int>{0, 5, 0} << 0 << QList<int>{5, 0}
                                                     << QList<bool>{true, true};
    }

    void reversed()
    {
        QFETCH(QList<int>, cards);
        QFETCH(int, reversedKind);
        QFETCH(QList<int>, reversed);
        QFETCH(QList<bool>, expected);
        tarot::CardList list;
        if (reversedKind == 0)
            list = listOf(reversed);
        else if (reversedKind == 1)
            list.ReDim(-1);
        else if (reversedKind == 2) {
            list.ReDim(3);
            list.Erase();
        }
        const RecordingSink sink = readingOf(QStringLiteral("Two Cards"), listOf(cards), list);
        const QList<QList<Run>> blocks = blocksOf(sink.runs, headerRunCount(sink.runs.mid(0, 8)));
        QCOMPARE(blocks.size(), expected.size());
        for (int i = 0; i < blocks.size(); ++i) {
            const int c = cards[i];
            const QString title = blocks[i][2].text;
            const QString text = blocks[i][3].text;
            if (expected[i]) {
                // Card 0 reversed alone stands on the line straight after its position text.
                QCOMPARE(title, (c == 0 ? CRLF : CRLF + CRLF) + tarot::CardTitle(c) + QStringLiteral(" - Reversed"));
                QCOMPARE(text, CRLF + tarot::CardReversedText(c));
            } else {
                QCOMPARE(title, CRLF + CRLF + tarot::CardTitle(c));
                QCOMPARE(text, CRLF + tarot::CardUprightText(c));
            }
        }
        QCOMPARE(sink.runs.last().text, CRLF + CLOSING + CRLF);
    }

    void readingSpreadNameFallsBackOnlyOnEmpty()
    {
        tarot::TarotState& s = tarot::State();
        s.OpenedSpreadName = QStringLiteral("Three Cards");
        s.TarotSpreadName = QString();
        RecordingSink sink;
        tarot::WriteCardReadings(sink, listOf({4, 0}), tarot::CardList());
        QCOMPARE(s.ReadingSpreadName, QStringLiteral("Three Cards"));
        QCOMPARE(sink.runs[0].text, QStringLiteral("Card 1 - Past"));
        s.TarotSpreadName = QStringLiteral("-1");
        RecordingSink other;
        tarot::WriteCardReadings(other, listOf({4, 0}), tarot::CardList());
        QCOMPARE(s.ReadingSpreadName, QStringLiteral("-1"));
        // No position text: the block starts with the title.
        QCOMPARE(other.runs[0].text, CRLF + CRLF + tarot::CardTitle(4));
    }

    void positionTextEdges_data()
    {
        QTest::addColumn<QString>("spread");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("One Card 1") << QStringLiteral("One Card") << 1 << QString() << QString();
        QTest::newRow("-1") << QStringLiteral("-1") << 0 << QString() << QString();
        QTest::newRow("empty") << QString() << 0 << QString() << QString();
        QTest::newRow("lower case") << QStringLiteral("seven card chakra layout") << 0 << QString() << QString();
        QTest::newRow("negative") << QStringLiteral("Zodiac Spread") << -1 << QString() << QString();
        QTest::newRow("One Card 0") << QStringLiteral("One Card") << 0 << QStringLiteral("Card 1:  ")
                                    << QStringLiteral("This represents the most important factor that affects the "
                                                      "issue in hand.");
        QTest::newRow("Romany 20") << QStringLiteral("The Romany/ Gypsy Spread") << 20 << QStringLiteral("Card 21")
                                   << CRLF + QStringLiteral("Represent the future.");
    }

    void positionTextEdges()
    {
        QFETCH(QString, spread);
        QFETCH(int, position);
        QFETCH(QString, heading);
        QFETCH(QString, meaning);
        tarot::State().ReadingSpreadName = spread;
        RecordingSink sink;
        tarot::WritePositionMeaning(sink, position);
        if (heading.isEmpty()) {
            QVERIFY(sink.runs.isEmpty());
            return;
        }
        QCOMPARE(sink.runs.size(), 2);
        QCOMPARE(sink.runs[0].text, heading);
        QCOMPARE(sink.runs[0].style, RunStyle::Bold);
        QCOMPARE(sink.runs[1].text, meaning);
        QCOMPARE(sink.runs[1].style, RunStyle::Plain);
    }

    // Every one of the 103 positions: the pane shows what the prompt shows, only the heading bold, and
    // the caller's next text continues on the meaning's line.
    void everyPositionBlockMatchesItsPrompt()
    {
        int positions = 0;
        for (int spread = 0; spread < tarot::catalogue::SpreadCount; ++spread) {
            const QString name = tarot::catalogue::SpreadText(spread);
            tarot::State().ReadingSpreadName = name;
            for (int i = 0; i < tarot::catalogue::SpreadCards(spread); ++i) {
                RecordingSink sink;
                tarot::WritePositionMeaning(sink, i);
                const auto text = tarot::PositionTextOf(name, i);
                QVERIFY(text.has_value());
                QCOMPARE(sink.runs.size(), 2);
                QCOMPARE(sink.runs[0].style, RunStyle::Bold);
                QCOMPARE(sink.runs[1].style, RunStyle::Plain);
                QCOMPARE(sink.text(), tarot::PositionPrompt(*text));
                QVERIFY(sink.runs[0].text.startsWith(QStringLiteral("Card %1").arg(i + 1)));
                QVERIFY(!sink.text().endsWith(CRLF));
                ++positions;
            }
            RecordingSink past;
            tarot::WritePositionMeaning(past, tarot::catalogue::SpreadCards(spread));
            QVERIFY(past.runs.isEmpty());
        }
        QCOMPARE(positions, 103);
    }

    void isArrayInitialized()
    {
        tarot::CardList never;
        QVERIFY(!tarot::IsArrayInitialized(never));
        tarot::CardList zeros;
        zeros.ReDim(0);
        QVERIFY(tarot::IsArrayInitialized(zeros));
        tarot::CardList none;
        none.ReDim(-1);
        QVERIFY(tarot::IsArrayInitialized(none));
        zeros.Erase();
        QVERIFY(!tarot::IsArrayInitialized(zeros));
    }

    // The main window's pane: a caret moved between the header and the readings redirects nothing.
    void caretMovedBetweenHeaderAndReadingsChangesNothing()
    {
        auto* mdi = platform::Forms::Get<shell::frmMDI>();
        QVERIFY(mdi);
        tarot::State().TarotSpreadName = QStringLiteral("Three Cards");
        const tarot::CardList cards = listOf({12, 40, 77, 0});
        tarot::CardList reversed = listOf({40});

        testing::readingPane()->SetText(QString());
        tarot::WriteSpreadHeader(QStringLiteral("Three Cards"));
        tarot::WriteCardReadings(cards, reversed);
        const QString straight = testing::readingPane()->Text();

        testing::readingPane()->SetText(QString());
        tarot::WriteSpreadHeader(QStringLiteral("Three Cards"));
        testing::readingPane()->SetSelStart(0);
        testing::readingPane()->SetSelLength(5);
        tarot::WriteCardReadings(cards, reversed);
        QCOMPARE(testing::readingPane()->Text(), straight);
        QVERIFY(straight.startsWith(BANNER));
        QVERIFY(straight.endsWith(CLOSING + CRLF));
        QVERIFY(straight.contains(tarot::CardTitle(40) + QStringLiteral(" - Reversed")));
    }
};

SELVANTHE_TEST_MAIN(TestComposer)
#include "tst_composer.moc"
