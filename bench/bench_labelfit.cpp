// Fitting the longest text a label of the program shows: the card text of the runic tarot reading, the
// longest of the twelve signs, given to its label on view in the reading window. The label grows to it
// before its next painting; each round gives it a text one character different, so each is fitted anew.
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

    void longestLabel()
    {
        platform::Label* label = reading->lblAboutYourTarotCard;
        const QString other = longest + QLatin1Char('.');
        bool flip = false;
        QBENCHMARK {
            label->setText(flip ? other : longest);
            flip = !flip;
        }
        QVERIFY(label->height() > 0);
    }
};

SELVANTHE_TEST_MAIN(BenchLabelFit)
#include "bench_labelfit.moc"
