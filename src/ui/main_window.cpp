#include "ui/main_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/group_box.h"
#include "ui/main_window_layout.h"
#include "ui/main_window_texts.h"
#include "ui/settings_page.h"
#include "ui/shared_group.h"
#include "ui/stacking.h"
#include "ui/vertical_tab_control.h"

namespace brontel {
namespace {

namespace layout = main_window_layout;
namespace texts = main_window_texts;

// The tab colours that tell which state is being edited, per page.
struct PageTabColours {
    Colour hot;
    Colour current;
};
constexpr PerState<PageTabColours> kPageTabColours{
    {{0xFF98FF, 0xFFA8FF}, {0xFFAD55, 0xFFD2A2}, {0x5BF35B, 0x9BFF9B}, {0xA2FAFA, 0x28F2F2}}};

// Until the page first changes, the tabs keep these.
constexpr Colour kInitialTabColour = 0xFFFFFF;
constexpr Colour kInitialHotTabColour = 0xFFC4FF;
constexpr Colour kInitialCurrentTabColour = 0xFFBBFF;

constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

void paintWhite(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QIcon applicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/brontel-icon-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/assets/brontel-icon-24.png"), QSize(24, 24));
    return icon;
}

// The logo, centred in its box and scaled down to fit it with its proportions kept.
QLabel* makeLogo(QWidget* window) {
    auto* logo = new QLabel(window);
    logo->setObjectName("图片框1");
    logo->setGeometry(layout::kLogoPlace);
    logo->setAlignment(Qt::AlignCenter);
    paintWhite(*logo);
    const QPixmap picture(QStringLiteral(":/assets/brontel-logo.png"));
    const bool fits = picture.width() <= logo->width() && picture.height() <= logo->height();
    logo->setPixmap(
        fits ? picture
             : picture.scaled(logo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return logo;
}

// Centred on the screen by the window's outer size, frame and title bar included.
void placeInScreenCentre(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    window.move(area.left() + (area.width() - layout::kOuterSize.width()) / 2,
                area.top() + (area.height() - layout::kOuterSize.height()) / 2);
}

}  // namespace

struct MainWindow::Areas {
    explicit Areas(QWidget* window) : board(window) {}

    QLabel* logo = nullptr;
    VerticalTabControl* tabs = nullptr;
    PerState<SettingsPage> pages;
    SharedGroup shared;
    FaceBoard board;
};

MainWindow::MainWindow() : QWidget(nullptr, kFixedWindowFlags) {
    setWindowTitle(texts::kCaption);
    setWindowIcon(applicationIcon());
    setFixedSize(layout::kClientSize);
    paintWhite(*this);

    areas_ = std::make_unique<Areas>(this);
    areas_->shared = buildSharedGroup(this);
    buildSettingsColumn();
    areas_->logo = makeLogo(this);
    stackTopmostFirst({areas_->logo, areas_->tabs, areas_->shared.group, &areas_->board.group()});
    placeInScreenCentre(*this);
    connectBoardToTabs();
}

MainWindow::~MainWindow() = default;

FaceBoard& MainWindow::board() const {
    return areas_->board;
}
VerticalTabControl& MainWindow::settingsTabs() const {
    return *areas_->tabs;
}
SettingsPage& MainWindow::settingsPage(ButtonState state) const {
    return areas_->pages[indexOf(state)];
}
SharedGroup& MainWindow::sharedGroup() const {
    return areas_->shared;
}

void MainWindow::buildSettingsColumn() {
    auto* tabs = new VerticalTabControl(this);
    tabs->setObjectName("高级选择夹1");
    tabs->setGeometry(layout::kTabControlPlace);
    paintWhite(*tabs);
    tabs->setTabColour(kInitialTabColour);
    tabs->setHotTabColour(kInitialHotTabColour);
    tabs->setCurrentTabColour(kInitialCurrentTabColour);
    // Pages fill the control left of the tab column, so page places are the control's.
    const QRect pageArea(0, 0, tabs->width() - VerticalTabControl::kTabThickness, tabs->height());
    for (ButtonState state : kButtonStates) {
        auto* page = new QWidget;
        areas_->pages[indexOf(state)] = buildSettingsPage(state, page);
        tabs->addPage(page, texts::kTabTitles[indexOf(state)], texts::kTabToolTips[indexOf(state)]);
        page->setGeometry(pageArea);
    }
    areas_->tabs = tabs;
}

void MainWindow::connectBoardToTabs() {
    connect(areas_->tabs, &VerticalTabControl::pageChanged, this, &MainWindow::showPageSelection);
    for (ButtonState state : kButtonStates) {
        // Only the face's visible region reacts: over a cut-away corner its canvas lies,
        // which has no reaction.
        connect(&areas_->board.face(state), &FaceWidget::leftButtonReleased, this,
                [this, state] { areas_->tabs->setCurrentPage(static_cast<int>(indexOf(state))); });
    }
}

// The tabs take the page's colours and the selection frame moves to the page's face.
void MainWindow::showPageSelection(int page) {
    if (page < 0 || page >= static_cast<int>(kButtonStates.size())) return;
    const PageTabColours& colours = kPageTabColours[static_cast<std::size_t>(page)];
    areas_->tabs->setHotTabColour(colours.hot);
    areas_->tabs->setCurrentTabColour(colours.current);
    areas_->board.frameFace(kButtonStates[static_cast<std::size_t>(page)]);
}

}  // namespace brontel
