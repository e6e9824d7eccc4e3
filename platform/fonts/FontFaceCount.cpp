#include "FontFaceCount.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <memory>

namespace platform {
namespace {

struct LibraryDone {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDone {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

} // namespace

int fontFaceCount(const std::string& file) {
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) != 0)
        return 0;
    std::unique_ptr<FT_LibraryRec_, LibraryDone> library(raw);
    FT_Face face = nullptr;
    // Face index -1 asks only whether the file is a font and how many faces it has.
    if (FT_New_Face(library.get(), file.c_str(), -1, &face) != 0)
        return 0;
    std::unique_ptr<FT_FaceRec_, FaceDone> owned(face);
    return face->num_faces > 0 ? static_cast<int>(face->num_faces) : 0;
}

} // namespace platform
