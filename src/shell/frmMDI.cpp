#include "shell/frmMDI.h"

#include "platform/Controls.h"
#include "platform/DesignLayout.h"
#include "platform/PictureBox.h"
#include "platform/PictureFolders.h"
#include "platform/RichTextBox.h"
#include "platform/ScreenFit.h"
#include "platform/Printing.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/HelpMenu.h"
#include "shell/ListHelpers.h"
#include "shell/Quit.h"
#include "shell/Startup.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "shell/Version.h"

#include <QCloseEvent>
#include <QUrl>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using platform::bgr;
using platform::Look;
using platform::MakeButton;
using platform::MakeLabel;
using platform::MakeTextBox;
using platform::Verdana;
using platform::px;
using platform::setGeometryTw;

namespace shell {

namespace {

// A panel of the design's height that may give up empty space at its foot down to what its controls need
// and, where its maximum allows, take more.
class Panel final : public QWidget {
public:
    Panel(QWidget* parent, int height) : QWidget(parent), design_(height) {}
    QSize sizeHint() const override { return QSize(0, std::min(design_, maximumHeight())); }

private:
    int design_;
};

QWidget* panel(QWidget* parent, const char* name, double heightTw, const QColor& back = QColor())
{
    auto* w = new Panel(parent, px(heightTw));
    w->setObjectName(QString::fromLatin1(name));
    w->setFixedHeight(px(heightTw));
    platform::setHeightTw(w, heightTw);
    if (back.isValid())
        platform::setBackColor(w, back);
    return w;
}

// The banner: one line for the maker's forum, ending with the site's address.
QString bannerText()
{
    return QStringLiteral("Meet other readers in the Selvanthe forum at ") +
           QString::fromLatin1(kSiteDisplayAddress);
}

const char* const kStoneSets[5] = {"gold", "ice", "jade", "spirit", "stone"};

constexpr double kQuestionWidth = 7485; // the querent bar's question box, as designed

} // namespace

frmMDI* MDI() { return platform::Forms::Peek<frmMDI>(); }

namespace {

std::function<void(QWidget*)> readingSave;
std::function<void(int)> toolSwitchRun;

} // namespace

void SetReadingSave(std::function<void(QWidget* dialogParent)> save) { readingSave = std::move(save); }

void SetToolSwitch(std::function<void(int controlIndex)> toolSwitch) { toolSwitchRun = std::move(toolSwitch); }

frmMDI::frmMDI() : Form(QString::fromLatin1(kFormName), Kind::TopLevel)
{
    SetCaption(QString::fromLatin1(kProgramCaption));
    setWindowIcon(ProgramIcon());
    buildPanels();
    buildMenus();
    // The panels never make the window larger than the screen: they give up space instead.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    // The strips place their controls from the screen's width; in a window the user narrows, what would
    // run past the right edge moves left to stay within reach.
    for (QWidget* strip : {static_cast<QWidget*>(Picture6), Picture1, picMain, PicCoBrand})
        if (platform::DesignLayout* layout = platform::DesignLayout::of(strip))
            layout->setKeepInside(true);
    // No narrower than the tool bar's buttons need, so that the window fits a screen 800 pixels wide;
    // there the querent bar's question box gives up width to Save and Print beside it.
    setMinimumSize(px(platform::widthTw(picButtonContainer)), px(6000));
    platform::FitOnScreen(this);
    platform::KeepFrameOnScreenWhenShown(this);
}

frmMDI::~frmMDI()
{
    // The work area still reports activations while it is taken down; this window is no longer there
    // to follow them.
    disconnect(mdiArea, nullptr, this, nullptr);
    disconnect(platform::Forms::notifier(), nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    menuBar = nullptr;
}

void frmMDI::buildPanels()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Banner strip: the whole strip, and the banner on it, open the home page.
    auto* strip = new platform::Clickable(this, platform::Clickable::Role::Link);
    strip->setObjectName(QStringLiteral("Picture6"));
    strip->setFocusPolicy(Qt::NoFocus);
    strip->setFixedHeight(px(560));
    platform::setHeightTw(strip, 560);
    platform::setBackColor(strip, bgr(0xFFC0C0));
    strip->setCursor(Qt::PointingHandCursor);
    strip->setAccessibleName(bannerText());
    connect(strip, &QAbstractButton::clicked, this, [this] { Picture6_Click(); });
    Picture6 = strip;
    lblQuendravaleBanner = platform::MakeLink(Picture6, QStringLiteral("lblQuendravaleBanner"), bannerText(),
                                              {960, 0, 9480, 465},
                                              Look(Verdana(9.75, true)).Fore(bgr(0x800000)).Align(Qt::AlignCenter));
    connect(lblQuendravaleBanner, &QAbstractButton::clicked, this, [this] { lblQuendravaleBanner_Click(); });

    // Tool bar.
    Picture1 = panel(this, "Picture1", 900);
    picButtonContainer = platform::MakePanel(Picture1, QStringLiteral("picButtonContainer"), {473, 0, 10935, 800});
    struct ToolButton {
        int index;
        const char* caption;
        double left;
        const char* icon;
    };
    const ToolButton tools[] = {{1, "Tarot Reading", 975, "icons/tool-tarot.png"},
                                {0, "Keldamar", 4455, "icons/tool-runes.png"},
                                {2, "Runic Tarot", 7935, "icons/tool-runic.png"}};
    for (const ToolButton& t : tools) {
        auto* b = MakeButton(picButtonContainer, QStringLiteral("cmdSelectOption(%1)").arg(t.index),
                             QString::fromLatin1(t.caption), {t.left, 188, 2610, 495}, Verdana(8.25, true));
        connect(b, &QPushButton::clicked, this, [this, i = t.index] { cmdSelectOption_Click(i); });
        cmdSelectOption[static_cast<size_t>(t.index)] = b;
        auto* icon = platform::MakePicture(picButtonContainer, QStringLiteral("picToolIcon(%1)").arg(t.index),
                                           {t.left - 600, 180, 510, 510});
        icon->setPicture(platform::FolderPicture(QString::fromLatin1(t.icon), QSize(32, 32)));
        picToolIcon[static_cast<size_t>(t.index)] = icon;
    }

    // Runes step bar.
    picRunesReadingTop = panel(this, "picRunesReadingTop", 435, bgr(0x800000));
    struct Step {
        const char* caption;
        double left, width;
    };
    const Step steps[9] = {{"Keldamar", 0, 3270}, {">>", 3315, 540},   {"Enter Data", 3885, 1875},
                           {">>", 5790, 540},     {"Runes", 6360, 1080}, {">>", 7470, 540},
                           {"Spread", 8040, 1245}, {">>", 9315, 540},  {"Result", 9885, 1110}};
    for (int i = 0; i < 9; ++i) {
        platform::Label* l = MakeLabel(picRunesReadingTop, QStringLiteral("lblScreenInfo(%1)").arg(i),
                                       QString::fromLatin1(steps[i].caption), {steps[i].left, 30, steps[i].width, 375},
                                       Look(Verdana(9.75, true)).Fore(Qt::white));
        lblScreenInfo[static_cast<size_t>(i)] = l;
    }

    // Querent bar.
    picTop = panel(this, "picTop", 915);
    lblName = MakeLabel(picTop, QStringLiteral("lblName"), QStringLiteral("Name"), {120, 90, 960, 255}, Verdana(8.25));
    lblDOB = MakeLabel(picTop, QStringLiteral("lblDOB"), QStringLiteral("Date of Birth"), {3990, 60, 1395, 255},
                       Verdana(8.25));
    lblCountry = MakeLabel(picTop, QStringLiteral("lblCountry"), QStringLiteral("Country"), {7380, 60, 975, 255},
                           Verdana(8.25));
    lblQ = MakeLabel(picTop, QStringLiteral("lblQ"), QStringLiteral("Question"), {90, 450, 990, 255}, Verdana(8.25));
    txtName = MakeTextBox(picTop, QStringLiteral("txtName"), QStringLiteral("aa"), {1110, 90, 2655, 285},
                          Verdana(8.25));
    txtDOB = MakeTextBox(picTop, QStringLiteral("txtDOB"), QStringLiteral("aa"), {5430, 60, 1935, 285}, Verdana(8.25));
    txtCountry = MakeTextBox(picTop, QStringLiteral("txtCountry"), QStringLiteral("aa"), {8400, 60, 2445, 285},
                             Verdana(8.25));
    txtQ = MakeTextBox(picTop, QStringLiteral("txtQ"), QStringLiteral("aa"), {1110, 420, kQuestionWidth, 375},
                       Verdana(8.25));
    cmdPrint = MakeButton(picTop, QStringLiteral("cmdPrint"), QStringLiteral("&Print"), {11520, 420, 1695, 375},
                          Verdana(8.25));
    cmdSave = MakeButton(picTop, QStringLiteral("cmdSave"), QStringLiteral("&Save"), {9720, 420, 1695, 375},
                         Verdana(8.25));
    // The bar's labels name its boxes for a screen reader.
    lblName->setBuddy(txtName);
    lblDOB->setBuddy(txtDOB);
    lblCountry->setBuddy(txtCountry);
    lblQ->setBuddy(txtQ);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    // Tab follows the bar from left to right: Save stands before Print.
    setTabOrder(cmdSave, cmdPrint);

    // Welcome panel.
    picMain = panel(this, "picMain", 8605, Qt::black);
    picMain->setMouseTracking(true);
    picMain->installEventFilter(this);
    struct Caption {
        const char* text;
        double top, width, height;
        bool bold, link;
    };
    const Caption captions[6] = {
        {"Welcome to Selvanthe", 240, 6000, 330, true, false},
        {"Tarot and Runes have been very popular methods of esoteric divination since the ancient ages. "
         "Selvanthe combines the worlds of both Tarot and Runes and gives you a package of useful softwares that "
         "can help you in your everyday life.",
         840, 8055, 825, false, false},
        {"Selvanthe includes the following programs", 1920, 8055, 330, true, false},
        {"Keldamar", 3000, 2415, 285, true, true},
        {"Tarot Reading", 2520, 2415, 285, true, true},
        {"Runic Tarot", 3600, 2415, 285, true, true}};
    for (int i = 0; i < 6; ++i) {
        const Caption& c = captions[i];
        const QString name = QStringLiteral("lblCaption(%1)").arg(i);
        const Look look = Look(Verdana(c.bold && !c.link ? 12 : 9.75, c.bold))
                              .Fore(c.link ? QColor(120, 200, 255) : i == 1 ? QColor(225, 225, 225)
                                                                            : QColor(240, 205, 110))
                              .Align(Qt::AlignHCenter | Qt::AlignTop)
                              .Wrap(i == 1);
        const platform::TwRect at{0, c.top, c.width, c.height};
        QWidget* l = nullptr;
        if (c.link) {
            platform::Clickable* link = platform::MakeLink(picMain, name, QString::fromLatin1(c.text), at, look);
            connect(link, &QAbstractButton::clicked, this, [this, i] { lblCaption_Click(i); });
            l = link;
        }
        else
            l = MakeLabel(picMain, name, QString::fromLatin1(c.text), at, look);
        l->setMouseTracking(true);
        l->installEventFilter(this);
        lblCaption[static_cast<size_t>(i)] = l;
    }
    // Below its links the welcome panel is empty: that part goes first where the screen is short.
    int captionsBottom = 0;
    for (const QWidget* l : lblCaption)
        captionsBottom = std::max(captionsBottom, l->geometry().bottom() + 1);
    picMain->setMinimumHeight(captionsBottom + px(240));

    // The middle row: side panel, work area, reading panel.
    auto* middle = new QWidget(this);
    middle->setObjectName(QStringLiteral("middle"));
    auto* row = new QHBoxLayout(middle);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    picLeft = new platform::PictureBox(middle);
    picLeft->setObjectName(QStringLiteral("picLeft"));
    picLeft->setFixedWidth(px(3285));
    platform::setWidthTw(picLeft, 3285);
    platform::setBackColor(picLeft, bgr(0x800000));
    // Its picture is read when the panel is first shown (ShowRunesSidePanel): the runes alone show it.
    Check1 = MakeButton(picLeft, QStringLiteral("Check1"), QStringLiteral("Donate"), {420, 6060, 2565, 585},
                        Verdana(8.25, true));
    Check1->setCheckable(true);
    Check1->setStyleSheet(QStringLiteral("QPushButton { color: white; background-color: #000080; }"));
    connect(Check1, &QPushButton::toggled, this, [this] { Check1_Click(); });

    mdiArea = new QMdiArea(middle);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // Whatever a tool window holds stays within reach, however little room the screen leaves.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    platform::Forms::SetMdiArea(mdiArea);

    picRight = new QWidget(middle);
    picRight->setObjectName(QStringLiteral("picRight"));
    picRight->setFixedWidth(px(4250));
    platform::setWidthTw(picRight, 4250);
    auto* rightColumn = new QVBoxLayout(picRight);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    RTB = new platform::RichTextBox(picRight);
    RTB->setAccessibleName(QStringLiteral("Tarot reading"));
    RTB->setObjectName(QStringLiteral("RTB"));
    // Its scroll bar stays, as a document window's does: a bar that came and went as a reading was
    // emptied and written again would change the width of the text, and every change of width lays the
    // whole reading out afresh.
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rightColumn->addWidget(RTB);
    rtb1 = new platform::RichTextBox(picRight);
    rtb1->setObjectName(QStringLiteral("rtb1"));
    rtb1->setFont(Verdana(9.75));
    rtb1->hide();
    picRight->hide();

    row->addWidget(picLeft);
    row->addWidget(mdiArea, 1);
    row->addWidget(picRight);

    // Bottom strip.
    PicCoBrand = panel(this, "PicCoBrand", 735, bgr(0xFFC0C0));
    // Its access key is x: every tool window has an "&Exit" of its own, which Alt+E must reach alone.
    cmdMdiExit = MakeButton(PicCoBrand, QStringLiteral("cmdMdiExit"), QStringLiteral("E&xit"), {17745, 120, 1335, 495},
                            Verdana(8.25, true));
    connect(cmdMdiExit, &QPushButton::clicked, this, [this] { cmdMdiExit_Click(); });
    Label7 = platform::MakeLink(PicCoBrand, QStringLiteral("Label7"),
                                QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                               "money online. Get this software fully branded for your website. "
                                               "Click here for more details."),
                                {120, 0, 6975, 615}, Look(Verdana(8.25)).Wrap());
    connect(Label7, &QAbstractButton::clicked, this, [this] { Label7_Click(); });

    column->addWidget(Picture6);
    column->addWidget(Picture1);
    column->addWidget(picRunesReadingTop);
    column->addWidget(picTop);
    column->addWidget(picMain);
    column->addWidget(middle, 1);
    column->addWidget(PicCoBrand);

    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this] { updateMenuBar(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        focusPassedOn_ = old && !old->isVisible() && now && now->window() == this ? now : nullptr;
    });
    connect(platform::Forms::notifier(), &platform::FormsNotifier::changed, this, [this] {
        shareHeight();
        updateMenuBar();
        keepTheFocus();
    });
}

void frmMDI::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar);

    QMenu* file = AddBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    AddMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { cmdMdiExit_Click(); });
    AddHelpMenu(*this, QStringLiteral("mnuHelp"), QStringLiteral("&Help"),
                {{QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), OpenHelpPage},
                 {QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), OpenHomePage},
                 {QStringLiteral("mnuSep1"), {}, {}},
                 {QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"), OpenDownloadPage},
                 {QStringLiteral("mnuSep2"), {}, {}},
                 {QStringLiteral("mnuAbout"), QStringLiteral("&About Software"), ShowAbout}});
    AddBarCommand(QStringLiteral("mnuDonate"), QStringLiteral("&Donate"), [] { OpenDonatePage(); });
    AddBarCommand(QStringLiteral("mkmoney"), QStringLiteral("Make Money &Online"), [] { OpenFullBrandPage(); });
    ownBarActions_ = menuBarActions();
    updateMenuBar();
}

QMdiSubWindow* frmMDI::frontToolWindow() const
{
    if (!mdiArea)
        return nullptr;
    const QList<QMdiSubWindow*> stack = mdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        auto* form = qobject_cast<platform::Form*>((*it)->widget());
        if ((*it)->isVisible() && !(*it)->isMinimized() && form && !form->isUnloading())
            return *it;
    }
    return nullptr;
}

void frmMDI::keepTheFocus()
{
    // A window that went away took the focus with it: it goes to the tool window now in front, or else
    // to the first tool button, so the keyboard never finds nothing to work on.
    if (!isVisible() || isUnloading() || !isActiveWindow())
        return;
    if (QWidget* now = QApplication::focusWidget(); now && now->isVisible() && now != focusPassedOn_)
        return;
    focusPassedOn_ = nullptr;
    if (QMdiSubWindow* front = frontToolWindow()) {
        mdiArea->setActiveSubWindow(front);
        if (QWidget* now = QApplication::focusWidget(); !now || !front->isAncestorOf(now))
            if (QWidget* first = platform::FirstTabStop(front->widget()))
                first->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* button : {cmdSelectOption[1], cmdSelectOption[0], cmdSelectOption[2]})
        if (button && button->isVisible() && button->isEnabled()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
}

bool frmMDI::focusNextPrevChild(bool next)
{
    const auto toolWindowOf = [](QWidget* w) -> QMdiSubWindow* {
        for (; w && !w->isWindow(); w = w->parentWidget())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
                return sub;
        return nullptr;
    };
    QWidget* from = QApplication::focusWidget();
    QMdiSubWindow* front = frontToolWindow(); // before the window the focus comes to is brought forward
    const bool moved = Form::focusNextPrevChild(next);
    QWidget* to = QApplication::focusWidget();
    if (!moved || !from || toolWindowOf(from) || !front || !toolWindowOf(to) || toolWindowOf(to) == front)
        return moved;
    // The tool window in front, entered at its first stop going forward, at its last going back.
    QList<QWidget*> stops;
    QWidget* first = platform::FirstTabStop(front->widget());
    for (QWidget* w = first; w && (stops.isEmpty() || w != first) && stops.size() < 10000; w = w->nextInFocusChain())
        if (front->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            stops << w;
    if (!stops.isEmpty()) {
        mdiArea->setActiveSubWindow(front);
        (next ? stops.first() : stops.last())->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

void frmMDI::keyPressEvent(QKeyEvent* event)
{
    // An access key the main window's own controls did not take acts on the tool window in front, as it
    // does while the focus is in that window.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::AltModifier && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
        QMdiSubWindow* front = mdiArea ? mdiArea->currentSubWindow() : nullptr;
        if (!front || !front->isVisible() || front->isMinimized())
            front = frontToolWindow();
        if (front) {
            const QKeySequence wanted(Qt::ALT | Qt::Key(event->key()));
            for (QAbstractButton* b : front->widget()->findChildren<QAbstractButton*>())
                if (b->isVisible() && b->isEnabled() && QKeySequence::mnemonic(b->text()) == wanted) {
                    mdiArea->setActiveSubWindow(front);
                    b->setFocus(Qt::ShortcutFocusReason);
                    b->animateClick();
                    event->accept();
                    return;
                }
        }
    }
    // Ctrl+F4 closes the tool window in front, as it closes the active document window of a desktop
    // program, also while the focus is on the main window's own controls (inside the tool window, its
    // frame's own Close takes the key first).
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_F4) {
        QMdiSubWindow* front = mdiArea ? mdiArea->currentSubWindow() : nullptr;
        if (!front || !front->isVisible())
            front = frontToolWindow();
        if (front) {
            front->close();
            event->accept();
            return;
        }
    }
    Form::keyPressEvent(event);
}

void frmMDI::updateMenuBar()
{
    if (!menuBar)
        return;
    QList<QAction*> wanted = ownBarActions_;
    if (QMdiSubWindow* active = mdiArea ? mdiArea->activeSubWindow() : nullptr; active && active->isVisible()) {
        auto* form = qobject_cast<platform::Form*>(active->widget());
        if (form && !form->isUnloading() && !form->menuBarActions().isEmpty())
            wanted = form->menuBarActions();
    }
    if (wanted == menuBar->actions())
        return;
    for (QAction* a : menuBar->actions())
        menuBar->removeAction(a);
    menuBar->addActions(wanted);
}

void frmMDI::Form_Load()
{
    DisableResize(this);
    const double screenWidth = platform::ScreenWidth();
    platform::setLeftTw(lblQuendravaleBanner, (screenWidth - platform::widthTw(lblQuendravaleBanner)) / 2);
    platform::setLeftTw(picButtonContainer, (screenWidth - platform::widthTw(picButtonContainer)) / 2);
    for (QWidget* l : lblCaption)
        platform::setLeftTw(l, (screenWidth - platform::widthTw(l)) / 2);
    platform::setLeftTw(cmdMdiExit, screenWidth - (platform::widthTw(cmdMdiExit) + 120));
    picTop->hide();
    // The reading pane fills its panel, so it needs no height of its own.
    picLeft->hide();
    picRunesReadingTop->hide();
}

void frmMDI::Form_Unload()
{
    if (IsQuitting())
        return;
    // The tool windows go with the main window, each running its own unload routine.
    for (platform::Form* form : platform::Forms::Loaded())
        if (form->kind() == Kind::MdiChild)
            platform::Forms::Unload(form);
    if (platform::Forms::IsRegistered(QStringLiteral("frmExitScreen"))) {
        if (platform::Form* exitScreen = platform::Forms::Get(QStringLiteral("frmExitScreen")))
            exitScreen->Show();
    } else {
        QuitApplication();
    }
}

void frmMDI::MDIForm_Resize()
{
    const double width = Width();
    platform::setLeftTw(cmdPrint, width - platform::widthTw(cmdPrint) - 300);
    platform::setLeftTw(cmdSave, platform::leftTw(cmdPrint) - platform::widthTw(cmdSave) - 100);
    // The question box ends short of Save where the window is narrower than the bar's design.
    platform::setWidthTw(txtQ,
                         std::clamp(platform::leftTw(cmdSave) - 60 - platform::leftTw(txtQ), 0.0, kQuestionWidth));
}

void frmMDI::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    MDIForm_Resize();
}

void frmMDI::shareHeight()
{
    QWidget* middle = mdiArea->parentWidget();
    bool toolOnView = false;
    for (const QMdiSubWindow* window : mdiArea->subWindowList())
        if (auto* form = qobject_cast<const platform::Form*>(window->widget()); form && !form->isUnloading() && !window->isHidden())
            toolOnView = true;
    const bool welcome = !picMain->isHidden();
    picMain->setMaximumHeight(!welcome || !toolOnView ? QWIDGETSIZE_MAX : picMain->minimumHeight());
    middle->setVisible(!welcome || toolOnView);
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    if (IsBusy() && !isUnloading()) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void frmMDI::cmdSelectOption_Click(int index)
{
    if (toolSwitchRun)
        toolSwitchRun(index);
}

void frmMDI::lblCaption_Click(int index)
{
    // The heading, description and sub-heading are not links.
    if (index >= 3 && toolSwitchRun)
        toolSwitchRun(index);
}

void frmMDI::setLinkUnderline(int index, bool on)
{
    QWidget* l = lblCaption[static_cast<size_t>(index)];
    QFont f = l->font();
    if (f.underline() != on) {
        f.setUnderline(on);
        l->setFont(f);
    }
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (index >= 3 && index <= 5)
        setLinkUnderline(index, true);
}

void frmMDI::picMain_MouseMove()
{
    for (int i = 0; i < 6; ++i)
        setLinkUnderline(i, false);
}

QString PrintReportLine()
{
    return QStringLiteral("Report Generated By ") + QUrl(QString::fromLatin1(kSiteAddress)).host();
}

void frmMDI::cmdPrint_Click()
{
    if (IsBusy())
        return;
    // The report is put together in the print buffer, in its own font, from the pane's plain words.
    const QString line = PrintReportLine();
    rtb1->clear();
    rtb1->SetSelText(line + QStringLiteral("\r\n\r\n"));
    rtb1->SetSelText(RTB->Text());
    rtb1->SetSelText(QStringLiteral("\r\n\r\n") + line);
    rtb1->SetSelLength(0);
    const platform::PrintResult printed = platform::printing().print(*rtb1->document());
    if (printed.outcome != platform::PrintOutcome::Printed)
        platform::MsgBox(QStringLiteral("The reading could not be printed. ") + printed.reason,
                         platform::MsgIcon::Critical);
    else if (!printed.note.isEmpty())
        platform::MsgBox(QStringLiteral("The reading was sent to the printer. ") + printed.note,
                         platform::MsgIcon::Information);
}

void frmMDI::cmdSave_Click()
{
    if (IsBusy())
        return;
    if (readingSave)
        readingSave(this);
}

void frmMDI::cmdMdiExit_Click()
{
    if (IsBusy())
        return;
    platform::Forms::Unload(this);
}

void frmMDI::lblQuendravaleBanner_Click() { OpenHomePage(); }
void frmMDI::Picture6_Click() { OpenHomePage(); }
void frmMDI::Label7_Click() { OpenFullBrandPage(); }

void frmMDI::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);  // raises the click again, which then finds the box unticked
    OpenDonatePage();
}

void frmMDI::settleLayout()
{
    // A panel shown or hidden a moment ago has not resized the work area yet; settle both the column and
    // the middle row now, so the size read is the one the panels leave.
    layout()->activate();
    if (QLayout* row = mdiArea->parentWidget()->layout())
        row->activate();
}

double frmMDI::ScaleWidth()
{
    settleLayout();
    return platform::tw(mdiArea->contentsRect().width());
}

double frmMDI::ScaleHeight()
{
    settleLayout();
    return platform::tw(mdiArea->contentsRect().height());
}

const platform::ImageList& frmMDI::imlStones(int t)
{
    const int set = qBound(0, t, 4);
    auto& slot = stones_[static_cast<size_t>(set)];
    if (!slot) {
        QStringList paths;
        for (int n = 1; n <= 25; ++n)
            paths << QStringLiteral("stones/%1/%2.jpg").arg(QString::fromLatin1(kStoneSets[set])).arg(n);
        slot.emplace(platform::PictureFiles(paths), QSize(113, 151));
    }
    return *slot;
}

void frmMDI::ShowWelcomePanel(bool shown) { picMain->setVisible(shown); }
void frmMDI::ShowQuerentBar(bool shown) { picTop->setVisible(shown); }
void frmMDI::ShowRunesSidePanel(bool shown)
{
    if (shown && picLeft->picture().isNull())
        picLeft->setPicture(platform::FolderPicture(QStringLiteral("panels/side-panel.jpg"), QSize(219, 700)));
    picLeft->setVisible(shown);
}
void frmMDI::ShowRunesStepBar(bool shown) { picRunesReadingTop->setVisible(shown); }

void frmMDI::ShowRunesSteps(int from, int to, bool shown)
{
    for (int i = qMax(from, 0); i <= qMin(to, 8); ++i)
        lblScreenInfo[static_cast<size_t>(i)]->setVisible(shown);
}

double frmMDI::ReadingPaneHeightTw() const
{
    const float bars =
        static_cast<float>(platform::heightTw(picTop)) + static_cast<float>(platform::heightTw(Picture1)) +
        static_cast<float>(platform::heightTw(PicCoBrand)) + static_cast<float>(platform::heightTw(Picture6)) + 1200.0f;
    const float height = static_cast<float>(platform::ScreenHeight()) - bars;
    return std::max(0.0, static_cast<double>(height));
}

void frmMDI::ShowReadingPane()
{
    picRight->show();
    // The pane sits in its panel's layout, which fills the panel; the designed height is its limit.
    const double height = ReadingPaneHeightTw();
    RTB->setMaximumHeight(platform::px(height));
    platform::setHeightTw(RTB, height);
}

void frmMDI::HideReadingPane() { picRight->hide(); }

void frmMDI::ShowReadingText(const QString& text) { RTB->SetText(text); }

void frmMDI::PutReadingCursor(ReadingCursor where)
{
    RTB->SetSelStart(where == ReadingCursor::Start ? 0 : RTB->TextLength());
}

void frmMDI::WriteReading(const std::function<void(platform::RichTextBox&)>& write) { write(*RTB); }

void frmMDI::SetQuerentLine(const QString& name, const QString& dateOfBirth, const QString& country,
                            const QString& question)
{
    const auto show = [](QLineEdit* box, const QString& text) {
        box->setText(text);
        box->setCursorPosition(0);
    };
    show(txtName, name);
    show(txtDOB, dateOfBirth);
    show(txtCountry, country);
    show(txtQ, question);
}

QPoint frmMDI::WorkAreaOnScreen() const { return mdiArea->mapToGlobal(QPoint(0, 0)); }

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picMain && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        shareHeight();
    if (event->type() != QEvent::MouseMove)
        return Form::eventFilter(watched, event);
    for (int i = 0; i < 6; ++i) {
        if (watched == lblCaption[static_cast<size_t>(i)]) {
            lblCaption_MouseMove(i);
            return true;  // the panel beneath must not see it and clear the underline
        }
    }
    if (watched == picMain)
        picMain_MouseMove();
    return false;
}

} // namespace shell
