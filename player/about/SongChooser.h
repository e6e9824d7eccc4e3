#pragma once
// The file-open dialog the Open face brings up, behind an interface so the flow around it
// can be driven without a user.
#include <QString>

namespace player {

struct SongChoice {
    enum class Outcome {
        Cancelled,
        NoName, // closed with an empty file name
        Chosen,
    };
    Outcome outcome = Outcome::Cancelled;
    QString path; // full path of the chosen song
};

class SongChooser {
public:
    virtual ~SongChooser() = default;
    // Blocks until the user closes the dialog; the chosen file exists at that moment.
    virtual SongChoice chooseSong(const QString& startFolder) = 0;
};

} // namespace player
