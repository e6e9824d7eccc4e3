#pragma once
// The least form designer: one form's data, its Contora controls hosted in design mode on
// a form that is never shown, and the Points page working on the chosen control.
#include <QMainWindow>
#include <QString>
#include <contolib/FormData.h>

class QComboBox;
class QWidget;

namespace contolib {
class FormHost;
class PointsPage;
} // namespace contolib

class DesignerWindow : public QMainWindow {
    Q_OBJECT

public:
    DesignerWindow();

    // Replaces the current form; on failure shows why and keeps the current one.
    bool openForm(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void open();
    bool save();
    void choosePicture();
    void selectControl(int index);
    void setForm(const contolib::FormData& data, const QString& path);
    bool mayDiscardChanges();
    void updateTitle();

    contolib::FormData data_;
    QString path_;
    QWidget* form_ = nullptr;
    contolib::FormHost* host_ = nullptr;
    contolib::PointsPage* page_;
    QComboBox* controlChooser_;
};
