#pragma once
// The slideshow over a folder of small pictures of one colour each, named after it.
#include "TempDir.h"
#include "device/FakeDevice.h"
#include "pictures/BackgroundPictures.h"

#include <QDir>
#include <deque>
#include <fstream>

class PictureRig {
public:
    PictureRig() {
        save("blue.bmp", Qt::blue);
        save("Green.BMP", Qt::green);
        save("red.jpg", Qt::red);
        std::ofstream(dir / "broken.gif") << "not a picture";
        // Picture names are relative to the application folder, the current folder.
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
        FileList.refresh();
        FileList.setListIndex(0);
        state.PicturesAvailable = player::True;
        lyricScreen.resize(64, 48);
        Image1.resize(64, 48);
        Image2.setPicture(QPixmap::fromImage(solid(Qt::yellow)));
        device.setSongLength(100);
    }
    ~PictureRig() { QDir::setCurrent(previousFolder); }

    static QImage solid(Qt::GlobalColor colour) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(colour);
        return picture;
    }

    // The colour the lyric screen's background shows, by name.
    QString shown() const {
        const QColor c = Image1.surface().pixelColor(32, 24);
        if (c.red() > 200 && c.green() > 200 && c.blue() < 60)
            return "yellow";
        if (c.red() > 200)
            return "red";
        if (c.green() > 200)
            return "green";
        if (c.blue() > 200)
            return "blue";
        return c.name();
    }

    void play() {
        device.open("Input.bin");
        device.play();
    }

    testkit::TempDir dir;
    QString previousFolder = QDir::currentPath();
    player::PlayerState state;
    player::FakeDevice device;
    QWidget panel;
    QWidget lyricScreen;
    player::PictureCanvas Image1{&lyricScreen};
    player::ImageBox Image2;
    QLabel LblVersion;
    player::FileListBox FileList{QStringLiteral("*.bmp;*.jpg;*.gif")};
    std::deque<double> draws;
    player::BackgroundPictures pictures{state,
                                        device,
                                        FileList,
                                        Image1,
                                        Image2,
                                        LblVersion,
                                        [this] {
                                            const double next = draws.front();
                                            draws.pop_front();
                                            return next;
                                        },
                                        panel};

private:
    void save(const char* name, Qt::GlobalColor colour) {
        solid(colour).save(QString::fromStdString((dir / name).string()));
    }
};
