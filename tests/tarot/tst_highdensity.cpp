// The program on a screen of twice the density (a device pixel ratio of 2): every picture it shows is
// backed by the picture's twin of twice the pixels, at the size in points the picture has on any screen;
// frames and turns keep that density; a picture without a fitting twin (a folder of one's own pictures)
// shows as it is, at the same size.
#include "FindControl.h"
#include "CardFixture.h"
#include "TarotRoad.h"
#include "UserInput.h"

#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/PictureFiles.h"
#include "platform/RichTextBox.h"
#include "runes/RunesForms.h"
#include "runes/frmRunesReadingAll.h"
#include "shell/frmMDI.h"
#include "tarot/SpreadLayouts.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarotManual.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTransform>

using testing::seams;
using tarot::frmAuto;
using tarot::frmTarotManual;

namespace {

// Qt takes the screen's scale from the environment when the application starts, before main runs.
const bool kDenseScreen = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    return true;
}();

const QString kProgramDir = QStringLiteral(SELVANTHE_RUNTIME_DIR);

// Mean absolute difference per channel, 0..255; 255 for pictures of different sizes.
double Difference(QImage a, QImage b)
{
    if (a.size() != b.size())
        return 255;
    a = a.convertToFormat(QImage::Format_RGB32);
    b = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class TestHighDensity : public QObject {
    Q_OBJECT
    testing::TarotRoad road;
    shell::frmMDI* mdi = nullptr;

    // The road to the set-up screen with the details typed, Celtic Cross and reversed cards chosen.
    tarot::frmTarot* openSetUp()
    {
        mdi = road.main();
        tarot::frmTarot* setUp = road.setUpForAda();
        if (!setUp || !testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), 0))
            return nullptr;
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkRev"), true);
        return setUp;
    }

    frmAuto* cardLayout() { return qobject_cast<frmAuto*>(platform::Forms::Peek(QStringLiteral("frmAuto"))); }

    // Each dealt card's place: at the size in points of a framed card on any screen, showing the card's
    // twin pixel for pixel, upright, upside down or across as it was dealt.
    void checkDealtCards()
    {
        frmAuto* w = cardLayout();
        QVERIFY(w);
        const tarot::TarotState& s = tarot::State();
        const std::vector<std::int32_t>& cards = s.DrawnCards.items();
        const std::vector<std::int32_t>& reversed = s.ReversedCards.items();
        // An automatic deal's list ends in a spare slot.
        QVERIFY(cards.size() >= 10);
        QVERIFY2(!reversed.empty(), "the scripted deal turns some cards");
        const QSize upright(tarot::frmAuto::PlaceholderPicture().deviceIndependentSize().toSize() + QSize(2, 2));
        QCOMPARE(upright, QSize(146, 252));
        for (int i = 0; i < 10; ++i) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(w, "p", i);
            const bool across = tarot::IsCrossingCard(0, i);
            const bool turned = !across && std::find(reversed.begin(), reversed.end(), cards[i]) != reversed.end();
            const QString where = QStringLiteral("place %1, card %2").arg(i).arg(cards[i]);
            QVERIFY2(place->isVisible(), qPrintable(where));
            QCOMPARE(place->size(), across ? upright.transposed() : upright);
            QImage shown = place->shown().toImage();
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            QCOMPARE(shown.size(), place->size() * 2);
            if (across)
                shown = shown.transformed(QTransform().rotate(-90));
            else if (turned)
                shown = shown.mirrored(true, true);
            const QImage twin(platform::TwinFile(
                QStringLiteral("%1/cards/%2%3.jpg").arg(kProgramDir, s.DeckLetter).arg(cards[i])));
            QCOMPARE(twin.size(), QSize(288, 500));
            const double off = Difference(shown.copy(2, 2, 288, 500), twin);
            QVERIFY2(off < 6, qPrintable(where + QStringLiteral(" differs from its twin by %1").arg(off)));
        }
    }

private slots:
    void init()
    {
        road.start();
        tarot::RegisterTarotForms();
        platform::setAppPath(kProgramDir);
        seams().scheduler->immediate = false;
    }

    void cleanup()
    {
        seams().scheduler->runPending();
        road.finish();
    }

    void theScreenIsDense()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QCOMPARE(platform::PictureDensity(), 2);
    }

    // AutoCast: ten cards, every other one reversed, the crossing card across.
    void cardsOfAnAutoCast()
    {
        tarot::frmTarot* setUp = openSetUp();
        QVERIFY(setUp);
        // The spread picture of the set-up screen, in points as on any screen.
        QCOMPARE(testing::control<platform::PictureBox>(setUp, "pctCard")->picture().devicePixelRatio(), 2.0);
        QCOMPARE(testing::control<platform::PictureBox>(setUp, "pctCard")->picture().deviceIndependentSize(),
                 QSizeF(256, 320));
        QList<double> values;
        for (int k = 0; k < 10; ++k)
            values << (7 * k + 3.5) / 78.0;
        for (int k = 0; k < 10; ++k)
            values << (k % 2 ? 0.1 : 0.9);
        seams().random->enqueue(values);
        testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));
        seams().scheduler->runPending();
        checkDealtCards();
    }

    // By hand: the spread picture and the backs, then the same cards once dealt.
    void cardsDealtByHand()
    {
        tarot::frmTarot* setUp = openSetUp();
        QVERIFY(setUp);
        testing::click(testing::control<QPushButton>(setUp, "cmdManual"));
        frmTarotManual* w = platform::Forms::Peek<frmTarotManual>();
        QVERIFY(w);
        QCOMPARE(testing::control<platform::PictureBox>(w, "picManual")->picture().devicePixelRatio(), 2.0);
        for (int i : {0, 1, 77}) {
            const QPixmap back = testing::control<platform::Clickable>(w, "p", i)->picture();
            QCOMPARE(back.devicePixelRatio(), 2.0);
            QCOMPARE(back.deviceIndependentSize().toSize(), testing::control<platform::Clickable>(w, "p", i)->size());
        }
        QList<double> values;
        for (int k = 0; k < 10; ++k)
            values << (7 * k + 3.5) / 78.0 << (k % 2 ? 0.2 : 0.1);
        seams().random->enqueue(values);
        for (int i = 0; i < 10; ++i)
            testing::click(testing::control<platform::Clickable>(w, "p", i));
        seams().scheduler->runPending();
        checkDealtCards();
    }

    // Every picture the windows read, from the program itself and from its picture folders, at twice the
    // pixels and its own size in points; the pointer alone keeps its one picture, the window system sizing
    // pointers itself.
    void windowPictures()
    {
        QFile manifest(kProgramDir + QStringLiteral("/picture-manifest.txt"));
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        int read = 0;
        QStringList seen;
        for (const QByteArray& line : manifest.readAll().split('\n')) {
            const QString name = QString::fromUtf8(line.split('\t').value(0));
            if (name.isEmpty() || name.startsWith(QLatin1Char('#')) || name == QLatin1String("-") ||
                seen.contains(name))
                continue;
            seen << name;
            const bool compiledIn = name.startsWith(QLatin1String(":/pictures/"));
            const QString file = compiledIn ? name : kProgramDir + QLatin1Char('/') + name;
            const QSize size = QImage(file).size();
            const QPixmap picture =
                compiledIn ? platform::BuiltInPicture(file, QSize()) : platform::FolderPicture(name, QSize());
            const bool pointer = file.contains(QLatin1String("cursor"));
            QVERIFY2(picture.devicePixelRatio() == (pointer ? 1.0 : 2.0), qPrintable(file));
            QVERIFY2(picture.deviceIndependentSize().toSize() == size, qPrintable(file));
            ++read;
        }
        QVERIFY(read > 300);

        // The tarot tool's title and the querent screen's picture, as shown.
        tarot::frmTarotOpen* entry = road.entry();
        QVERIFY(entry);
        QCOMPARE(testing::control<platform::PictureBox>(entry, "Image1")->picture().devicePixelRatio(), 2.0);
        QCOMPARE(testing::control<platform::PictureBox>(entry, "Image1")->picture().deviceIndependentSize(),
                 QSizeF(500, 334));
    }

    // The list of all runes shows each stone at its size in points, from its twin.
    void runeListPictures()
    {
        runes::RegisterRunesForms();
        mdi = road.main();
        auto* list = platform::Forms::Get<runes::frmRunesReadingAll>();
        QVERIFY(list);
        int pictures = 0;
        QTextDocument* document = testing::control<platform::RichTextBox>(list, "RichTextBox1")->document();
        for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                    QCOMPARE(QSizeF(f.width(), f.height()), QSizeF(113, 151));
                    const QImage shown = document->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
                    QCOMPARE(shown.size(), QSize(226, 302));
                    ++pictures;
                }
        QCOMPARE(pictures, 125);
    }

    // A folder of one's own card pictures has no twins, or twins of other sizes: the pictures show as
    // they are, at the size any screen shows them.
    void picturesWithoutFittingTwins()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QDir dir(folder.path());
        QVERIFY(dir.mkpath(QStringLiteral("cards")) && dir.mkpath(QStringLiteral("pic")));
        const testing::CardFixture fixture(144);
        for (int n = 0; n < 78; ++n)
            QVERIFY(fixture.card(n).save(dir.filePath(QStringLiteral("cards/o%1.jpg").arg(n)), "JPG", 95));
        // An old twin of another size beside card 3.
        QVERIFY(fixture.card(3).scaled(100, 100).save(dir.filePath(QStringLiteral("cards/o3@2x.jpg")), "JPG"));
        QImage spread(40, 50, QImage::Format_RGB32);
        spread.fill(Qt::darkGreen);
        QVERIFY(spread.save(dir.filePath(QStringLiteral("pic/c0.jpg")), "JPG"));
        platform::setAppPath(folder.path());

        tarot::frmTarot* setUp = openSetUp();
        QVERIFY(setUp);
        QCOMPARE(testing::control<platform::PictureBox>(setUp, "pctCard")->picture().devicePixelRatio(), 1.0);
        QCOMPARE(testing::control<platform::PictureBox>(setUp, "pctCard")->picture().size(), QSize(40, 50));
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkRev"), false);
        // Cards 3, 4, 5 ... in order.
        QList<double> values;
        for (int k = 0; k < 10; ++k)
            values << (3 + k + 0.5) / 78.0;
        seams().random->enqueue(values);
        testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));
        seams().scheduler->runPending();
        frmAuto* w = cardLayout();
        QVERIFY(w);
        QCOMPARE(tarot::State().DrawnCards.items().front(), 3);
        for (int i : {0, 2, 3}) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(w, "p", i);
            QCOMPARE(place->picture().devicePixelRatio(), 1.0);
            QCOMPARE(place->size(), QSize(146, 252));
            QCOMPARE(fixture.seenOn(place), (testing::Seen{3 + i, testing::Facing::Upright}));
        }
    }
};

SELVANTHE_TEST_MAIN(TestHighDensity)
#include "tst_highdensity.moc"
