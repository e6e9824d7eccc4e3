#include "SkinSet.h"

#include "../SkinFiles.h"
#include "AboutPainter.h"
#include "FaceContent.h"
#include "FacePainter.h"
#include "LampPainter.h"
#include "PanelLayout.h"
#include "PanelPainter.h"

#include <QPainter>

namespace skin {
namespace {

std::size_t at(SkinLook look) {
    return static_cast<std::size_t>(look);
}

FaceLooks paintLooks(const QImage& body, const FaceArt& art) {
    const QImage beneath = body.copy(QRect(art.layout.place, art.layout.size));
    FaceLooks looks;
    for (const SkinLook look : kLooks)
        looks[at(look)] = paintFace(beneath, art, look);
    return looks;
}

bool hasStateLamp(SkinFace face) {
    return face == SkinFace::PicPlay || face == SkinFace::PicStop || face == SkinFace::PicPaus;
}

} // namespace

const QImage& SkinSet::face(SkinFace f, SkinLook look) const {
    return faces.at(static_cast<std::size_t>(f)).at(at(look));
}

const QImage& SkinSet::fontFace(int index, SkinLook look) const {
    return fontFaces.at(static_cast<std::size_t>(index)).at(at(look));
}

SkinSet renderSkin(const SkinFonts& fonts) {
    SkinSet set;
    const QImage body = paintPanelBody(fonts);
    set.panel = body;
    QPainter panel(&set.panel);
    for (int i = 0; i < kSkinFaceCount; ++i) {
        const auto face = static_cast<SkinFace>(i);
        const FaceLayout layout = faceLayout(face);
        const FaceArt art{layout, faceContent(face, layout.key, fonts), hasStateLamp(face)};
        set.faces.at(static_cast<std::size_t>(i)) = paintLooks(body, art);
        panel.drawImage(layout.place, set.face(face, SkinLook::Normal));
    }
    for (int i = 0; i < kSkinFontFaceCount; ++i) {
        const FaceLayout layout = fontFaceLayout(i);
        const FaceArt art{layout, fontFaceContent(i, layout.key, fonts), false};
        set.fontFaces.at(static_cast<std::size_t>(i)) = paintLooks(body, art);
        panel.drawImage(layout.place, set.fontFace(i, SkinLook::Normal));
    }
    const QImage beneathLamp = body.copy(lampRect(0));
    set.lampLit = paintLamp(beneathLamp, true);
    set.lampUnlit = paintLamp(beneathLamp, false);
    for (int i = 0; i < 3; ++i)
        panel.drawImage(lampRect(i).topLeft(), set.lampUnlit);
    panel.end();
    set.aboutPicture = paintAboutPicture(fonts);
    set.aboutLogo = paintAboutLogo(fonts);
    return set;
}

std::vector<std::pair<QString, QImage>> skinFiles(const SkinSet& set) {
    std::vector<std::pair<QString, QImage>> files;
    for (int i = 0; i < kSkinFaceCount; ++i) {
        const auto face = static_cast<SkinFace>(i);
        for (const SkinLook look : kLooks)
            files.emplace_back(faceImageFile(face, look), set.face(face, look));
    }
    for (int i = 0; i < kSkinFontFaceCount; ++i) {
        for (const SkinLook look : kLooks)
            files.emplace_back(fontImageFile(i, look), set.fontFace(i, look));
    }
    files.emplace_back(pictureFile(SkinPicture::ImgMain), set.panel);
    files.emplace_back(pictureFile(SkinPicture::ImgLedS), set.lampLit);
    files.emplace_back(pictureFile(SkinPicture::ImgLedN), set.lampUnlit);
    files.emplace_back(pictureFile(SkinPicture::AboutPicture), set.aboutPicture);
    files.emplace_back(pictureFile(SkinPicture::AboutLogo), set.aboutLogo);
    return files;
}

} // namespace skin
