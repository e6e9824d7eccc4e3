#include "SkinFiles.h"

#include <array>

namespace skin {
namespace {

QString lookSuffix(SkinLook look) {
    switch (look) {
    case SkinLook::Normal:
        return QStringLiteral("normal");
    case SkinLook::Pressed:
        return QStringLiteral("pressed");
    case SkinLook::Hover:
        return QStringLiteral("hover");
    }
    return {};
}

} // namespace

QString faceName(SkinFace face) {
    static const std::array<const char*, kSkinFaceCount> names = {
        "PicPower", "PicAuto", "PicPlay", "PicStop", "PicPaus", "PicPrev",
        "PicNext",  "PicOpen", "PicList", "PicAbou", "PicTrUp", "PicTrDn"};
    return QString::fromLatin1(names.at(static_cast<std::size_t>(face)));
}

QString faceImageFile(SkinFace face, SkinLook look) {
    return faceName(face) + u'-' + lookSuffix(look) + QStringLiteral(".png");
}

QString fontImageFile(int index, SkinLook look) {
    return QStringLiteral("PicFont%1-%2.png").arg(index).arg(lookSuffix(look));
}

QString pictureFile(SkinPicture picture) {
    switch (picture) {
    case SkinPicture::ImgMain:
        return QStringLiteral("ImgMain.png");
    case SkinPicture::ImgLedS:
        return QStringLiteral("ImgLedS.png");
    case SkinPicture::ImgLedN:
        return QStringLiteral("ImgLedN.png");
    case SkinPicture::AboutPicture:
        return QStringLiteral("AboutPicture.png");
    case SkinPicture::AboutLogo:
        return QStringLiteral("AboutLogo.png");
    }
    return {};
}

} // namespace skin
