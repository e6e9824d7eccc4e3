// The scale check of the panel's first activation.
#include "startup/FirstActivation.h"

#include "startup/StartupTexts.h"

#include <gtest/gtest.h>

using namespace player;

TEST(FirstActivationTest, OnlyTheNormalScaleMeasuresExactly) {
    struct Row {
        int dpiX, dpiY;
        bool normal;
    } rows[] = {{96, 96, true},    {120, 120, false}, {144, 144, false}, {72, 72, false},
                {192, 192, false}, {96, 120, false},  {0, 96, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.dpiX) + "x" + std::to_string(r.dpiY));
        EXPECT_EQ(scaleIsNormal(r.dpiX, r.dpiY), r.normal);
    }
}

TEST(FirstActivationTest, OutlineAtNormalScaleOtherwiseOneMessage) {
    struct Row {
        int dpi;
        bool outline;
        int boxes;
        const char* status;
    } rows[] = {{96, true, 0, "Ready"}, {120, false, 1, "Bad scale mode."}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.dpi);
        PlayerState state;
        int outlines = 0;
        QLabel LblVersion("Ready");
        std::vector<QString> boxes;
        FirstActivation activation(
            state, [&] { ++outlines; }, LblVersion,
            [&](const QString& text) { boxes.push_back(text); });
        activation.Form_Activate(r.dpi, r.dpi);
        activation.Form_Activate(r.dpi, r.dpi); // later activations do nothing
        EXPECT_TRUE(state.PanelActivated);
        EXPECT_EQ(outlines, r.outline ? 1 : 0);
        EXPECT_EQ(static_cast<int>(boxes.size()), r.boxes);
        EXPECT_EQ(LblVersion.text(), r.status);
        if (r.boxes == 1) {
            EXPECT_EQ(boxes[0], badScaleText());
        }
    }
}
