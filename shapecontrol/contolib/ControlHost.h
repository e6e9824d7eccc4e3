#pragma once
// What a control needs from the form that hosts it. The player hosts in user mode; the
// outline designer hosts in design mode. The host must outlive its controls.
#include "contolib/contolib_export.h"

#include <QString>

class QWidget;

namespace contolib {

class CONTOLIB_EXPORT ControlHost {
public:
    virtual ~ControlHost();

    // True at run time, false in a form designer.
    virtual bool userMode() const = 0;
    // A saved property of the control changed: the form needs to be saved.
    virtual void propertyChanged(const QString& name) = 0;

    // The top-level window of the form: the one a control shapes.
    virtual QWidget* parentWindow() const = 0;
    // The form's screen position in twips.
    virtual double parentLeft() const = 0;
    virtual double parentTop() const = 0;
    virtual void moveParent(double left, double top) = 0;
    virtual void unloadParent() = 0;
};

} // namespace contolib
