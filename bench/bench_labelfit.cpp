// Fitting the longest text a label of the program shows: the card text of the runic tarot reading, the
// longest of the twelve signs, given to its label on view in the reading window, and a text twelve times
// as long. The label grows to it before its next painting; each round gives it a text one character
// different, so each is fitted anew.
#include "FindControl.h"
#include "TestMain.h"

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "runictarot/RunicTarotForms.h"
#include "runictarot/SignTable.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "shell/frmMDI.h"

class BenchLabelFit : public QObject {
    Q_OBJECT
    runictarot::frmRunicTarotDisplay* reading = nullptr;
    QString longest;

private slots:
    void initTestCase()
    {
        testing::freshProgram();
        runictarot::RegisterRunicTarotForms();
        platform::Forms::Get<shell::frmMDI>()->Show();
        reading = platform::Forms::Get<runictarot::frmRunicTarotDisplay>();
        QVERIFY(reading);
        reading->Show();
        QCoreApplication::processEvents();
        for (const char* sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"})
            if (const std::optional<runictarot::Reading> r = runictarot::readingFor(QString::fromLatin1(sign)))
                for (const QString& text : {r->cardText, r->planetCardText})
                    if (text.size() > longest.size())
                        longest = text;
        qInfo("the longest label text: %lld characters", static_cast<long long>(longest.size()));
    }

    void longestLabel_data()
    {
        QTest::addColumn<int>("times");
        QTest::newRow("the longest text") << 1;
        // Twelve times as long, some 3,700 characters: more than its place holds, so the label grows
        // down and what lies below it moves.
        QTest::newRow("a page-long text") << 12;
    }

    void longestLabel()
    {
        QFETCH(int, times);
        platform::Label* label = testing::control<platform::Label>(reading, "lblAboutYourTarotCard");
        const QString text = QStringList(times, longest).join(QLatin1Char(' '));
        const QString other = text + QLatin1Char('.');
        bool flip = false;
        QBENCHMARK {
            label->setText(flip ? other : text);
            flip = !flip;
        }
        QVERIFY(label->height() > 0);
    }

    // The same page-long text in a narrow label with free width beside it, wrapping: the label first
    // looks for the narrowest width that holds the text in its own height.
    void pageLongTextWithRoomBeside()
    {
        QWidget window;
        window.resize(900, 400);
        platform::Label* label = platform::MakeLabel(&window, QStringLiteral("lblField"), QString(), {150, 150, 1200, 210},
                                                     platform::Look(platform::Verdana(8.25, true)).Wrap());
        window.show();
        QCoreApplication::processEvents();
        const QString text = QStringList(12, longest).join(QLatin1Char(' '));
        const QString other = text + QLatin1Char('.');
        bool flip = false;
        QBENCHMARK {
            label->setText(flip ? other : text);
            flip = !flip;
        }
        QVERIFY(label->height() > 14);
    }
};

SELVANTHE_TEST_MAIN(BenchLabelFit)
#include "bench_labelfit.moc"
