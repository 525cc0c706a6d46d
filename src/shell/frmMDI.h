#pragma once
// The main window: the banner strip, the tool bar, the welcome panel, the querent bar, the reading pane,
// the runes side panel and step bar, the bottom strip, and the work area where the tool windows open.
#include "platform/Forms.h"
#include "platform/ImageList.h"

#include <QList>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenuBar;
class QPushButton;

namespace platform {
class Label;
class Clickable;
class PictureBox;
class RichTextBox;
}

namespace shell {

class frmMDI : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmMDI";
    frmMDI();
    ~frmMDI() override;

    void Form_Load() override;    // MDIForm_Load
    void Form_Unload() override;  // MDIForm_Unload

    // Event routines.
    void MDIForm_Resize();
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdMdiExit_Click();
    void lblQuendravaleBanner_Click();
    void Picture6_Click();
    void Label7_Click();
    void Check1_Click();

    // The work area's size in twips, as the docked panels now leave it (without its scroll bars).
    double ScaleWidth();
    double ScaleHeight();

    // The 25 stone pictures of rune set t (0..4), read the first time the runes tool asks for them.
    const platform::ImageList& imlStones(int t);

    // What the tools ask of the main window: its panels come and go with the tool on view and its step.
    void ShowWelcomePanel(bool shown);
    void ShowQuerentBar(bool shown);
    void ShowRunesSidePanel(bool shown);
    void ShowRunesStepBar(bool shown);
    // The step bar's captions from..to (0..8) shown or hidden.
    void ShowRunesSteps(int from, int to, bool shown);
    // The reading pane's panel, the pane as high as ReadingPaneHeightTw.
    void ShowReadingPane();
    void HideReadingPane();
    // The height the reading pane is given: the screen's, less the strips, the querent bar and a margin.
    double ReadingPaneHeightTw() const;
    // What a tool shows in the reading pane: a reading's text as given (empty as a reading starts), the
    // pane's cursor at the start or the end of its text, and what the composer writes (write runs on the
    // pane; the composition root hands this to the tarot's composer).
    void ShowReadingText(const QString& text);
    enum class ReadingCursor { Start, End };
    void PutReadingCursor(ReadingCursor where);
    void WriteReading(const std::function<void(platform::RichTextBox&)>& write);
    // The querent bar's four boxes, each showing the start of its text.
    void SetQuerentLine(const QString& name, const QString& dateOfBirth, const QString& country,
                        const QString& question);
    // The work area's top-left corner on the screen, in pixels.
    QPoint WorkAreaOnScreen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // From the main window's own controls, Tab and Shift+Tab go into the tool window in front, not into one
    // that lies behind it.
    bool focusNextPrevChild(bool next) override;

private:
    void buildPanels();
    void buildMenus();
    void updateMenuBar();
    // The tool window in front of the others, on view and not minimised; null when there is none.
    QMdiSubWindow* frontToolWindow() const;
    void keepTheFocus();
    void settleLayout();
    // The welcome panel and the work area share the height between the strips: with no tool window on
    // view, the work area gives all of it to the welcome panel; with one, the panel gives up its empty
    // foot. So neither leaves an empty band or a sliver of the reading pane.
    void shareHeight();
    void setLinkUnderline(int index, bool on);

    QList<QAction*> ownBarActions_;
    QList<QAction*> shownBarActions_;
    std::array<std::optional<platform::ImageList>, 5> stones_;

    // Panels.
    QWidget* Picture6 = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* picRunesReadingTop = nullptr;
    QWidget* picTop = nullptr;
    QWidget* picMain = nullptr;
    QWidget* PicCoBrand = nullptr;
    platform::PictureBox* picLeft = nullptr;
    QWidget* picRight = nullptr;
    QMdiArea* mdiArea = nullptr;

    // Members of the panels.
    platform::Clickable* lblQuendravaleBanner = nullptr;
    QFrame* picButtonContainer = nullptr;
    std::array<QPushButton*, 3> cmdSelectOption{};
    std::array<platform::PictureBox*, 3> picToolIcon{};
    std::array<platform::Label*, 9> lblScreenInfo{};
    platform::Label* lblName = nullptr;
    platform::Label* lblDOB = nullptr;
    platform::Label* lblCountry = nullptr;
    platform::Label* lblQ = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtDOB = nullptr;
    QLineEdit* txtCountry = nullptr;
    QLineEdit* txtQ = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSave = nullptr;
    std::array<QWidget*, 6> lblCaption{};  // labels 0..2, links (platform::Clickable) 3..5
    QPushButton* cmdMdiExit = nullptr;
    platform::Clickable* Label7 = nullptr;
    QPushButton* Check1 = nullptr;
    platform::RichTextBox* RTB = nullptr;
    platform::RichTextBox* rtb1 = nullptr;

    QMenuBar* menuBar = nullptr;
    // Where the toolkit passed the focus on when the control that held it was hidden (the reading pane
    // as its reading closes): not a place the user chose, so the focus may still go to the window in front.
    QPointer<QWidget> focusPassedOn_;
};

// The first and last line of a printed reading.
QString PrintReportLine();

// The main window, or null once it has been unloaded.
frmMDI* MDI();

// What Save does with the reading the pane shows. The main window knows no tool: the composition root
// hands it the tarot's Save, which puts its file dialog over the main window given.
void SetReadingSave(std::function<void(QWidget* dialogParent)> save);
// What the tool buttons and the welcome links do, by their control index (cmdSelectOption 0..2,
// lblCaption 3..5): the composition root hands over the tool switch (shell/ToolSwitch.h), which works on
// the main window.
void SetToolSwitch(std::function<void(int controlIndex)> toolSwitch);

} // namespace shell
