// The skin gives every face all three looks, each of the face's own size.
#include "panel/SkinArt.h"

#include <gtest/gtest.h>

using namespace player;

TEST(SkinArtTest, EveryFaceHasItsThreeLooksAtItsSize) {
    const PanelArt art = skinPanelArt();
    EXPECT_EQ(art.background.size(), QSize(604, 196));
    for (int face = 0; face < kFaceCount; ++face) {
        const FaceSpec& spec = faceSpec(face);
        const QSize size(spec.width / 15, spec.height / 15);
        for (FaceImage look : {FaceImage::Normal, FaceImage::Pressed, FaceImage::Hover}) {
            SCOPED_TRACE(std::string(spec.name) + " look " + std::to_string(int(look)));
            EXPECT_EQ(art.image(face, look).size(), size);
        }
        EXPECT_NE(art.image(face, FaceImage::Normal).toImage(),
                  art.image(face, FaceImage::Hover).toImage());
        EXPECT_NE(art.image(face, FaceImage::Normal).toImage(),
                  art.image(face, FaceImage::Pressed).toImage());
    }
}
