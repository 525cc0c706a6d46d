#pragma once
// The tarot tool's road for the tests: the real entry, querent and set-up screens over stand-ins of the
// other tool windows, reached from the main window's tool switch as the user reaches them.
#include "FindControl.h"
#include "TestMain.h"
#include "UserInput.h"

#include "FakeToolWindows.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "shell/frmMDI.h"
#include "tarot/TarotForms.h"
#include "tarot/TarotState.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotOpen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace testing {

// Makes folder (and its parents) or fails the test.
inline bool makeFolder(const QString& path) { return QDir().mkpath(path); }

class TarotRoad {
public:
    QStringList log;  // load:/unload: of the stand-in windows

    // A program folder with empty cards/ and pic/ folders, or with the ones named.
    QString programFolder(bool cards = true, bool pic = true)
    {
        dir_ = std::make_unique<QTemporaryDir>();
        if (cards)
            makeFolder(QDir(dir_->path()).filePath(QStringLiteral("cards")));
        if (pic)
            makeFolder(QDir(dir_->path()).filePath(QStringLiteral("pic")));
        return dir_->path();
    }

    void start()
    {
        freshProgram();
        tarot::ResetStateForTests();
        log.clear();
        registerFakeToolWindows(&log);
        tarot::RegisterTarotForms();
        // The windows the set-up screen hands over to stay stand-ins: these tests watch the hand-over, and
        // the stand-ins record when they load and unload.
        for (const char* name : {"frmAuto", "frmTarotManual"}) {
            const QString n = QString::fromLatin1(name);
            platform::Forms::Register(n, [this, n] { return new FakeToolWindow(n, &log); });
        }
        platform::setAppPath(programFolder());
    }

    void finish() { platform::setAppPath(QStringLiteral(SELVANTHE_RUNTIME_DIR)); }

    shell::frmMDI* main()
    {
        auto* mdi = platform::Forms::Get<shell::frmMDI>();
        mdi->Show();
        QApplication::setActiveWindow(mdi);
        return mdi;
    }

    tarot::frmTarotOpen* entry()
    {
        testing::click(testing::control<QPushButton>(main(), "cmdSelectOption", 1));
        return platform::Forms::Peek<tarot::frmTarotOpen>();
    }

    tarot::frmTarotFront* querent()
    {
        tarot::frmTarotOpen* open = entry();
        if (!open)
            return nullptr;
        open->Timer1_Timer();  // the three seconds have passed: a timer, which no input stands for
        testing::click(testing::control<QPushButton>(open, "cmdContd"));
        return platform::Forms::Peek<tarot::frmTarotFront>();
    }

    tarot::frmTarot* setUp()
    {
        tarot::frmTarotFront* front = querent();
        if (!front)
            return nullptr;
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        return platform::Forms::Peek<tarot::frmTarot>();
    }

    // The set-up screen, reached after typing the querent's details: Ada Lovelace of Wales, asking
    // "Shall I travel?".
    tarot::frmTarot* setUpForAda()
    {
        tarot::frmTarotFront* front = querent();
        if (!front)
            return nullptr;
        if (!typeInto(testing::control<QLineEdit>(front, "txtName"), QStringLiteral("Ada Lovelace")) ||
            !typeInto(testing::control<QLineEdit>(front, "txtCountry"), QStringLiteral("Wales")) ||
            !typeInto(testing::control<QPlainTextEdit>(front, "txtQuestion"), QStringLiteral("Shall I travel?")))
            return nullptr;
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        return platform::Forms::Peek<tarot::frmTarot>();
    }

    // Whether the window is on view inside the main window.
    static bool onView(platform::Form* form) { return form && form->isVisibleTo(platform::Forms::Peek<shell::frmMDI>()); }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// The address an opener hands to the browser, as the fake browser records it.
inline QString pageOpenedBy(void (*opener)())
{
    seams().shell->opened.clear();
    opener();
    return seams().shell->opened.value(0);
}

// Chooses a screen's menu item from the menu bar, or clicks its banner when the name is "Label6", and
// gives what the browser was handed.
inline QStringList pagesOpenedFrom(QWidget* form, QWidget* banner, const QString& action)
{
    seams().shell->opened.clear();
    if (action == QLatin1String("Label6"))
        testing::click(banner);
    else
        chooseMenu(form->findChild<QAction*>(action));
    return seams().shell->opened;
}

} // namespace testing
