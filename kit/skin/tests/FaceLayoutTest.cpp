// The drawn keys against the panel's active rectangles: a click on a key must land in its
// face's rectangle, and the key must keep off the face's edge that blends into the panel.
#include "art/FacePainter.h"
#include "art/PanelLayout.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using skin::FaceLayout;
using skin::SkinFace;

namespace {

struct Named {
    std::string name;
    FaceLayout layout;
};

std::vector<Named> allFaces() {
    std::vector<Named> all;
    for (int i = 0; i < skin::kSkinFaceCount; ++i)
        all.push_back({"face " + std::to_string(i), skin::faceLayout(static_cast<SkinFace>(i))});
    for (int i = 0; i < skin::kSkinFontFaceCount; ++i)
        all.push_back({"font face " + std::to_string(i), skin::fontFaceLayout(i)});
    return all;
}

TEST(FaceLayout, KeyCoversTheActiveRectangleAndKeepsOffTheEdge) {
    for (const Named& f : allFaces()) {
        const QRectF& key = f.layout.key;
        EXPECT_TRUE(key.contains(f.layout.hit)) << f.name;
        const QRectF inner =
            QRectF(QPointF(0, 0), QSizeF(f.layout.size))
                .adjusted(skin::kFaceEdge, skin::kFaceEdge, -skin::kFaceEdge, -skin::kFaceEdge);
        EXPECT_TRUE(inner.contains(key)) << f.name;
    }
}

TEST(FaceLayout, FacesDoNotOverlapOnThePanel) {
    const std::vector<Named> all = allFaces();
    for (std::size_t a = 0; a < all.size(); ++a)
        for (std::size_t b = a + 1; b < all.size(); ++b) {
            const QRect ra(all[a].layout.place, all[a].layout.size);
            const QRect rb(all[b].layout.place, all[b].layout.size);
            EXPECT_FALSE(ra.intersects(rb)) << all[a].name << " and " << all[b].name;
        }
}

} // namespace
