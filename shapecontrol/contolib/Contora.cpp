#include "contolib/Contora.h"

#include "contolib/ControlHost.h"
#include "contolib/NumberText.h"
#include "contolib/OutlineRegion.h"
#include "contolib/PropertyBag.h"
#include "contolib/Twips.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <limits>

namespace contolib {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString NumOfPointsKey = QStringLiteral("NumOfPoints");
const QString PictureKey = QStringLiteral("Picture");
const QString PointStrKey = QStringLiteral("PointStr");
const QString FreshPointStr = QStringLiteral("0");

// The polygon builder takes at most this many vertices.
constexpr qsizetype MaxVertices = std::numeric_limits<qint16>::max();

qint32 takeValue(QStringView& rest) {
    const qsizetype p = rest.indexOf(CrLf);
    if (p < 0) {
        if (!rest.isEmpty())
            rest = rest.sliced(1);
        return 0;
    }
    const QStringView field = rest.first(p);
    rest = rest.sliced(p + 2);
    return readNumber(field);
}

// Pictures travel in the form data as base64 PNG; anything that does not decode is none.
QImage decodePicture(const QString& text) {
    if (text.isEmpty())
        return {};
    QImage picture;
    if (!picture.loadFromData(QByteArray::fromBase64(text.toLatin1())))
        return {};
    return picture;
}

QString encodePicture(const QImage& picture) {
    if (picture.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return {};
    return QString::fromLatin1(bytes.toBase64());
}

} // namespace

Contora::Contora(ControlHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setFocusPolicy(Qt::StrongFocus);
    resetPoints(1);
}

void Contora::resetPoints(qint16 length) {
    // A negative count has no array of points; the old one stays, as bounds checks expect.
    if (length < 0)
        return;
    arrPoints_.assign(static_cast<size_t>(length) + 1, Point{});
}

qint32 Contora::GetNextValue(QString& s) const {
    QStringView rest(s);
    const qint32 value = takeValue(rest);
    s = rest.toString();
    return value;
}

void Contora::ExtrudeValues(QString& s) {
    pointsCurrent_ = false;
    resetPoints(arrLength_);
    // Read through a view and shorten s once: a long text is not copied once per value.
    QStringView rest(s);
    for (qint16 i = 0; i < arrLength_; ++i) {
        arrPoints_[static_cast<size_t>(i)].x = takeValue(rest);
        arrPoints_[static_cast<size_t>(i)].y = takeValue(rest);
    }
    s = rest.toString();
}

std::optional<ControlError> Contora::PackValues(QString& s) const {
    s.clear();
    for (qint32 i = 0; i <= arrLength_; ++i) {
        if (static_cast<size_t>(i) >= arrPoints_.size())
            return ControlError::indexOutOfRange();
        const Point& point = arrPoints_[static_cast<size_t>(i)];
        s += QString::number(point.x) + CrLf + QString::number(point.y) + CrLf;
    }
    return std::nullopt;
}

void Contora::AddPoint(float x, float y) {
    pointStr_ += numberText(x) + CrLf + numberText(y) + CrLf;
    host_.propertyChanged(PointStrKey);
    if (arrLength_ < std::numeric_limits<qint16>::max())
        ++arrLength_;
    resetPoints(arrLength_);
    pointsCurrent_ = false;
}

void Contora::Clear() {
    arrLength_ = 0;
    pointStr_.clear();
    pointsCurrent_ = false;
}

ControlResult<qint32> Contora::GetPointX(qint16 idx) {
    if (!pointsCurrent_) {
        QString copy = pointStr_;
        ExtrudeValues(copy);
        pointsCurrent_ = true;
    }
    if (idx < 0 || static_cast<size_t>(idx) >= arrPoints_.size())
        return ControlError::indexOutOfRange();
    return arrPoints_[static_cast<size_t>(idx)].x;
}

ControlResult<qint32> Contora::GetPointY(qint16 idx) const {
    if (idx < 0 || static_cast<size_t>(idx) >= arrPoints_.size())
        return ControlError::indexOutOfRange();
    return arrPoints_[static_cast<size_t>(idx)].y;
}

void Contora::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
    host_.propertyChanged(PictureKey);
}

std::optional<ControlError> Contora::setPointStr(const QString& text) {
    if (!host_.userMode())
        return ControlError::notSettableInDesigner();
    pointStr_ = text;
    pointsCurrent_ = false;
    host_.propertyChanged(PointStrKey);
    return std::nullopt;
}

void Contora::initProperties() {
    pointStr_ = FreshPointStr;
    pointsCurrent_ = false;
}

void Contora::readProperties(const PropertyBag& bag) {
    arrLength_ = bag.readInt16(NumOfPointsKey, 0);
    setPicture(decodePicture(bag.read(PictureKey, QString())));
    pointStr_ = bag.read(PointStrKey, FreshPointStr);
    pointsCurrent_ = false;
}

void Contora::writeProperties(PropertyBag& bag) const {
    bag.writeInt32(NumOfPointsKey, arrLength_, 0);
    bag.write(PictureKey, encodePicture(picture_), QString());
    bag.write(PointStrKey, pointStr_, FreshPointStr);
}

void Contora::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shapeParent();
}

// Every step that cannot be done is passed over; when no polygon with an area comes out,
// the parent gets its full rectangle back.
void Contora::shapeParent() {
    if (!host_.userMode())
        return;
    QWidget* window = host_.parentWindow();
    if (!window)
        return;
    QString copy = pointStr_;
    ExtrudeValues(copy);

    const qint32 n = arrLength_;
    if (n < 0 || static_cast<size_t>(n) >= arrPoints_.size() || n + 1 > MaxVertices) {
        window->clearMask();
        return;
    }
    arrPoints_[static_cast<size_t>(n)] = arrPoints_[0];
    const std::vector<Point> vertices(arrPoints_.begin(), arrPoints_.begin() + n + 1);
    const QRegion region = outlineRegion(vertices, window->size());
    if (region.isEmpty())
        window->clearMask();
    else
        window->setMask(region);
}

void Contora::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        host_.unloadParent();
        return;
    }
    QWidget::keyPressEvent(event);
}

QPointF Contora::positionInTwips(const QMouseEvent* event) const {
    return event->position() * twipsPerPixel(this);
}

void Contora::mousePressEvent(QMouseEvent* event) {
    const QPointF down = positionInTwips(event);
    downX_ = static_cast<float>(down.x());
    downY_ = static_cast<float>(down.y());
    dragging_ = true;
}

// The control moves with its parent, so the position stays relative to the control and
// the parent follows the pointer.
void Contora::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const QPointF at = positionInTwips(event);
    host_.moveParent(host_.parentLeft() - (downX_ - at.x()), host_.parentTop() - (downY_ - at.y()));
}

void Contora::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void Contora::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

} // namespace contolib
