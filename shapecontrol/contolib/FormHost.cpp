#include "contolib/FormHost.h"

#include "contolib/Contora.h"
#include "contolib/FormData.h"
#include "contolib/Twips.h"

#include <QWidget>

namespace contolib {

namespace {
const QString ClassKey = QStringLiteral("Class");
const QString ContoraClass = QStringLiteral("Contora");
} // namespace

FormHost::FormHost(QWidget* form, Mode mode) : QObject(form), form_(form), mode_(mode) {}

Contora* FormHost::createContora(const FormData& data, const QString& name, QString* error) {
    const FormControl* record = data.control(name);
    if (!record) {
        if (error)
            *error = QStringLiteral("The form data holds no control %1.").arg(name);
        return nullptr;
    }
    const QString className = record->properties.read(ClassKey, ContoraClass);
    if (className != ContoraClass) {
        if (error)
            *error = QStringLiteral("The control %1 in the form data is a %2, not a Contora.")
                         .arg(name, className);
        return nullptr;
    }

    const PropertyBag& bag = record->properties;
    auto* control = new Contora(*this, form_);
    control->setObjectName(name);
    control->setGeometry(twipsToPixels(bag.readInt32(QStringLiteral("Left"), 0), form_),
                         twipsToPixels(bag.readInt32(QStringLiteral("Top"), 0), form_),
                         twipsToPixels(bag.readInt32(QStringLiteral("Width"), 0), form_),
                         twipsToPixels(bag.readInt32(QStringLiteral("Height"), 0), form_));
    // Loading is not an edit: the notices the control gives while reading do not make
    // the form need saving.
    const bool wasDirty = dirty_;
    control->readProperties(bag);
    setDirty(wasDirty);
    control->setVisible(bag.readBool(QStringLiteral("Visible"), true));
    controls_.emplace_back(control);
    return control;
}

Contora* FormHost::addContora(const QString& name) {
    auto* control = new Contora(*this, form_);
    control->setObjectName(name);
    control->initProperties();
    controls_.emplace_back(control);
    setDirty(true);
    return control;
}

void FormHost::saveInto(FormData& data) const {
    for (Contora* control : controls()) {
        FormControl& record = data.addControl(control->objectName());
        record.properties.set(ClassKey, ContoraClass);
        control->writeProperties(record.properties);
    }
}

std::vector<Contora*> FormHost::controls() const {
    std::vector<Contora*> alive;
    for (const QPointer<Contora>& control : controls_) {
        if (control)
            alive.push_back(control);
    }
    return alive;
}

void FormHost::markSaved() {
    setDirty(false);
}

void FormHost::setDirty(bool dirty) {
    if (dirty_ == dirty)
        return;
    dirty_ = dirty;
    emit dirtyChanged(dirty);
}

void FormHost::propertyChanged(const QString& name) {
    setDirty(true);
    emit propertyChangedNotice(name);
}

QWidget* FormHost::parentWindow() const {
    return form_->window();
}

double FormHost::parentLeft() const {
    return parentWindow()->x() * twipsPerPixel(form_);
}

double FormHost::parentTop() const {
    return parentWindow()->y() * twipsPerPixel(form_);
}

void FormHost::moveParent(double left, double top) {
    parentWindow()->move(twipsToPixels(left, form_), twipsToPixels(top, form_));
}

void FormHost::unloadParent() {
    parentWindow()->close();
}

} // namespace contolib
