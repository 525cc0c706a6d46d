#include "runictarot/CopyGuard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <array>

namespace runictarot {

namespace {

// What the guarded boxes put on the clipboard, learnt from their own copies and the clipboard's change
// signals, never by reading the clipboard: reading it asks the program that owns it, and one that does
// not answer would freeze the window for seconds on every mouse move.
class Tracker final : public QObject {
public:
    explicit Tracker(QClipboard* clipboard) : QObject(clipboard)
    {
        connect(clipboard, &QClipboard::changed, this, &Tracker::changed);
    }

    // Made by a guarded box and not yet seen on a clipboard (it may be meant for a drag instead).
    QPointer<QMimeData> fresh;
    // Ours on the clipboard and on the selection clipboard. The clipboard deletes what it holds when
    // anything else takes its place, this program's or another's, and the pointer then reads null.
    std::array<QPointer<QMimeData>, 2> placed;

private:
    void changed(QClipboard::Mode mode)
    {
        if (mode != QClipboard::Clipboard && mode != QClipboard::Selection)
            return;
        // Which object stands there, not what it holds: the object of another program's content asks
        // that program nothing until its formats are read.
        const QMimeData* now = QGuiApplication::clipboard()->mimeData(mode);
        QPointer<QMimeData>& slot = placed[static_cast<size_t>(mode)];
        if (fresh && now == fresh.data()) {
            slot = fresh;
            fresh = nullptr;
        } else if (slot && now != slot.data()) {
            slot = nullptr;
        }
    }
};

Tracker& tracker()
{
    static QPointer<Tracker> t;
    if (!t)
        t = new Tracker(QGuiApplication::clipboard());
    return *t;
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
    tracker();  // listening before the first copy
}

QMimeData* GuardedTextBox::createMimeDataFromSelection() const
{
    QMimeData* data = RichTextBox::createMimeDataFromSelection();
    tracker().fresh = data;
    return data;
}

bool clipboardHoldsGuardedCopy()
{
    const Tracker& t = tracker();
    return std::any_of(t.placed.begin(), t.placed.end(), [](const QPointer<QMimeData>& p) { return !p.isNull(); });
}

void clearGuardedCopy()
{
    Tracker& t = tracker();
    for (QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection})
        if (t.placed[static_cast<size_t>(mode)])
            QGuiApplication::clipboard()->clear(mode);
}

void connectGuardHandlers(GuardedTextBox* box, GuardHandlers handlers)
{
    if (handlers.change)
        QObject::connect(box, &QTextEdit::textChanged, box, handlers.change);
    box->viewport()->installEventFilter(new MouseEvents(box, std::move(handlers)));
}

} // namespace runictarot
