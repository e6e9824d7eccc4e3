#pragma once
// The shaped-window control. It keeps a polygon outline as text (PointStr, with its count
// arrLength kept beside it), cuts its parent window to that polygon each time it is shown
// at run time, lets the user drag the parent by pressing on it, and unloads the parent on
// Escape. Failures of the point methods come back as ControlError values.
#include "contolib/ControlResult.h"
#include "contolib/Point.h"
#include "contolib/contolib_export.h"

#include <QImage>
#include <QString>
#include <QStringView>
#include <QWidget>
#include <optional>
#include <vector>

namespace contolib {

class ControlHost;
class PropertyBag;

class CONTOLIB_EXPORT Contora : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 arrLength READ arrLength WRITE setArrLength)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(QString PointStr READ PointStr DESIGNABLE false)

public:
    static constexpr const char* PictureHelp =
        "Returns/sets a graphic to be displayed in a control.";

    Contora(ControlHost& host, QWidget* parent);

    qint16 arrLength() const { return arrLength_; }
    // Leaves PointStr and the point cache as they are.
    void setArrLength(qint16 length) {
        arrLength_ = length;
        pointsCurrent_ = false;
    }

    // Takes the first CR LF-terminated field off s and reads it as a number; without a
    // CR LF the field is empty and s loses one character. Never fails.
    qint32 GetNextValue(QString& s) const;
    // Rebuilds the point cache from s: indexes 0 to arrLength, the last one the closing
    // slot (0, 0). Reads 2 x arrLength values off s; missing ones read as 0.
    void ExtrudeValues(QString& s);
    // Replaces s by the text form of the cache, closing slot included; fails with error 9
    // when the cache holds fewer than arrLength + 1 points.
    std::optional<ControlError> PackValues(QString& s) const;

    // Appends the point to PointStr, notifies the host, counts it and empties the cache.
    void AddPoint(float x, float y);
    // Empties the list without notifying the host; the cache stays as it was.
    void Clear();
    // Rebuilds the cache from PointStr first.
    ControlResult<qint32> GetPointX(qint16 idx);
    // Reads the cache as it stands.
    ControlResult<qint32> GetPointY(qint16 idx) const;

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

    const QString& PointStr() const { return pointStr_; }
    // Refused with error 382 in a form designer; otherwise stored and notified.
    std::optional<ControlError> setPointStr(const QString& text);

    // The host's lifecycle calls.
    void initProperties();
    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void resetPoints(qint16 length);
    void shapeParent();
    QPointF positionInTwips(const QMouseEvent* event) const;

    ControlHost& host_;
    qint16 arrLength_ = 0;
    QString pointStr_;
    std::vector<Point> arrPoints_;
    // arrPoints_ is what PointStr gives at the current arrLength: GetPointX need not parse
    // the whole text again, which made tracing a long outline quadratic.
    bool pointsCurrent_ = false;
    QImage picture_;

    bool dragging_ = false;
    float downX_ = 0;
    float downY_ = 0;
};

} // namespace contolib
