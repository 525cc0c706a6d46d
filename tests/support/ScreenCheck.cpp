#include "ScreenCheck.h"

#include "Seams.h"
#include "platform/Forms.h"
#include "shell/frmMDI.h"

#include <QPushButton>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <cmath>

namespace testing {

namespace {

QString rect(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString nameOf(const QWidget* w) { return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(); }

QRect global(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// Relative luminance as the contrast rules of the web define it.
double luminance(const QColor& c)
{
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QList<QSize> RealScreenSizes() { return {{1024, 768}, {1366, 768}, {1600, 1200}, {1920, 1080}}; }

QMargins WindowManagerFrame() { return QMargins(4, 28, 4, 4); }

void UseScreen(QSize size)
{
    seams().screen->width = size.width() * 15.0;
    seams().screen->height = size.height() * 15.0;
    seams().screen->available = QRect(QPoint(0, 0), size);
    seams().screen->frame = WindowManagerFrame();
}

QStringList MainWindowFaults(const shell::frmMDI* mdi)
{
    QStringList faults;
    const QRect available = seams().screen->availablePixels();
    const QRect framed = mdi->geometry().marginsAdded(seams().screen->frame);
    if (!available.contains(framed))
        faults << QStringLiteral("main window with its frame %1 outside the screen %2").arg(rect(framed), rect(available));
    for (const QWidget* strip : {static_cast<const QWidget*>(mdi->PicCoBrand), static_cast<const QWidget*>(mdi->cmdMdiExit)})
        if (strip->isVisible() && !mdi->rect().contains(QRect(strip->mapTo(mdi, QPoint(0, 0)), strip->size())))
            faults << QStringLiteral("%1 not inside the main window").arg(nameOf(strip));
    return faults;
}

QStringList ToolWindowFaults(const shell::frmMDI* mdi, const platform::Form* form)
{
    QStringList faults;
    const QWidget* frame = form->frame();
    const QMdiArea* area = mdi->mdiArea;
    if (!frame->isVisible())
        return {QStringLiteral("%1 not on view").arg(form->formName())};
    const QRect room = area->contentsRect();
    const QRect at(frame->mapTo(area, QPoint(0, 0)), frame->size());
    const bool scrolls = area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0;
    if (!room.contains(at) && !scrolls)
        faults << QStringLiteral("%1 at %2 beyond the work area %3, which cannot scroll to it")
                      .arg(form->formName(), rect(at), rect(room));
    if (mdi->picRight->isVisible() && global(frame).intersects(global(mdi->picRight)))
        faults << QStringLiteral("%1 at %2 under the reading pane %3")
                      .arg(form->formName(), rect(global(frame)), rect(global(mdi->picRight)));
    return faults;
}

QStringList CutLabels(const QWidget* root)
{
    QStringList faults;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect inside = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = QFontMetrics(label->font()).boundingRect(inside, flags, label->text());
        if (needed.width() > inside.width() || needed.height() > inside.height())
            faults << QStringLiteral("%1 needs %2x%3 for \"%4\" but has %5x%6")
                          .arg(nameOf(label))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(label->text().left(40))
                          .arg(inside.width())
                          .arg(inside.height());
    }
    return faults;
}

QStringList UnreadableButtons(const QWidget* root)
{
    QStringList faults;
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(root) || button->text().isEmpty())
            continue;
        const QPalette& p = button->palette();
        const double ratio = contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button));
        if (ratio < 3.0)
            faults << QStringLiteral("%1: caption \"%2\" on its face has contrast %3")
                          .arg(nameOf(button), button->text())
                          .arg(ratio, 0, 'f', 2);
    }
    return faults;
}

} // namespace testing
