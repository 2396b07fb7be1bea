#include "cli/design_writer.h"

#include <gtest/gtest.h>

#include "cli/design_reader.h"

namespace brontel {
namespace {

Design readBack(const std::string& text) {
    const DesignReading reading = parseDesign(QByteArray::fromStdString(text), "d.json", ".");
    EXPECT_EQ(reading.error, "");
    return reading.design.value_or(Design{});
}

TEST(DesignWriter, TheInitialDesignReadsBackUnchanged) {
    const std::string text = writeDesign(initialDesign());
    EXPECT_EQ(readBack(text), initialDesign());
    EXPECT_NE(text.find("\"caption\": \"正常按钮文字\""), std::string::npos);
    EXPECT_NE(text.find("\"backColour\": \"#FFA8FF\""), std::string::npos);  // red first
    EXPECT_NE(text.find("\"canvasColour\": \"#00FF00\""), std::string::npos);
}

TEST(DesignWriter, EveryFieldSurvivesAWriteAndARead) {
    Design design = initialDesign();
    design.width = 100;
    design.height = 1;
    design.cornerDiameter = -3;
    StateDesign& hot = design.states[1];
    hot.face.setCaption("引号\"与\\反斜杠\n\t与控制符\x01");
    hot.face.setFont(FontSpec{-450, true, false, true, false, -9, "Noto \"Sans\""});
    hot.face.setBorder(6);
    hot.face.setFrameWidth(17);
    hot.face.setFrameColour2(NoColour);
    hot.face.setGradientMode(4);
    hot.face.setGradientColour3(0x0A0B0C);
    hot.face.setWordWrap(-2);
    hot.canvasColour = NoColour;
    EXPECT_EQ(readBack(writeDesign(design)), design);
}

}  // namespace
}  // namespace brontel
