#include "DesignerWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QTabWidget>
#include <QToolBar>
#include <contolib/Contora.h>
#include <contolib/FormHost.h>
#include <contolib/PointsPage.h>

using contolib::Contora;
using contolib::FormData;
using contolib::FormHost;

namespace {
const QString NewControlName = QStringLiteral("Contora1");
}

DesignerWindow::DesignerWindow() {
    QToolBar* tools = addToolBar(QStringLiteral("Form"));
    tools->setMovable(false);
    tools->addAction(QStringLiteral("Open…"), this, &DesignerWindow::open);
    tools->addAction(QStringLiteral("Save"), this, &DesignerWindow::save);
    tools->addSeparator();
    controlChooser_ = new QComboBox(tools);
    controlChooser_->setToolTip(QStringLiteral("The control whose outline is traced"));
    tools->addWidget(controlChooser_);
    QAction* picture =
        tools->addAction(QStringLiteral("Picture…"), this, &DesignerWindow::choosePicture);
    picture->setToolTip(QString::fromLatin1(Contora::PictureHelp));

    auto* tabs = new QTabWidget(this);
    page_ = new contolib::PointsPage(tabs);
    tabs->addTab(page_, QString::fromLatin1(contolib::PointsPage::TabCaption));
    setCentralWidget(tabs);

    connect(controlChooser_, &QComboBox::currentIndexChanged, this, &DesignerWindow::selectControl);
    setForm(FormData(), QString());
}

void DesignerWindow::setForm(const FormData& data, const QString& path) {
    auto* form = new QWidget;
    auto* host = new FormHost(form, FormHost::Mode::Design);
    // Records of other classes fail to load here and are saved back untouched.
    for (const contolib::FormControl& control : data.controls())
        host->createContora(data, control.name, nullptr);
    // A form without the control gets one, as placing it on the form in a designer does.
    if (host->controls().empty())
        host->addContora(NewControlName);

    page_->setSelection({});
    delete form_;
    form_ = form;
    host_ = host;
    data_ = data;
    path_ = path;
    connect(host_, &FormHost::dirtyChanged, this, &DesignerWindow::updateTitle);

    const QSignalBlocker blocker(controlChooser_);
    controlChooser_->clear();
    for (Contora* control : host_->controls())
        controlChooser_->addItem(control->objectName());
    selectControl(0);
    updateTitle();
}

bool DesignerWindow::openForm(const QString& path) {
    FormData data;
    QString error;
    if (!data.readFile(path, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return false;
    }
    setForm(data, path);
    return true;
}

void DesignerWindow::open() {
    if (!mayDiscardChanges())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open form data"),
                                     QFileInfo(path_).path(), QStringLiteral("Form data (*.form)"));
    if (!path.isEmpty())
        openForm(path);
}

bool DesignerWindow::save() {
    QString path = path_;
    if (path.isEmpty())
        path = QFileDialog::getSaveFileName(this, QStringLiteral("Save form data"), QString(),
                                            QStringLiteral("Form data (*.form)"));
    if (path.isEmpty())
        return false;
    FormData data = data_;
    host_->saveInto(data);
    QString error;
    if (!data.writeFile(path, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return false;
    }
    data_ = data;
    path_ = path;
    host_->markSaved();
    updateTitle();
    return true;
}

void DesignerWindow::choosePicture() {
    const int index = controlChooser_->currentIndex();
    const std::vector<Contora*> controls = host_->controls();
    if (index < 0 || static_cast<size_t>(index) >= controls.size())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Picture to trace"), QFileInfo(path_).path(),
        QStringLiteral("Pictures (*.bmp *.jpg *.jpeg *.gif *.png)"));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("Could not load the picture %1: %2.").arg(path, reader.errorString()));
        return;
    }
    controls[static_cast<size_t>(index)]->setPicture(picture);
    selectControl(index);
}

void DesignerWindow::selectControl(int index) {
    const std::vector<Contora*> controls = host_->controls();
    if (index < 0 || static_cast<size_t>(index) >= controls.size())
        page_->setSelection({});
    else
        page_->setSelection({controls[static_cast<size_t>(index)]});
}

bool DesignerWindow::mayDiscardChanges() {
    if (!host_->isDirty())
        return true;
    const auto answer = QMessageBox::question(
        this, windowTitle(), QStringLiteral("Save the changes to the outline first?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void DesignerWindow::closeEvent(QCloseEvent* event) {
    if (mayDiscardChanges())
        event->accept();
    else
        event->ignore();
}

void DesignerWindow::updateTitle() {
    const QString name = path_.isEmpty() ? QStringLiteral("untitled") : QFileInfo(path_).fileName();
    setWindowTitle(QStringLiteral("Outline designer - %1[*]").arg(name));
    setWindowModified(host_->isDirty());
}
