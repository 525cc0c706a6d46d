// The codec of saved files and of the stored setting.

#include "shell/Codec.h"

#include <QTest>

using namespace shell;

class TestCodec : public QObject {
    Q_OBJECT
private slots:
    void encodes_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("abc") << QStringLiteral("abc") << QByteArray("\xB6\xB7\xB8");
        QTest::newRow("duration key") << QStringLiteral("Duration") << QByteArray("\x99\xCA\xC7\xB6\xC9\xBE\xC4\xC3");
        QTest::newRow("accent dropped") << QStringLiteral("caf\u00e9") << QByteArray("\xB8\xB6\xBB");
        QTest::newRow("euro sign") << QStringLiteral("\u20ac") << QByteArray("\xD5");
        QTest::newRow("deck line") << QStringLiteral("do") << QByteArray("\xB9\xC4");
        QTest::newRow("card line") << QStringLiteral("c12") << QByteArray("\xB8\x86\x87");
    }
    void encodes()
    {
        QFETCH(QString, plain);
        QFETCH(QByteArray, encoded);
        QCOMPARE(EncodeString(toAnsi(plain)), encoded);
    }

    void decodeDropsLowBytesAndRoundTrips()
    {
        QCOMPARE(DecodeString("12"), QByteArray());
        QByteArray all;
        for (int c = 0; c <= 170; ++c)
            all.append(static_cast<char>(c));
        QCOMPARE(DecodeString(EncodeString(all)), all);
        QCOMPARE(EncodeString(QByteArray(1, char(170))), QByteArray(1, char(0xFF)));
        QCOMPARE(EncodeString(QByteArray(1, char(171))), QByteArray());
        const QString date = QStringLiteral("12/8/2009 7:30:15 PM");
        QCOMPARE(fromAnsi(DecodeString(EncodeString(toAnsi(date)))), date);
    }

    void codePageConversionsNeverInventCharacters()
    {
        bool ok = true;
        QCOMPARE(toAnsi(QStringLiteral("a\u4e2db"), &ok), QByteArray("ab"));
        QVERIFY(!ok);
        // The bytes the page leaves undefined still come back as themselves.
        for (char b : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
            QCOMPARE(toAnsi(fromAnsi(QByteArray(1, b)), &ok), QByteArray(1, b));
        QCOMPARE(fromAnsi("\x80\x99"), QStringLiteral("\u20ac\u2122"));
    }

    void storedFormatTellsWhatSurvives()
    {
        QVERIFY(fitsStoredFormat(QStringLiteral("Celtic Cross")));
        QVERIFY(fitsStoredFormat(QStringLiteral("\u20ac")));       // 128
        QVERIFY(!fitsStoredFormat(QStringLiteral("Jos\u00e9")));   // 233
        QVERIFY(!fitsStoredFormat(QStringLiteral("\u4e2d")));      // not in the page
    }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
