// The list of all runes: five pictures, the name and the meanings of every stone, sized to its content.
#include "FindControl.h"
#include "TestMain.h"
#include "UserInput.h"

#include "RunesTestHelpers.h"
#include "platform/Twips.h"
#include "runes/frmRunesReadingAll.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

using namespace runestest;
using runes::frmRunesReadingAll;

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QChar kPicture = QChar::ObjectReplacementCharacter;

struct Fragment {
    QString text;
    QTextCharFormat format;
};

QList<Fragment> Fragments(QTextDocument* doc)
{
    QList<Fragment> out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out.append({it.fragment().text(), it.fragment().charFormat()});
    return out;
}

} // namespace

class TestRunesList : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        testing::freshProgram();
        runes::ResetRunesState();
    }

    void listsEveryRuneInOrder()
    {
        OpenMain();
        QGuiApplication::clipboard()->setText(QStringLiteral("what another program put there"));
        auto* list = platform::Forms::Get<frmRunesReadingAll>();
        QVERIFY(list);
        platform::RichTextBox* box = testing::control<platform::RichTextBox>(list, "RichTextBox1");

        QString expected;
        const QString twoBreaks = kCrLf + kCrLf;
        for (int i = 0; i < 25; ++i)
            expected += QString(5, kPicture) + runes::RuneName(i) + kCrLf + runes::RuneMeaning(i) + twoBreaks +
                        "Reversed Meaning : " + runes::RuneReversed(i) + twoBreaks + "Merkstave Meaning : " +
                        runes::RuneMerkstave(i) + twoBreaks + QString(512, QLatin1Char(' ')) + twoBreaks;
        QCOMPARE(box->Text(), expected);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("what another program put there"));

        // The pictures: stone n of the five sets, in set order, each the set's own picture.
        QList<QImage> pictures;
        for (const Fragment& f : Fragments(box->document()))
            if (f.format.isImageFormat())
                pictures << box->document()
                                ->resource(QTextDocument::ImageResource, QUrl(f.format.toImageFormat().name()))
                                .value<QImage>();
        QCOMPARE(pictures.size(), 125);
        for (int n : {1, 4, 25})
            for (int set = 0; set < 5; ++set)
                QCOMPARE(pictures[(n - 1) * 5 + set],
                         shell::MDI()->imlStones(set).ListImage(n).toImage().convertToFormat(
                             pictures[(n - 1) * 5 + set].format()));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->SelStart(), 0);
    }

    void formatsOfAnEntry()
    {
        OpenMain();
        auto* list = platform::Forms::Get<frmRunesReadingAll>();
        QVERIFY(list);
        const QList<Fragment> fragments =
            Fragments(testing::control<platform::RichTextBox>(list, "RichTextBox1")->document());
        auto find = [&](const QString& text) -> QTextCharFormat {
            for (const Fragment& f : fragments)
                if (f.text == text)
                    return f.format;
            QTest::qFail(qPrintable("no fragment " + text.left(30)), __FILE__, __LINE__);
            return {};
        };
        const QTextCharFormat name = find(QStringLiteral("Algiz"));
        QCOMPARE(name.fontPointSize(), 24.0);
        QVERIFY(name.fontWeight() >= QFont::Bold);
        QVERIFY(name.fontUnderline());
        QCOMPARE(name.foreground().color(), QColor(128, 0, 0));
        const QTextCharFormat meaning = find(runes::RuneMeaning(0));
        QCOMPARE(meaning.fontPointSize(), 12.0);
        QVERIFY(meaning.fontWeight() < QFont::Bold);
        QVERIFY(!meaning.fontUnderline());
        QCOMPARE(meaning.foreground().color(), QColor(1, 0, 0));
        const QTextCharFormat label = find(QStringLiteral("Reversed Meaning : "));
        QCOMPARE(label.fontPointSize(), 12.0);
        QVERIFY(label.fontWeight() >= QFont::Bold);
        QVERIFY(!label.fontUnderline());
        const QTextCharFormat rule = find(QString(512, QLatin1Char(' ')));
        QVERIFY(rule.fontUnderline());
        QVERIFY(rule.fontWeight() < QFont::Bold);
        // The list never names a face: every piece shows in the box's own.
        for (const Fragment& f : fragments)
            QVERIFY(!f.format.hasProperty(QTextFormat::FontFamilies));
        for (QTextBlock b = testing::control<platform::RichTextBox>(list, "RichTextBox1")->document()->begin();
             b.isValid(); b = b.next())
            QCOMPARE(b.blockFormat().leftMargin(), 100 / 15.0);
    }

    void sizesItselfToTheList()
    {
        OpenMain();
        auto* list = platform::Forms::Get<frmRunesReadingAll>();
        QVERIFY(list);
        platform::RichTextBox* box = testing::control<platform::RichTextBox>(list, "RichTextBox1");
        QCOMPARE(list->Left(), 50.0);
        QCOMPARE(list->Top(), 0.0);
        QCOMPARE(platform::leftTw(box), 0.0);
        QCOMPARE(platform::topTw(box), 0.0);
        QCOMPARE(platform::widthTw(box), list->Width());
        // As high as the window, to the pixel.
        QVERIFY(qAbs(platform::heightTw(box) - list->Height()) < platform::kTwipsPerPixel);
        // The height is what the box had scrolled at its resting height, plus 100.
        const double scrolled = platform::heightTw(box) - 100;
        QVERIFY(scrolled > 1605);
        QCOMPARE(std::fmod(scrolled, 15.0), 0.0);
    }

    void unloadEmptiesTheBoxAndLeavesThePanels()
    {
        shell::frmMDI* mdi = OpenMain();
        auto* list = platform::Forms::Get<frmRunesReadingAll>();
        QVERIFY(list);
        const bool welcome = OnShow(testing::control<QWidget>(mdi, "picMain")),
                   side = OnShow(testing::control<platform::PictureBox>(mdi, "picLeft"));
        platform::Forms::Unload(list);
        QCOMPARE(testing::control<platform::RichTextBox>(list, "RichTextBox1")->Text(), QString());
        QCOMPARE(OnShow(testing::control<QWidget>(mdi, "picMain")), welcome);
        QCOMPARE(OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")), side);
    }

    void toolSwitchUnloadsItOnlyWhenLoaded()
    {
        shell::frmMDI* mdi = OpenMain();
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 0));
        QVERIFY(!platform::Forms::IsLoaded(QString::fromLatin1(frmRunesReadingAll::kFormName)));
        platform::Forms::Get<frmRunesReadingAll>();
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 0));
        QVERIFY(!platform::Forms::IsLoaded(QString::fromLatin1(frmRunesReadingAll::kFormName)));
        QCOMPARE(LoadedToolWindows(), QStringList{"frmRunesReadingEntry"});
    }
};

SELVANTHE_TEST_MAIN(TestRunesList)
#include "tst_runeslist.moc"
