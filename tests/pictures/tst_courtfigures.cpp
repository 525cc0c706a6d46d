// The court cards as the generator draws them: each court carries its suit's sign, and nothing of that
// sign lies over the figure's face. Each card is drawn twice, as it is and without its sign; where the
// two differ over the face, the sign covers it.
#include "Pictures.h"
#include "tarot/CardTable.h"

#include <QGuiApplication>
#include <QImage>
#include <QtTest>

using picturegen::CourtFigure;
using picturegen::Deck;

namespace {

constexpr int FirstCourt = 61, LastCourt = 76;

} // namespace

class TestCourtFigures : public QObject {
    Q_OBJECT

private slots:
    void signLeavesTheFaceClear_data();
    void signLeavesTheFaceClear();
};

void TestCourtFigures::signLeavesTheFaceClear_data()
{
    QTest::addColumn<int>("deck");
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("scale");
    for (int deck : {0, 1})
        for (int n = FirstCourt; n <= LastCourt; ++n)
            for (int scale : {1, 2})
                QTest::addRow("%s %s %dx", deck == 0 ? "o" : "m", qPrintable(tarot::CardTitle(n)), scale)
                    << deck << n << scale;
}

void TestCourtFigures::signLeavesTheFaceClear()
{
    QFETCH(int, deck);
    QFETCH(int, card);
    QFETCH(int, scale);
    const Deck d = deck == 0 ? Deck::Orlund : Deck::Marseilles;
    CourtFigure figure;
    const QImage drawn =
        picturegen::DrawCardFace(d, card, picturegen::CardWidth, picturegen::CardHeight, scale, &figure);
    CourtFigure bare;
    bare.withoutSign = true;
    const QImage withoutSign =
        picturegen::DrawCardFace(d, card, picturegen::CardWidth, picturegen::CardHeight, scale, &bare);
    QCOMPARE(drawn.size(), QSize(picturegen::CardWidth * scale, picturegen::CardHeight * scale));
    QCOMPARE(withoutSign.size(), drawn.size());

    // The face is a face's size, on the card, and the same with the sign or without.
    const QRect faceBounds = figure.head.boundingRect().toAlignedRect();
    QVERIFY2(faceBounds.width() >= 8 * scale && faceBounds.height() >= 10 * scale,
             qPrintable(QStringLiteral("face %1x%2").arg(faceBounds.width()).arg(faceBounds.height())));
    QVERIFY(drawn.rect().contains(faceBounds));
    QCOMPARE(bare.head.boundingRect(), figure.head.boundingRect());

    // The sign is there to be seen, away from the face.
    int signPixels = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            signPixels += drawn.pixel(x, y) != withoutSign.pixel(x, y);
    QVERIFY2(signPixels >= 100 * scale * scale, qPrintable(QStringLiteral("%1 pixels of sign").arg(signPixels)));

    // Over every pixel wholly within the face, the card is as it is without its sign.
    QRect covered;
    int coveredPixels = 0;
    for (int y = faceBounds.top(); y <= faceBounds.bottom(); ++y)
        for (int x = faceBounds.left(); x <= faceBounds.right(); ++x)
            if (figure.head.contains(QRectF(x, y, 1, 1)) && drawn.pixel(x, y) != withoutSign.pixel(x, y)) {
                covered |= QRect(x, y, 1, 1);
                ++coveredPixels;
            }
    QVERIFY2(coveredPixels == 0, qPrintable(QStringLiteral("the sign covers %1 pixels of the face, within %2,%3 %4x%5")
                                                .arg(coveredPixels)
                                                .arg(covered.x())
                                                .arg(covered.y())
                                                .arg(covered.width())
                                                .arg(covered.height())));
}

QTEST_MAIN(TestCourtFigures)
#include "tst_courtfigures.moc"
