#pragma once
// Windows that behave as the program's design expects: one instance per window class, created and loaded
// when first touched, and destroyed when unloaded after their unload routine has run. Tool windows are
// child windows of the main window's work area; while one is active and visible its own menu bar stands
// in place of the main window's.
#include <QList>
#include <QPoint>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace platform {

class Form : public QWidget {
    Q_OBJECT
public:
    enum class Kind { TopLevel, MdiChild };

    explicit Form(const QString& formName, Kind kind = Kind::MdiChild);
    ~Form() override;

    const QString& formName() const { return formName_; }
    Kind kind() const { return kind_; }
    bool isUnloading() const { return unloading_; }

    // The load and unload routines of the window.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // The window as the desktop shows it: the sub-window of a child, the form itself otherwise.
    QWidget* frame() const;
    QMdiSubWindow* subWindow() const { return sub_; }

    void Show();
    void Hide();
    // Shows the window and waits, with the rest of the program blocked, until it is unloaded.
    void ShowModal();

    // The outer place and size of the window, in twips; a child's place is counted in the room the work
    // area shows, and one put there keeps it, moved only as far as it must to lie inside that room.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double twips);
    void SetTop(double twips);
    void Move(double left, double top);
    // A child stands at the top of the room the work area shows now (its scroll included), centred
    // across it, and follows that room when a panel beside it comes or goes, until it or the user places
    // it otherwise. Where the room is narrower than the window, the window stands at its left edge and
    // the area scrolls.
    void CentreInWorkArea();
    // The inside of the window, in twips, as it was designed.
    void SetClientSizeTw(double width, double height);

    void SetCaption(const QString& caption);

    // The window's own menu bar.
    const QList<QAction*>& menuBarActions() const { return barActions_; }
    QMenu* AddBarMenu(const QString& name, const QString& caption);
    QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler);
    QAction* AddMenuSeparator(QMenu* menu, const QString& name);
    QAction* AddBarCommand(const QString& name, const QString& caption, std::function<void()> handler);

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The frame of a child follows the window's size.
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class Forms;
    friend class WorkAreaKeeper;
    friend class ToolFrame;
    void attach(QMdiArea* area);
    void fitFrame();
    // Where it stands in the room the work area shows now: centred, or where it was put, kept inside that
    // room as far as the window fits in it. One larger than the room covers it; coming on view, it shows
    // its top left corner there.
    void keepInWorkArea(bool comingOnView = false);
    // The user moved its frame: it no longer follows the room, and keeps the place the user gave it.
    void placedByUser();
    // Where it was put, counted from the work area's unscrolled corner.
    void rememberPlace();
    // The work area's scroll goes back toward its unscrolled corner as far as the windows on view allow,
    // each kept where the user sees it (a window leaving it not counted).
    static void settleScroll(QMdiArea* area, const QMdiSubWindow* leaving = nullptr);
    // A minimised window stands along the foot of the part of the work area on view, or below every
    // window on view that reaches down there, in front of the others: it covers nothing of theirs, and
    // stays within the user's reach (by the scroll bar, where it lies below the view).
    static void keepMinimisedInFront(QMdiArea* area);

    QString formName_;
    Kind kind_;
    bool unloading_ = false;
    QMdiSubWindow* sub_ = nullptr;
    QList<QAction*> barActions_;
    double left_ = -1, top_ = -1;  // exact twips of the last placement, if any
    bool centred_ = false;
    std::optional<QPoint> place_; // where it was put, while it is not centred
};

class FormsNotifier : public QObject {
    Q_OBJECT
signals:
    void changed();
};

class Forms {
public:
    using Factory = std::function<Form*()>;

    static void Register(const QString& name, Factory factory);
    static void Unregister(const QString& name);
    static bool IsRegistered(const QString& name);

    // The loaded instance, loading it first when needed. Null when no such window exists or while the
    // program is ending.
    static Form* Get(const QString& name);
    // The same, as the class registered under its name. A window of another class registered under that
    // name stops the program with a message naming the window and both classes: a lookup by name is
    // checked, never taken on trust.
    template <class T>
    static T* Get()
    {
        return As<T>(Get(QString::fromLatin1(T::kFormName)), "Get");
    }
    // The loaded instance, or null; never loads.
    static Form* Peek(const QString& name);
    template <class T>
    static T* Peek()
    {
        return As<T>(Peek(QString::fromLatin1(T::kFormName)), "Peek");
    }
    static bool IsLoaded(const QString& name);

    // Runs the unload routine, then takes the window away. Unloading a window that is not loaded, or
    // that is already unloading, does nothing.
    static void Unload(const QString& name);
    static void Unload(Form* form);

    // Loaded windows in the order they were loaded.
    static QList<Form*> Loaded();

    // While blocked, nothing new is loaded (the program is ending).
    static void SetLoadingBlocked(bool blocked);
    static bool LoadingBlocked();

    static void SetMdiArea(QMdiArea* area);
    static QMdiArea* MdiArea();

    static FormsNotifier* notifier();

    // Takes every window away without running their unload routines, and lets windows load again; the
    // registrations stay. Tests use it between cases.
    static void ResetForTests();

private:
    template <class T>
    static T* As(Form* form, const char* lookup)
    {
        if (!form)
            return nullptr;
        T* typed = qobject_cast<T*>(form);
        if (!typed)
            WrongClass(form, T::staticMetaObject.className(), lookup);
        return typed;
    }
    [[noreturn]] static void WrongClass(const Form* form, const char* wanted, const char* lookup);
};

} // namespace platform
