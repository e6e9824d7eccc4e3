#include "FontFaceCount.h"
#include "LyricFonts.h"

#include <filesystem>
#include <fstream>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The code points of the letters file: UTF-8, blanks and # lines ignored.
std::vector<char32_t> vietnameseLetters() {
    std::ifstream in(VIETNAMESE_LETTERS, std::ios::binary);
    std::vector<char32_t> letters;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        for (size_t i = 0; i < line.size();) {
            auto lead = static_cast<unsigned char>(line[i]);
            int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
            char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
            for (int k = 1; k <= extra; ++k)
                code = (code << 6) | (static_cast<unsigned char>(line[i + k]) & 0x3F);
            i += extra + 1;
            if (code != U' ')
                letters.push_back(code);
        }
    }
    return letters;
}

struct FreeTypeDone {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDone {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

class LyricFontFiles : public ::testing::Test {
protected:
    void SetUp() override {
        FT_Library raw = nullptr;
        ASSERT_EQ(FT_Init_FreeType(&raw), 0);
        library.reset(raw);
    }
    std::unique_ptr<FT_FaceRec_, FaceDone> open(const std::filesystem::path& file) {
        FT_Face face = nullptr;
        EXPECT_EQ(FT_New_Face(library.get(), file.c_str(), 0, &face), 0) << file;
        return std::unique_ptr<FT_FaceRec_, FaceDone>(face);
    }
    std::unique_ptr<FT_LibraryRec_, FreeTypeDone> library;
};

TEST_F(LyricFontFiles, EachIsOneFaceOfItsFamilyAndWeight) {
    for (const auto& font : lyricfonts::table) {
        auto file = lyricfonts::appDir() / font.file;
        SCOPED_TRACE(font.file);
        ASSERT_EQ(platform::fontFaceCount(file.string()), 1);
        auto face = open(file);
        ASSERT_TRUE(face);
        EXPECT_STREQ(face->family_name, font.family);
        EXPECT_EQ((face->style_flags & FT_STYLE_FLAG_BOLD) != 0, font.bold);
        EXPECT_EQ(face->style_flags & FT_STYLE_FLAG_ITALIC, 0)
            << "an italic face answers no plain request";
        FT_ULong glyf = 0;
        EXPECT_EQ(
            FT_Load_Sfnt_Table(face.get(), FT_MAKE_TAG('g', 'l', 'y', 'f'), 0, nullptr, &glyf), 0)
            << "TrueType outlines, as the .ttf name says";
    }
}

TEST_F(LyricFontFiles, EachCoversEveryVietnameseLetter) {
    auto letters = vietnameseLetters();
    ASSERT_GT(letters.size(), 180u);
    for (const auto& font : lyricfonts::table) {
        auto face = open(lyricfonts::appDir() / font.file);
        ASSERT_TRUE(face);
        std::u32string missing;
        for (char32_t letter : letters) {
            if (FT_Get_Char_Index(face.get(), letter) == 0)
                missing += letter;
        }
        EXPECT_TRUE(missing.empty()) << font.file << " lacks " << missing.size() << " letters";
    }
}

TEST_F(LyricFontFiles, TheirLicencesLieBesideThem) {
    int licences = 0;
    for (const auto& entry : std::filesystem::directory_iterator(lyricfonts::appDir())) {
        if (entry.path().filename().string().starts_with("LICENSE-fonts-"))
            licences += entry.file_size() > 0;
    }
    EXPECT_EQ(licences, 5) << "one per Debian font package the fonts come from";
}

} // namespace
