#include "LyricCharacters.h"

#include "lyricdata/LyricText.h"

#include <QTextBoundaryFinder>

namespace player {

bool isLyricMarker(const QString& character) {
    return character == u"/" || character == u"\\";
}

QStringList lyricCharacters(std::string_view bytes) {
    const QString text = lyricBytesToText(bytes);
    QStringList characters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        if (end > start)
            characters.append(text.mid(start, end - start));
        start = end;
    }
    return characters;
}

QString visibleLyricText(std::string_view bytes) {
    QString text;
    for (const QString& character : lyricCharacters(bytes))
        if (!isLyricMarker(character))
            text += character;
    return text;
}

} // namespace player
