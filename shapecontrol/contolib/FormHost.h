#pragma once
// Hosts Contora controls on one form widget: places them from saved form data, answers
// their host calls and gathers their properties for saving. It is a child of the form,
// so it lives exactly as long as the form and its controls.
#include "contolib/ControlHost.h"
#include "contolib/contolib_export.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

namespace contolib {

class Contora;
class FormData;

class CONTOLIB_EXPORT FormHost : public QObject, public ControlHost {
    Q_OBJECT

public:
    enum class Mode { Design, User };

    FormHost(QWidget* form, Mode mode);

    // Creates the control saved under `name` on the form, with its saved place (Left, Top,
    // Width, Height in twips), visibility and properties. Missing or unreadable values take
    // their defaults. Fails, with a message, only when the form data has no such control
    // or it is of another class.
    Contora* createContora(const FormData& data, const QString& name, QString* error);
    // Places a new control with its initial properties, as a designer does.
    Contora* addContora(const QString& name);
    // Writes every hosted control's properties into its record of `data`; keys the
    // control does not own (place, visibility) stay as they were.
    void saveInto(FormData& data) const;

    std::vector<Contora*> controls() const;

    bool isDirty() const { return dirty_; }
    void markSaved();

    bool userMode() const override { return mode_ == Mode::User; }
    void propertyChanged(const QString& name) override;
    QWidget* parentWindow() const override;
    double parentLeft() const override;
    double parentTop() const override;
    void moveParent(double left, double top) override;
    void unloadParent() override;

signals:
    void dirtyChanged(bool dirty);
    void propertyChangedNotice(const QString& name);

private:
    void setDirty(bool dirty);

    QWidget* form_;
    Mode mode_;
    bool dirty_ = false;
    std::vector<QPointer<Contora>> controls_;
};

} // namespace contolib
