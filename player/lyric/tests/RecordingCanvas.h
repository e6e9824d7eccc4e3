#pragma once
// A canvas that keeps what is drawn as readable text: each run of characters printed in
// one colour from one place becomes one entry. Every character is (font size x 10) twips
// wide, so placements can be worked out by hand.
#include "lyric/LyricCanvas.h"

#include <string>
#include <vector>

class RecordingCanvas : public player::LyricCanvas {
public:
    // Sizes at which setFontSize fails.
    std::vector<int> failingSizes;
    std::vector<std::string> events;

    bool setFontSize(int points) override {
        for (int failing : failingSizes)
            if (failing == points)
                return false;
        if (points != size_)
            events.push_back("font " + std::to_string(points));
        size_ = points;
        return true;
    }
    int fontSize() const override { return size_; }
    double textWidth(const QString& text) const override {
        return static_cast<double>(text.size()) * size_ * 10;
    }
    void setColour(const QColor& colour) override {
        colour_ = colour;
        runOpen_ = false;
    }
    void moveTo(double x, double y) override {
        x_ = x;
        y_ = y;
        runOpen_ = false;
    }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void print(const QString& character) override {
        if (!runOpen_) {
            events.push_back(colourName() + " " + std::to_string(static_cast<int>(x_)) + "," +
                             std::to_string(static_cast<int>(y_)) + " ");
            runOpen_ = true;
        }
        events.back() += character.toStdString();
        x_ += textWidth(character);
    }
    void repaintPicture() override {
        events.push_back("clear");
        runOpen_ = false;
    }

    std::string take() {
        std::string joined;
        for (const auto& event : events)
            joined += (joined.empty() ? "" : "; ") + event;
        events.clear();
        runOpen_ = false;
        return joined;
    }

private:
    std::string colourName() const {
        if (colour_ == QColor(0, 0, 0))
            return "shadow";
        if (colour_ == QColor(255, 32, 32))
            return "unsung";
        if (colour_ == QColor(255, 255, 128))
            return "sung";
        return colour_.name().toStdString();
    }

    int size_ = 26;
    QColor colour_;
    double x_ = 0;
    double y_ = 0;
    bool runOpen_ = false;
};
