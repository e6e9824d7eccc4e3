#pragma once
// The typefaces the art is lettered in, loaded from their files so the pictures come out
// the same on every machine. Needs a QGuiApplication.
#include <QFont>
#include <QString>
#include <optional>

namespace skin {

struct SkinFonts {
    QString sans;  // DejaVu Sans, regular and bold
    QString serif; // DejaVu Serif, regular and bold

    QFont sansFont(qreal pixelSize, bool bold) const;
    QFont serifFont(qreal pixelSize, bool bold) const;
};

// Loads the DejaVu files from the folder; nothing when one of them is missing or broken.
std::optional<SkinFonts> loadSkinFonts(const QString& folder);

} // namespace skin
