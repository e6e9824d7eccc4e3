#include "PanelFaces.h"

#include "PanelPaint.h"
#include "widgets/ImageBox.h"
#include "widgets/Twips.h"

#include <QMouseEvent>

namespace player {
namespace {

int16_t buttonSet(Qt::MouseButtons buttons) {
    int16_t set = 0;
    if (buttons & Qt::LeftButton)
        set |= FaceMouse::kLeft;
    if (buttons & Qt::RightButton)
        set |= FaceMouse::kRight;
    if (buttons & Qt::MiddleButton)
        set |= FaceMouse::kMiddle;
    return set;
}

} // namespace

PanelFaces::PanelFaces(QWidget& panel, PanelArt art, const PlayerState& state, FaceActions& actions)
    : QObject(&panel), panel_(panel), art_(std::move(art)), state_(state),
      mouse_(state, buttons_, capture_, *this, actions) {
    background_ = new ImageBox(&panel);
    background_->setGeometry(panel.rect());
    background_->lower();
    for (int i = 0; i < kFaceCount; ++i) {
        const FaceSpec& spec = faceSpec(i);
        auto* box = new FaceBox(i, &panel);
        box->setObjectName(QString::fromLatin1(spec.name));
        placeInTwips(box, spec.left, spec.top, spec.width, spec.height);
        if (spec.tooltip != nullptr)
            box->setToolTip(QString::fromLatin1(spec.tooltip));
        box->installEventFilter(this);
        boxes_[static_cast<size_t>(i)] = box;
    }
    panel.setMouseTracking(true);
    panel.installEventFilter(this);
}

void PanelFaces::PaintPanel() {
    player::PaintPanel(*this, buttons_);
}

void PanelFaces::RefreshTransportFaces() {
    player::RefreshTransportFaces(state_, *this);
}

void PanelFaces::paintBackground() {
    background_->setGeometry(panel_.rect());
    background_->setPicture(art_.background);
}

void PanelFaces::paintFace(int face, FaceImage image) {
    this->face(face)->paint(art_.image(face, image), image);
}

FaceBox* PanelFaces::holder() const {
    const int32_t handle = capture_.holder();
    for (FaceBox* box : boxes_)
        if (faceHandle(box->face()) == handle)
            return box;
    return nullptr;
}

float PanelFaces::twipsX(qreal pixels) const {
    return static_cast<float>(pixels * 1440.0 / panel_.logicalDpiX());
}

float PanelFaces::twipsY(qreal pixels) const {
    return static_cast<float>(pixels * 1440.0 / panel_.logicalDpiY());
}

void PanelFaces::deliverMove(FaceBox* box, const QPointF& local, Qt::MouseButtons buttons) {
    mouse_.MouseMove(box->face(), buttonSet(buttons), twipsX(local.x()), twipsY(local.y()));
}

bool PanelFaces::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &panel_) {
        FaceBox* captured = holder();
        if (captured == nullptr)
            return false;
        if (event->type() == QEvent::MouseMove) {
            auto* move = static_cast<QMouseEvent*>(event);
            deliverMove(captured, captured->mapFromGlobal(move->globalPosition()), move->buttons());
        } else if (event->type() == QEvent::Leave) {
            // Gone from the panel is outside every face's rectangle.
            mouse_.MouseMove(captured->face(), 0, -1, -1);
        }
        return false;
    }

    auto* box = qobject_cast<FaceBox*>(watched);
    if (box == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* press = static_cast<QMouseEvent*>(event);
        mouse_.MouseDown(box->face(), buttonSet(press->button()), twipsX(press->position().x()),
                         twipsY(press->position().y()));
        return true;
    }
    case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        FaceBox* captured = holder();
        // Under the capture the face beneath the pointer hears nothing.
        if (captured != nullptr && captured != box)
            deliverMove(captured, captured->mapFromGlobal(move->globalPosition()), move->buttons());
        else
            deliverMove(box, move->position(), move->buttons());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* release = static_cast<QMouseEvent*>(event);
        mouse_.MouseUp(box->face(), buttonSet(release->button()), twipsX(release->position().x()),
                       twipsY(release->position().y()));
        return true;
    }
    default:
        return false;
    }
}

} // namespace player
