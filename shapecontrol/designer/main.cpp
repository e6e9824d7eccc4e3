// outline-designer [FORM]: traces a Contora outline over its picture and saves it in the
// form data file.
#include "DesignerWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DesignerWindow window;
    const QStringList arguments = app.arguments();
    if (arguments.size() > 1 && !window.openForm(arguments.at(1)))
        return 1;
    window.show();
    return app.exec();
}
