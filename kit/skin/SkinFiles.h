#pragma once
// The file names of the panel's pictures: the generator writes them under these names and
// the resource paths of Skin.h are built from them.
#include "Skin.h"

namespace skin {

// "PicPlay", "PicTrDn": the name of the face's picture box.
QString faceName(SkinFace face);
// "PicPlay-hover.png"
QString faceImageFile(SkinFace face, SkinLook look);
// "PicFont3-pressed.png"
QString fontImageFile(int index, SkinLook look);
// "ImgMain.png"
QString pictureFile(SkinPicture picture);

} // namespace skin
