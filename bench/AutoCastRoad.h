#pragma once
// The road of an AutoCast as the benchmarks take it: the main window as the tool switch leaves it for a
// tarot reading, and a deal handed to a fresh card-layout window, laid out and painted.
#include "FindControl.h"
#include "Seams.h"

#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "shell/frmMDI.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/TarotForms.h"
#include "tarot/TarotState.h"
#include "tarot/frmAuto.h"

#include <QCoreApplication>
#include <QTest>

#include <random>

namespace bench {

class AutoCastRoad {
public:
    // The main window shown, as the tool switch leaves it for a tarot reading: the welcome panel hidden,
    // the reading pane on view. False where the window system shows no window.
    bool open()
    {
        tarot::RegisterTarotForms();
        mdi_ = platform::Forms::Get<shell::frmMDI>();
        mdi_->Show();
        mdi_->ShowWelcomePanel(false);
        testing::control<QWidget>(mdi_, "picRight")->show();
        testing::control<platform::RichTextBox>(mdi_, "RTB")->show();
        // Painted only where the window system shows the window.
        const bool exposed = QTest::qWaitForWindowExposed(mdi_);
        QCoreApplication::sendPostedEvents();
        return exposed;
    }

    // One AutoCast of the spread with that list text and count, from the deck given.
    void autoCast(const QString& spread, int count, bool reversed, int deck = 0)
    {
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < 400; ++i)
            testing::seams().random->values.enqueue(uniform(engine_));
        tarot::TarotState& s = tarot::State();
        s.ResetForSetUp();
        s.TarotSpreadName = spread;
        s.SpreadCardCount = count;
        s.AllowReversed = reversed;
        s.DeckIndex = static_cast<std::int16_t>(deck);
        s.DeckLetter = tarot::catalogue::DeckLetterOf(deck);
        s.AutoCastChosen = true;
        platform::Forms::Unload(QString::fromLatin1(tarot::frmAuto::kFormName));
        // The reading's unload shows the welcome panel; the road to the next reading hides it again.
        mdi_->ShowWelcomePanel(false);
        tarot::frmAuto* w = platform::Forms::Get<tarot::frmAuto>();
        w->Show();
        w->Move(0, 0);
        // What the event loop does before the user sees the reading: the layouts settled and what changed
        // painted. Left to pile up, these events would also make every later deal slower than the one
        // before.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        testing::seams().random->values.clear();
    }

private:
    shell::frmMDI* mdi_ = nullptr;
    std::mt19937_64 engine_ {42};
};

} // namespace bench
