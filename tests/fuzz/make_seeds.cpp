// Writes the seed corpora of the fuzz targets, each input made by the program's own writers:
//   make_fuzz_seeds <folder>      (normally tests/fuzz/corpus)
// One folder per target, each input named by the SHA-1 of its bytes, as libFuzzer names them.
#include "runictarot/DetailsFile.h"
#include "runictarot/Links.h"
#include "runictarot/RunicTarotTexts.h"
#include "runictarot/SunSign.h"
#include "shell/Codec.h"
#include "shell/modHelp.h"
#include "shell/modTellAFriend.h"
#include "tarot/ReadingFile.h"
#include "tarot/SpreadCatalogue.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

QString g_root;

bool write(const char* target, const QByteArray& bytes)
{
    const QString folder = QDir(g_root).filePath(QString::fromLatin1(target));
    QDir().mkpath(folder);
    const QString name = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The file's bytes with lines the reader passes over added at the end, until the file holds exactly the
// given number of bytes: an input at a reader's cap, or just past it.
QByteArray paddedTo(QByteArray bytes, qsizetype size)
{
    const QByteArray end = "\r\n";
    while (bytes.size() < size) {
        // A line of "x", which no reader takes for a value of its own, encoded as the files are.
        const qsizetype room = size - bytes.size() - end.size();
        const qsizetype take = qMin<qsizetype>(room, 1000);
        bytes += shell::EncodeString(QByteArray(qMax<qsizetype>(take, 0), 'x')) + end;
    }
    bytes.truncate(size);
    return bytes;
}

QByteArray utf16(const QString& text)
{
    return QByteArray(1, '\1') + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    // Saved readings: every spread, both decks, with and without reversed cards.
    for (int spread = 0; spread < tarot::catalogue::SpreadCount; ++spread) {
        tarot::ShownReading r;
        r.complete = true;
        r.spreadName = tarot::catalogue::SpreadText(spread);
        r.deckLetter = spread % 2 ? QStringLiteral("m") : QStringLiteral("o");
        for (int i = 0; i < tarot::catalogue::SpreadCards(spread); ++i)
            r.cards << (i * 7 + spread) % 78;
        if (spread % 3 == 0)
            r.reversed = {r.cards.constFirst(), r.cards.constLast()};
        const QByteArray bytes = tarot::ComposeReadingFile(r);
        ok &= write("reading_file", bytes);
        ok &= write("codec", bytes);
    }

    // A Celtic Cross with reversed cards, at the reader's cap and one byte past it.
    {
        tarot::ShownReading r;
        r.complete = true;
        r.spreadName = QStringLiteral("Celtic Cross");
        r.deckLetter = QStringLiteral("m");
        r.cards = {0, 11, 22, 33, 44, 55, 66, 77, 5, 9};
        r.reversed = {11, 66};
        for (qint64 size : {tarot::kMaxReadingFileSize, tarot::kMaxReadingFileSize + 1}) {
            const QByteArray bytes = paddedTo(tarot::ComposeReadingFile(r), size);
            // The one at the cap opens, the other not.
            ok &= tarot::ParseReadingFile(bytes, QString(), QString()).has_value() == (size == tarot::kMaxReadingFileSize);
            ok &= write("reading_file", bytes);
        }
    }

    // Details files: the worked example, the ends of the lists, an empty and the longest name.
    const QList<runictarot::BirthDetails> details = {
        {QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990},
        {QString(), 1, QStringLiteral("January"), runictarot::FirstBirthYear},
        {QString(runictarot::MaxNameLength, QLatin1Char('A')), 31, QStringLiteral("December"), runictarot::LastBirthYear},
        {QStringLiteral("MARY ANN LEE"), 29, QStringLiteral("February"), 2000},
        {QStringLiteral("JO"), 21, QStringLiteral("March"), 1977},
    };
    for (const runictarot::BirthDetails& d : details)
        if (const std::optional<QByteArray> bytes = runictarot::composeDetailsFile(d))
            ok &= write("details_file", *bytes);

    // The longest name, at the reader's cap and one byte past it (lines after the fourth are passed over).
    if (const std::optional<QByteArray> longest = runictarot::composeDetailsFile(
            {QString(runictarot::MaxNameLength, QLatin1Char('Z')), 30, QStringLiteral("June"), 1966})) {
        for (qint64 size : {runictarot::MaxDetailsFileSize, runictarot::MaxDetailsFileSize + 1}) {
            const QByteArray bytes = paddedTo(*longest, size);
            ok &= runictarot::parseDetailsFile(bytes).has_value() == (size == runictarot::MaxDetailsFileSize);
            ok &= write("details_file", bytes);
        }
    }

    // The stored date of the update question, as the reminder stores it.
    for (const QDateTime& when : {QDateTime(QDate(2026, 12, 10), QTime(10, 0)), QDateTime(QDate(2009, 8, 12), QTime(19, 30, 15)),
                                  QDateTime(QDate(2050, 1, 1), QTime(0, 0))}) {
        const QByteArray value = shell::StoredUpdateDateValue(when);
        ok &= write("update_date", value);
        ok &= write("codec", value);
    }

    // The report's own lines with their addresses, as UTF-8 and as UTF-16.
    for (const QString& line : {runictarot::ReportSiteLine(), runictarot::ForumAdvert(), runictarot::ForumTagline(),
                                runictarot::VisitSiteCaption(), runictarot::FullBrandOffer(), runictarot::CoBrandOffer(),
                                QStringLiteral("Write to mailto:help@selvanthe.example (or visit www.selvanthe.example).")}) {
        ok &= write("links", QByteArray(1, '\0') + line.toUtf8());
        ok &= write("links", utf16(line));
    }

    // A link as long as one may be, and one a character longer.
    for (int length : {runictarot::MaxLinkLength, runictarot::MaxLinkLength + 1}) {
        QString link = QStringLiteral("https://www.selvanthe.example/");
        link += QString(length - link.size(), QLatin1Char('a'));
        ok &= write("links", QByteArray(1, '\0') + (QStringLiteral("See ") + link + QStringLiteral(" now.")).toUtf8());
    }

    // The referral form's entries: its placeholders, and entries as a user types them.
    ok &= write("referral", QByteArray("Your Name\0Your Email Address\0Your Message\r\n\0Friend's Name\0"
                                       "Friend's Email Address", 80));
    ok &= write("referral", QByteArray("Ann Lee\0ann@example.org\0Try this & see = 100%!\0Bo\0bo+tag@example.org", 68));
    // Every entry as long as the request takes, each character four bytes in UTF-8.
    {
        auto longest = [](int characters, const QString& ending = {}) {
            QString text;
            for (int i = 0; i < characters - ending.size(); ++i)
                text += QStringLiteral("\U0001F600");
            return (text + ending).toUtf8();
        };
        ok &= write("referral", longest(shell::kLongestReferralName) + '\0' +
                                    longest(shell::kLongestReferralEmail, QStringLiteral("@example.org")) + '\0' +
                                    longest(shell::kLongestReferralMessage) + '\0' +
                                    longest(shell::kLongestReferralName) + '\0' +
                                    longest(shell::kLongestReferralEmail, QStringLiteral("@example.net")));
    }
    return ok ? 0 : 1;
}
