#include "SkinFonts.h"

#include <QDir>
#include <QFontDatabase>

namespace skin {
namespace {

std::optional<QString> addFamily(const QDir& folder, const char* file) {
    const int id = QFontDatabase::addApplicationFont(folder.filePath(QString::fromLatin1(file)));
    if (id < 0)
        return std::nullopt;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return std::nullopt;
    return families.first();
}

QFont makeFont(const QString& family, qreal pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

QFont SkinFonts::sansFont(qreal pixelSize, bool bold) const {
    return makeFont(sans, pixelSize, bold);
}

QFont SkinFonts::serifFont(qreal pixelSize, bool bold) const {
    return makeFont(serif, pixelSize, bold);
}

std::optional<SkinFonts> loadSkinFonts(const QString& folder) {
    const QDir dir(folder);
    const auto sans = addFamily(dir, "DejaVuSans.ttf");
    const auto sansBold = addFamily(dir, "DejaVuSans-Bold.ttf");
    const auto serif = addFamily(dir, "DejaVuSerif.ttf");
    const auto serifBold = addFamily(dir, "DejaVuSerif-Bold.ttf");
    if (!sans || !sansBold || !serif || !serifBold)
        return std::nullopt;
    return SkinFonts{*sans, *serif};
}

} // namespace skin
