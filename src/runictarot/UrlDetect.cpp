#include "runictarot/UrlDetect.h"

#include "platform/Services.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QUrl>

namespace runictarot {

namespace {

// An address starts at a scheme or "www." that is not itself part of a longer word or address, so the
// "www." inside "ftp://www..." or "file:///www..." is not taken for a link of its own.
const QRegularExpression& linkPattern()
{
    static const QRegularExpression re(QStringLiteral(R"((?<![\w.@/:\-])(?:https?://|mailto:|www\.)[^\s<>"]+)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

bool closesSentence(QChar c)
{
    return QStringView(u".,;:!?'\")]}").contains(c);
}

// Underlines the links without touching the document: the format lives in the layout only, so the text,
// its formats and its change notifications stay what the box's owner made them.
class LinkHighlighter final : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override
    {
        // Laid over the text's own format, this changes the underline and nothing else.
        QTextCharFormat underlined;
        underlined.setFontUnderline(true);
        for (const LinkSpan& span : findLinks(text))
            setFormat(span.start, span.length, underlined);
    }
};

class Detector final : public QObject {
public:
    // Not a child of the box: it may outlive the box's parts while the box is taken apart.
    explicit Detector(QTextEdit* box) : box_(box), viewport_(box->viewport())
    {
        highlighter_ = new LinkHighlighter(box->document());
        viewport_->setMouseTracking(true);
        viewport_->installEventFilter(this);
        connect(box, &QObject::destroyed, this, &QObject::deleteLater);
    }

    ~Detector() override
    {
        if (viewport_) {
            viewport_->removeEventFilter(this);
            viewport_->unsetCursor();
        }
        delete highlighter_.data();  // takes its underlining away with it
    }

    QTextEdit* box() const { return box_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Only the pointer matters here; other events (a box being taken down among them) pass before the
        // box is looked at, since it may be half destroyed by then.
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
            return false;
        if (!box_ || !viewport_)
            return false;
        if (type == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::LeftButton)
                openLinkAt(e->position());
        } else if (event->type() == QEvent::MouseMove) {
            const auto* e = static_cast<QMouseEvent*>(event);
            if (linkAt(e->position()))
                viewport_->setCursor(Qt::PointingHandCursor);
            else
                viewport_->setCursor(Qt::IBeamCursor);
        }
        // The box handles every event as it would without links: a press still places the caret.
        return false;
    }

private:
    // The link's text under a point of the viewport, if there is one.
    std::optional<QString> linkAt(QPointF viewportPoint) const
    {
        QTextDocument* doc = box_->document();
        const QPointF p = viewportPoint + QPointF(box_->horizontalScrollBar()->value(),
                                                  box_->verticalScrollBar()->value());
        // Exact: right of a line's end is no character at all.
        const int hit = doc->documentLayout()->hitTest(p, Qt::ExactHit);
        if (hit < 0)
            return std::nullopt;
        const QTextBlock block = doc->findBlock(hit);
        const QTextLayout* layout = block.layout();
        if (!block.isValid() || !layout)
            return std::nullopt;
        const QPointF local = p - layout->position();
        int character = -1;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (local.y() < line.y() || local.y() >= line.y() + line.height())
                continue;
            if (local.x() < line.x() || local.x() >= line.x() + line.naturalTextWidth())
                return std::nullopt;
            character = line.xToCursor(local.x(), QTextLine::CursorOnCharacter);
            break;
        }
        const QString text = block.text();
        if (character < 0 || character >= text.size())
            return std::nullopt;
        for (const LinkSpan& span : findLinks(text))
            if (character >= span.start && character < span.start + span.length)
                return text.mid(span.start, span.length);
        return std::nullopt;
    }

    void openLinkAt(QPointF viewportPoint) const
    {
        const std::optional<QString> link = linkAt(viewportPoint);
        if (!link)
            return;
        if (const std::optional<QString> target = linkTarget(*link))
            platform::ShellOpen(*target);
    }

    QPointer<QTextEdit> box_;
    QPointer<QWidget> viewport_;
    QPointer<QSyntaxHighlighter> highlighter_;
};

QPointer<Detector>& current()
{
    static QPointer<Detector> d;
    return d;
}

} // namespace

QList<LinkSpan> findLinks(QStringView line)
{
    QList<LinkSpan> out;
    QRegularExpressionMatchIterator it = linkPattern().globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        int length = static_cast<int>(m.capturedLength());
        const int start = static_cast<int>(m.capturedStart());
        while (length > 0 && closesSentence(line[start + length - 1]))
            --length;
        // "www." with nothing after it, or a bare scheme, is no address.
        const QStringView text = line.sliced(start, length);
        if (text.endsWith(u"://") || text.compare(u"mailto:", Qt::CaseInsensitive) == 0 ||
            text.compare(u"www.", Qt::CaseInsensitive) == 0)
            continue;
        out.append({start, length});
    }
    return out;
}

std::optional<QString> linkTarget(QStringView linkText)
{
    if (linkText.isEmpty() || linkText.size() > MaxLinkLength)
        return std::nullopt;
    QString address = linkText.toString();
    if (address.startsWith(u"www.", Qt::CaseInsensitive))
        address.prepend(QStringLiteral("http://"));
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https") && scheme != QLatin1String("mailto")))
        return std::nullopt;
    if (scheme != QLatin1String("mailto") && url.host().isEmpty())
        return std::nullopt;
    return QString::fromLatin1(url.toEncoded());
}

void EnableUrlDetect(QTextEdit* box)
{
    if (!box)
        return;
    if (current() && current()->box() == box)
        return;
    DisableUrlDetect();
    current() = new Detector(box);
}

void DisableUrlDetect()
{
    delete current().data();
    current() = nullptr;
}

QTextEdit* UrlDetectBox() { return current() ? current()->box() : nullptr; }

} // namespace runictarot
