#include "monkey.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <random>

#include "heap_in_use.h"
#include "model/shared_settings.h"
#include "ui/chooser_dialogs.h"
#include "ui/dialog_wiring.h"
#include "ui/main_window.h"
#include "ui/settings_handlers.h"

namespace brontel {
namespace {

// Answers the font and picture dialogs at random: cancelled, or a font or file from a small
// set that includes fonts the desktop lacks and files that are no pictures.
class RandomChooserDialogs : public ChooserDialogs {
public:
    explicit RandomChooserDialogs(std::uint32_t seed) : random_(seed) {
        QImage image(23, 17, QImage::Format_RGB32);
        image.fill(Qt::darkMagenta);
        image.save(pictures_.filePath("small.bmp"), "BMP");
        image.save(pictures_.filePath("small.png"), "PNG");
        QFile text(pictures_.filePath("notes.txt"));
        if (text.open(QIODevice::WriteOnly)) text.write("no picture");
        QDir(pictures_.path()).mkdir("folder");
    }

    std::optional<FontSpec> chooseFont(const FontChooser&) override {
        if (below(4) == 0) return std::nullopt;
        const char* const names[] = {"SimSun", "宋体", "WenQuanYi Micro Hei", "No Such Font", ""};
        const int sizes[] = {0, 1, 9, 12, 36, 72, 200, -5};
        return FontSpec{.angle = below(3600),
                        .bold = below(2) == 0,
                        .italic = below(2) == 0,
                        .strikeout = below(4) == 0,
                        .underline = below(4) == 0,
                        .size = sizes[below(std::size(sizes))],
                        .name = names[below(std::size(names))]};
    }

    std::optional<QString> choosePictureFile(const PictureFileChooser&) override {
        if (below(4) == 0) return std::nullopt;
        const char* const files[] = {"small.bmp", "small.png", "notes.txt", "folder",
                                     "missing.gif"};
        return pictures_.filePath(files[below(std::size(files))]);
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    std::mt19937 random_;
    QTemporaryDir pictures_;
};

// The main window wired as the program wires it, with the choosers answered at random.
struct MonkeyWindow {
    explicit MonkeyWindow(std::uint32_t seed) : dialogs(seed) {
        connectSettingsHandlers(window, shared, dialogs);
        connectDialogHandlers(window, shared);
    }

    SharedSettings shared;
    RandomChooserDialogs dialogs;
    MainWindow window;
};

constexpr std::uint32_t kSeed = 20261211;
constexpr int kHalf = 10000;
// Far above the run's usual length even under the sanitizers on a loaded machine: reaching
// it means the run is stuck rather than slow.
constexpr std::chrono::seconds kTimeLimit{240};

// What the second half may keep beyond the first: caches filled by things met for the
// first time only then. A font face or size first drawn keeps its shaping tables and glyphs
// (tens of KiB each), a window first shown its backing store (a popup list up to about
// 120 KiB). Measured at 0.35 to 0.45 MiB. A leak of 105 bytes per event exceeds it over
// 10,000 events.
constexpr long long kSecondHalfGrowthBound = 1024 * 1024;

// The heap the program keeps, less the four images of the last capture: they are replaced
// at every capture and their size follows the button's current size, not the run's length.
long long heapKept(const SharedSettings& shared) {
    long long bytes = static_cast<long long>(test::heapInUse());
    for (const Bytes& image : shared.stateImages) bytes -= static_cast<long long>(image.capacity());
    return bytes;
}

TEST(Monkey, RandomEventsNeitherCrashNorGrowTheHeap) {
    // The style's pixmap cache keeps up to 10 MiB of button pictures, new ones for every new
    // palette: bounded, but it would hide a leak. Without it, the heap shows what the program
    // itself keeps.
    QPixmapCache::setCacheLimit(0);
    MonkeyWindow wired(kSeed);
    wired.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wired.window));
    wired.window.activateWindow();

    test::Monkey monkey(wired.window, kSeed, kTimeLimit);
    ASSERT_TRUE(monkey.runUntil(kHalf))
        << "the first half did not finish in time; " << monkey.eventsSent() << " events sent";
    const long long afterFirstHalf = heapKept(wired.shared);
    const int nestedInFirstHalf = monkey.nestedWindowsMet();
    ASSERT_TRUE(monkey.runUntil(2 * kHalf))
        << "the second half did not finish in time; " << monkey.eventsSent() << " events sent";
    const long long afterSecondHalf = heapKept(wired.shared);

    std::printf(
        "heap kept after %d events: %lld bytes; after %d: %lld bytes (%+lld); "
        "popups and dialogs met: %d, then %d\n",
        kHalf, afterFirstHalf, 2 * kHalf, afterSecondHalf, afterSecondHalf - afterFirstHalf,
        nestedInFirstHalf, monkey.nestedWindowsMet() - nestedInFirstHalf);
    EXPECT_LE(afterSecondHalf - afterFirstHalf, kSecondHalfGrowthBound);
    EXPECT_TRUE(wired.window.isVisible());
}

}  // namespace
}  // namespace brontel
