#include "platform/RichTextBox.h"

#include <QResizeEvent>
#include <QScrollBar>

#include "platform/Twips.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace platform {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    // Tab and Shift+Tab move on to the next control, as from every box of the program.
    setTabChangesFocus(true);
    // A paragraph is drawn from the glyphs its layout found, and Qt drops them once it is laid out: it
    // then shaped every line again each time it was painted or scrolled into view, a third of painting
    // a reading. The paragraphs that change keep them; told before they are laid out, so the layout
    // itself keeps them.
    connect(document(), &QTextDocument::contentsChange, this, [this](int from, int, int added) {
        const QTextBlock last = document()->findBlock(from + added);
        for (QTextBlock b = document()->findBlock(from); b.isValid(); b = b.next()) {
            b.layout()->setCacheEnabled(true);
            if (b == last)
                break;
        }
    });
}

void RichTextBox::resizeEvent(QResizeEvent* event)
{
    // A box resized while hidden is told, when shown, its new size without the old one, and QTextEdit
    // then lays the whole text out again, even at the width it is already laid out at (a reading written
    // while its pane was hidden, some tens of thousands of characters). Told the width is the same, it
    // only sets its scroll bars.
    if (!event->oldSize().isValid() && lineWrapMode() == WidgetWidth &&
        document()->pageSize().width() == viewport()->width()) {
        QResizeEvent sameWidth(event->size(), event->size());
        QTextEdit::resizeEvent(&sameWidth);
        return;
    }
    QTextEdit::resizeEvent(event);
}

QString RichTextBox::toDocumentText(const QString& crlfText)
{
    QString s = crlfText;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString RichTextBox::fromDocumentText(const QString& documentText)
{
    QString s = documentText;
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    s.replace(QChar::LineSeparator, QLatin1Char('\n'));
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s;
}

QString RichTextBox::Text() const { return fromDocumentText(toPlainText()); }

void RichTextBox::SetText(const QString& text)
{
    setPlainText(toDocumentText(text));
    SetSelStart(TextLength());
}

void RichTextBox::ShowFromStart()
{
    SetSelStart(0);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

int RichTextBox::TextLength() const
{
    // The position of the end, counted without moving a cursor there, which would lay the last
    // paragraph out.
    return document()->characterCount() - 1;
}

int RichTextBox::SelStart() const { return textCursor().selectionStart(); }

void RichTextBox::SetSelStart(int position)
{
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, position, TextLength()));
    setTextCursor(c);
}

int RichTextBox::SelLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichTextBox::SetSelLength(int length)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(qBound(start, start + qMax(0, length), TextLength()), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextBox::SelText() const { return fromDocumentText(textCursor().selectedText()); }

void RichTextBox::SetSelText(const QString& text)
{
    QTextCursor c = textCursor();
    const QTextCharFormat format = currentCharFormat();
    InsertText(c, text, format);
    setTextCursor(c);
    setCurrentCharFormat(format);
}

void RichTextBox::InsertText(QTextCursor& cursor, const QString& crlfText, const QTextCharFormat& format)
{
    const QStringList lines = toDocumentText(crlfText).split(QLatin1Char('\n'));
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(cursor.blockFormat(), format);
        if (!lines[i].isEmpty())
            cursor.insertText(lines[i], format);
    }
    cursor.endEditBlock();
}

void RichTextBox::mergeFormat(const QTextCharFormat& format)
{
    QTextCursor c = textCursor();
    if (c.hasSelection())
        c.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::SelBold() const { return currentCharFormat().fontWeight() >= QFont::Bold; }
void RichTextBox::SetSelBold(bool on)
{
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeFormat(f);
}

bool RichTextBox::SelItalic() const { return currentCharFormat().fontItalic(); }
void RichTextBox::SetSelItalic(bool on)
{
    QTextCharFormat f;
    f.setFontItalic(on);
    mergeFormat(f);
}

bool RichTextBox::SelUnderline() const { return currentCharFormat().fontUnderline(); }
void RichTextBox::SetSelUnderline(bool on)
{
    QTextCharFormat f;
    f.setFontUnderline(on);
    mergeFormat(f);
}

int RichTextBox::SelAlignment() const
{
    const Qt::Alignment a = textCursor().blockFormat().alignment();
    if (a & Qt::AlignHCenter)
        return AlignCenter;
    if (a & Qt::AlignRight)
        return AlignRight;
    return AlignLeft;
}

void RichTextBox::SetSelAlignment(int alignment)
{
    QTextCursor c = textCursor();
    QTextBlockFormat b;
    b.setAlignment(ToQtAlignment(alignment));
    c.mergeBlockFormat(b);
    setTextCursor(c);
}

Qt::Alignment RichTextBox::ToQtAlignment(int alignment)
{
    return alignment == AlignCenter ? Qt::AlignHCenter : alignment == AlignRight ? Qt::AlignRight : Qt::AlignLeft;
}

QString RichTextBox::SelFontName() const
{
    const QStringList families = currentCharFormat().fontFamilies().toStringList();
    return families.isEmpty() ? font().family() : families.constFirst();
}

void RichTextBox::SetSelFontName(const QString& family)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    mergeFormat(f);
}

double RichTextBox::SelFontSize() const
{
    const double size = currentCharFormat().fontPointSize();
    return size > 0 ? size : font().pointSizeF();
}

void RichTextBox::SetSelFontSize(double points)
{
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeFormat(f);
}

QColor RichTextBox::SelColor() const
{
    const QBrush b = currentCharFormat().foreground();
    return b.style() == Qt::NoBrush ? palette().color(QPalette::Text) : b.color();
}

void RichTextBox::SetSelColor(const QColor& color)
{
    QTextCharFormat f;
    f.setForeground(color);
    mergeFormat(f);
}

double RichTextBox::SelIndent() const { return textCursor().blockFormat().leftMargin() * kTwipsPerPixel; }

void RichTextBox::SetSelIndent(double twips)
{
    QTextCursor c = textCursor();
    QTextBlockFormat b;
    b.setLeftMargin(twips / kTwipsPerPixel);
    c.mergeBlockFormat(b);
    setTextCursor(c);
}

void RichTextBox::InsertPicture(const QImage& picture)
{
    // Each picture gets a resource name of its own: a reused name would show the last picture everywhere.
    const QUrl name(QStringLiteral("selvanthe-picture://%1").arg(++pictureSerial_));
    document()->addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat f;
    f.setName(name.toString());
    // Its size in points: a picture with more pixels than points shows at the same size, sharper.
    f.setWidth(picture.deviceIndependentSize().width());
    f.setHeight(picture.deviceIndependentSize().height());
    QTextCursor c = textCursor();
    c.removeSelectedText();
    c.insertImage(f);
    setTextCursor(c);
}

} // namespace platform
