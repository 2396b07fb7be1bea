#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need a full QApplication (focus, popups, clipboard) but never a screen.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
