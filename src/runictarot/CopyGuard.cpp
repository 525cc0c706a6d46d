#include "runictarot/CopyGuard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>

#include <memory>

namespace runictarot {

namespace {

QString markFormat() { return QString::fromLatin1(kCopyMarkFormat); }

bool holdsMark(QClipboard::Mode mode)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    return data && data->hasFormat(markFormat());
}

QList<QClipboard::Mode> clipboardModes()
{
    QList<QClipboard::Mode> modes{QClipboard::Clipboard};
    if (QGuiApplication::clipboard()->supportsSelection())
        modes << QClipboard::Selection;
    return modes;
}

class MouseEvents final : public QObject {
public:
    MouseEvents(QObject* parent, GuardHandlers handlers) : QObject(parent), h_(std::move(handlers)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* viewport = qobject_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            pressed_ = true;
            call(h_.mouseDown);
            break;
        case QEvent::MouseMove: call(h_.mouseMove); break;
        case QEvent::MouseButtonRelease: {
            call(h_.mouseUp);
            const auto* e = static_cast<QMouseEvent*>(event);
            // A click is a press and a release over the box.
            if (pressed_ && viewport && viewport->rect().contains(e->position().toPoint()))
                call(h_.click);
            pressed_ = false;
            break;
        }
        default: break;
        }
        return false;
    }

private:
    static void call(const std::function<void()>& f)
    {
        if (f)
            f();
    }
    GuardHandlers h_;
    bool pressed_ = false;
};

} // namespace

GuardedTextBox::GuardedTextBox(QWidget* parent) : RichTextBox(parent)
{
    setReadOnly(true);
    viewport()->setMouseTracking(true);
}

QMimeData* GuardedTextBox::createMimeDataFromSelection() const
{
    // The box's own data lists only some of its formats until it is read, and would hide the mark, so
    // its contents are copied into plain data first.
    const std::unique_ptr<QMimeData> own(RichTextBox::createMimeDataFromSelection());
    auto* data = new QMimeData;
    if (own)
        for (const QString& format : own->formats())
            data->setData(format, own->data(format));
    data->setData(markFormat(), QByteArrayLiteral("1"));
    return data;
}

bool clipboardHoldsGuardedCopy()
{
    for (QClipboard::Mode mode : clipboardModes())
        if (holdsMark(mode))
            return true;
    return false;
}

void clearGuardedCopy()
{
    for (QClipboard::Mode mode : clipboardModes())
        if (holdsMark(mode))
            QGuiApplication::clipboard()->clear(mode);
}

void connectGuardHandlers(GuardedTextBox* box, GuardHandlers handlers)
{
    if (handlers.change)
        QObject::connect(box, &QTextEdit::textChanged, box, handlers.change);
    box->viewport()->installEventFilter(new MouseEvents(box, std::move(handlers)));
}

} // namespace runictarot
