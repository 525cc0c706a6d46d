#include "runes/RunesWidgets.h"

#include "platform/Forms.h"
#include "platform/ImageList.h"
#include "platform/PictureFolders.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/frmMDI.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace runes {

namespace {

const QString kHandPicture = QStringLiteral("cursor/hand.png");

class UserCloseFilter : public QObject {
public:
    UserCloseFilter(platform::Form* form, std::function<void()> handler)
        : QObject(form), form_(form), handler_(std::move(handler))
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        if (form_ && !form_->isUnloading() && handler_)
            handler_();
        return true;
    }

private:
    QPointer<platform::Form> form_;
    std::function<void()> handler_;
};

} // namespace

QCursor HandCursor()
{
    const QString file = platform::PictureFile(kHandPicture);
    if (!QFile::exists(file))
        return QCursor(Qt::PointingHandCursor);
    return QCursor(platform::BuiltInPicture(file, QSize(32, 32)), 13, 1);
}

void SetOuterSizeTw(platform::Form* form, double width, double height)
{
    const QWidget* frame = form->frame();
    const double extraWidth = platform::tw(frame->width() - form->width());
    const double extraHeight = platform::tw(frame->height() - form->height());
    form->SetClientSizeTw(qMax(0.0, width - extraWidth), qMax(0.0, height - extraHeight));
}

void FillWorkArea(platform::Form* form)
{
    form->Move(0, 0);
    shell::frmMDI* mdi = shell::MDI();
    if (!mdi)
        return;
    // The work area's size as the side panel beside it leaves it (ScaleWidth settles the layouts first).
    SetOuterSizeTw(form, mdi->ScaleWidth(), mdi->ScaleHeight());
}

QColor ResolveColour(quint32 colour)
{
    if ((colour & SystemColourFlag) == 0)
        return platform::bgr(colour);
    // The one system colour the tables name, 17, is the desktop's colour of disabled (grey) text, not
    // whatever a control has made of its own palette.
    return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
}

MouseRelay::MouseRelay(QWidget* control, std::function<void()> onMove) : QObject(control), onMove_(std::move(onMove))
{
    control->installEventFilter(this);
    control->setMouseTracking(true);
}

bool MouseRelay::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::MouseMove || !onMove_)
        return false;
    onMove_();
    return true;
}

void OnUserClose(platform::Form* form, std::function<void()> handler)
{
    if (!form)
        return;
    // Installed after the registry's own closer, so it is asked first.
    if (QMdiSubWindow* sub = form->subWindow())
        sub->installEventFilter(new UserCloseFilter(form, std::move(handler)));
}

void AppendPieces(QTextEdit* box, const QList<TextPiece>& pieces, const QString& family, double pointSize)
{
    if (!box)
        return;
    QTextCursor c(box->document());
    c.movePosition(QTextCursor::End);
    QTextBlockFormat paragraph = box->document()->firstBlock().blockFormat();
    paragraph.clearProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
    paragraph.clearBackground();
    c.beginEditBlock();
    for (const TextPiece& piece : pieces) {
        QTextCharFormat f;
        if (!family.isEmpty())
            f.setFontFamilies({family});
        const double size = piece.pointSize > 0 ? piece.pointSize : pointSize;
        if (size > 0)
            f.setFontPointSize(size);
        f.setFontWeight(piece.bold ? QFont::Bold : QFont::Normal);
        f.setFontUnderline(piece.underline);
        if (piece.colour)
            f.setForeground(platform::bgr(*piece.colour));
        // A rule's blanks draw nothing and look the same unshaped; shaping them cost more than the text.
        if (piece.rule)
            f.setFontStyleStrategy(QFont::PreferNoShaping);
        const QStringList lines = platform::RichTextBox::toDocumentText(piece.text).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                c.insertBlock(paragraph, f);
            if (lines[i].isEmpty())
                continue;
            c.insertText(lines[i], f);
            if (piece.rule && i == 0) {
                // Underlined blanks draw nothing at a line's end, so the rule's paragraph draws the line,
                // in the colour its underline has: the toolkit draws a rule in the colour of its
                // paragraph's background brush, which paints nothing else on a ruled paragraph.
                QTextBlockFormat ruled = c.blockFormat();
                ruled.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                                  QTextLength(QTextLength::PercentageLength, 100));
                ruled.setBackground(piece.colour ? platform::bgr(*piece.colour) : box->palette().color(QPalette::Text));
                c.setBlockFormat(ruled);
            }
        }
    }
    c.endEditBlock();
    box->setTextCursor(c);
}

} // namespace runes
