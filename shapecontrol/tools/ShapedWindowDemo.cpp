// shaped-window-demo FORM: shows a borderless 604 x 196 pixel window at (40, 40), hosts
// the form's Contora1 in user mode and makes it visible, as the player does at its first
// activation. The window is striped so the cut corners stand out against the screen.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <contolib/Contora.h>
#include <contolib/FormData.h>
#include <contolib/FormHost.h>
#include <cstdio>

namespace {

class StripedPanel : public QWidget {
public:
    StripedPanel() : QWidget(nullptr, Qt::FramelessWindowHint) {
        setWindowTitle(QStringLiteral("shaped-window-demo"));
        setFixedSize(604, 196);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(30, 60, 140));
        painter.setPen(QColor(255, 200, 0));
        for (int x = 0; x < width(); x += 8)
            painter.drawLine(x, 0, x, height());
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Contora1 outline"));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shaped-window-demo FORM\n");
        return 2;
    }
    contolib::FormData data;
    QString error;
    if (!data.readFile(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    StripedPanel panel;
    auto* host = new contolib::FormHost(&panel, contolib::FormHost::Mode::User);
    contolib::Contora* contora = host->createContora(data, QStringLiteral("Contora1"), &error);
    if (!contora) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    panel.move(40, 40);
    panel.show();
    QTimer::singleShot(0, contora, [contora] { contora->show(); });
    return app.exec();
}
