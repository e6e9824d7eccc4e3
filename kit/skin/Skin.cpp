#include "Skin.h"

#include "SkinFiles.h"

namespace skin {
namespace {

QString resource(const QString& file) {
    return QStringLiteral(":/skin/") + file;
}

} // namespace

QString skinImagePath(SkinFace face, SkinLook look) {
    return resource(faceImageFile(face, look));
}

QString skinFontImagePath(int index, SkinLook look) {
    return resource(fontImageFile(index, look));
}

QString skinPicturePath(SkinPicture picture) {
    return resource(pictureFile(picture));
}

} // namespace skin
