#include "runictarot/UrlDetect.h"

#include "platform/Services.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace runictarot {

namespace {

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
