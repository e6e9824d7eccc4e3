// Draws the panel's pictures into a folder, or all of them on one contact sheet.
//   melodeck-skin-art --fonts <dejavu folder> --out <folder>
//   melodeck-skin-art --fonts <dejavu folder> --sheet <file.png>
#include "../art/ContactSheet.h"
#include "../art/SkinFonts.h"
#include "../art/SkinSet.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    // Drawing needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption fontsOption("fonts", "Folder of the DejaVu font files.", "folder");
    const QCommandLineOption outOption("out", "Folder to write the pictures into.", "folder");
    const QCommandLineOption sheetOption("sheet", "Contact sheet to write.", "file");
    parser.addOptions({fontsOption, outOption, sheetOption});
    parser.addHelpOption();
    parser.process(app);
    if (!parser.isSet(fontsOption) || parser.isSet(outOption) == parser.isSet(sheetOption)) {
        std::fprintf(stderr, "melodeck-skin-art: give --fonts and one of --out or --sheet\n");
        return 2;
    }

    const auto fonts = skin::loadSkinFonts(parser.value(fontsOption));
    if (!fonts) {
        std::fprintf(stderr, "melodeck-skin-art: cannot load the DejaVu fonts from %s\n",
                     qPrintable(parser.value(fontsOption)));
        return 1;
    }
    const skin::SkinSet set = skin::renderSkin(*fonts);

    if (parser.isSet(sheetOption)) {
        const QString file = parser.value(sheetOption);
        if (!skin::contactSheet(set, *fonts).save(file)) {
            std::fprintf(stderr, "melodeck-skin-art: cannot write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    const QDir out(parser.value(outOption));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "melodeck-skin-art: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    for (const auto& [name, image] : skin::skinFiles(set)) {
        if (!image.save(out.filePath(name))) {
            std::fprintf(stderr, "melodeck-skin-art: cannot write %s\n",
                         qPrintable(out.filePath(name)));
            return 1;
        }
    }
    return 0;
}
