// The folder lists: patterns and order without regard to letter case.
#include "filelist/FileListBox.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace player;

namespace {

QStringList entries(const FileListBox& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.item(i)->text();
    return names;
}

TEST(FileListBox, ListsMatchingFilesSortedWithoutRegardToCase) {
    testkit::TempDir dir;
    for (const char* name :
         {"zebra.kar", "Apple.MID", "SONG.KAR", "banana.Kar", "notes.txt", "song.kar.bak", "mid"})
        std::ofstream(dir / name) << "x";
    std::filesystem::create_directory(dir / "folder.kar");

    FileListBox list(QStringLiteral("*.kar;*.mid"));
    list.setFolder(QString::fromStdString(dir.path().string()));
    list.refresh();
    EXPECT_EQ(entries(list), (QStringList{"Apple.MID", "banana.Kar", "SONG.KAR", "zebra.kar"}));
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.fileName(), "");
    list.setListIndex(2);
    EXPECT_EQ(list.fileName(), "SONG.KAR");
}

} // namespace
